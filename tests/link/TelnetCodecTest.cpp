#include "link/TelnetCodec.h"
#include "link/ComPortControl.h"

#include <gtest/gtest.h>

namespace merix {
namespace {

using namespace telnet;
using State = TelnetCodec::State;

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (const int v : values)
        out.push_back(static_cast<char>(v));
    return out;
}

TelnetCodec client() {
    return TelnetCodec({kComPort, kBinary, kSuppressGoAhead}, {kBinary, kSuppressGoAhead});
}

struct Received {
    std::string data;
    std::string reply;
    std::vector<TelnetCodec::Subnegotiation> subs;
};

// Fed in pieces of `chunk` bytes, so every state of the decoder meets a cut.
Received feed(TelnetCodec& codec, const std::string& wire, std::size_t chunk = 1000) {
    Received r;
    for (std::size_t i = 0; i < wire.size(); i += chunk)
        codec.receive(std::string_view(wire).substr(i, chunk), r.data, r.reply, r.subs);
    return r;
}

TEST(TelnetCodec, AnIacInTheDataIsDoubledOutAndUndoubledIn) {
    TelnetCodec codec = client();
    feed(codec, bytes({kIac, kDo, kBinary, kIac, kWill, kBinary})); // binary both ways
    std::string wire;
    codec.encode(bytes({'N', 0xff, 0xfe, 0xff, 0xff, '\r'}), wire);
    EXPECT_EQ(wire, bytes({'N', 0xff, 0xff, 0xfe, 0xff, 0xff, 0xff, 0xff, '\r'}));

    const std::string answer = bytes({'O', 'K', 0xff, 0xff, '\r', 0, 0xff, 0xff, 0xff, 0xff, 'D'});
    for (std::size_t chunk : {1, 2, 3, 1000}) {
        SCOPED_TRACE(chunk);
        TelnetCodec in = client();
        feed(in, bytes({kIac, kWill, kBinary}));
        const Received r = feed(in, answer, chunk);
        EXPECT_EQ(r.data, bytes({'O', 'K', 0xff, '\r', 0, 0xff, 0xff, 'D'}));
        EXPECT_EQ(r.reply, "");
    }
}

TEST(TelnetCodec, OutsideBinaryACarriageReturnTravelsAsCrNul) {
    TelnetCodec codec = client();
    std::string wire;
    codec.encode("N1\rN2\r\nx\r", wire);
    EXPECT_EQ(wire, bytes({'N', '1', '\r', 0, 'N', '2', '\r', '\n', 'x', '\r', 0}));
    EXPECT_EQ(codec.dataCarried("N1\rN2", 2), 2u);
    EXPECT_EQ(codec.dataCarried("N1\rN2", 3), 2u); // CR without its NUL is not through yet
    EXPECT_EQ(codec.dataCarried("N1\rN2", 4), 3u);
    EXPECT_EQ(codec.dataCarried(bytes({'a', 0xff, 'b'}), 2), 1u);
    EXPECT_EQ(codec.dataCarried(bytes({'a', 0xff, 'b'}), 4), 3u);

    for (std::size_t chunk : {1, 1000}) {
        TelnetCodec in = client();
        const Received r = feed(in, bytes({'D', '\r', 0, '\r', '\n', 0, '\r'}), chunk);
        EXPECT_EQ(r.data, bytes({'D', '\r', '\r', '\n', 0, '\r'}));
    }
}

// Each request from the server, with the answer we owe for it: agree to what we take, refuse
// the rest, and never answer an answer.
TEST(TelnetCodec, NegotiationIsAnsweredOnceAndOnlyWhenItChangesSomething) {
    struct Case {
        const char* what;
        std::string offerFirst; // "y": we asked for our options before the server spoke
        std::string in;
        std::string reply;
        State comPort;
        const char* data = "";
    };
    const std::string offer = "y";
    for (const Case& c : {
             Case{"DO COM-PORT unasked is agreed to", "", bytes({kIac, kDo, kComPort}),
                  bytes({kIac, kWill, kComPort}), State::Yes},
             {"DO COM-PORT after our WILL is the agreement", offer, bytes({kIac, kDo, kComPort}),
              "", State::Yes},
             {"DONT COM-PORT after our WILL is the refusal", offer, bytes({kIac, kDont, kComPort}),
              "", State::No},
             {"repeated DO is not answered again", "",
              bytes({kIac, kDo, kComPort, kIac, kDo, kComPort}), bytes({kIac, kWill, kComPort}),
              State::Yes},
             {"WILL ECHO is refused", offer, bytes({kIac, kWill, kEcho}),
              bytes({kIac, kDont, kEcho}), State::Asked},
             {"DO ECHO is refused", "", bytes({kIac, kDo, kEcho}), bytes({kIac, kWont, kEcho}),
              State::No},
             {"DO of an unknown option is refused", "", bytes({kIac, kDo, 200}),
              bytes({kIac, kWont, 200}), State::No},
             {"WILL COM-PORT from the server is refused: we are not the access server", "",
              bytes({kIac, kWill, kComPort}), bytes({kIac, kDont, kComPort}), State::No},
             {"WILL SGA is taken", "", bytes({kIac, kWill, kSuppressGoAhead}),
              bytes({kIac, kDo, kSuppressGoAhead}), State::No},
             {"WONT and DONT of what is off need no answer", "",
              bytes({kIac, kWont, kEcho, kIac, kDont, kEcho, kIac, kDont, kComPort}), "",
              State::No},
             {"DONT after agreeing switches it off, said once", "",
              bytes({kIac, kDo, kComPort, kIac, kDont, kComPort, kIac, kDont, kComPort}),
              bytes({kIac, kWill, kComPort, kIac, kWont, kComPort}), State::No},
             {"NOP, GA and a stray SE are nothing", "",
              bytes({'a', kIac, 241, 'b', kIac, 249, kIac, kSe, 'c'}), "", State::No, "abc"},
             {"ser2net's opening", offer,
              bytes({kIac, kWill, 3,   kIac, kDo,  3,     kIac, kWill, 1,   kIac,    kDont,
                     1,    kIac,  kDo, 0,    kIac, kWill, 0,    kIac,  kDo, kComPort}),
              bytes({kIac, kDont, 1}), State::Yes},
         }) {
        SCOPED_TRACE(c.what);
        for (std::size_t chunk : {1, 1000}) {
            TelnetCodec codec = client();
            if (!c.offerFirst.empty()) {
                EXPECT_EQ(codec.offer(), bytes({kIac, kWill, kBinary, kIac, kDo, kBinary, kIac,
                                                kWill, 3, kIac, kDo, 3, kIac, kWill, kComPort}));
            }
            const Received r = feed(codec, c.in, chunk);
            EXPECT_EQ(r.reply, c.reply);
            EXPECT_EQ(codec.ours(kComPort), c.comPort);
            EXPECT_EQ(r.data, c.data);
        }
    }
}

TEST(TelnetCodec, SubnegotiationsComeUpWholeWithTheirIacUndoubled) {
    TelnetCodec codec = client();
    // 0xff inside a rate: 65535 baud.
    const std::string wire =
        TelnetCodec::subnegotiation(kComPort, bytes({101, 0, 0, 0xff, 0xff})) + "x" +
        TelnetCodec::subnegotiation(kComPort, bytes({107, 0})) +
        // an IAC command inside a subnegotiation ends it unfinished; the command stands
        bytes({kIac, kSb, kComPort, 102, 8, kIac, kDo, kComPort}) + "y" +
        // too long for any option we take: dropped whole, what follows still decoded
        bytes({kIac, kSb, kComPort}) + std::string(TelnetCodec::kSubnegotiationLimit + 1, 'z') +
        bytes({kIac, kSe}) + "z";
    EXPECT_EQ(wire.substr(0, 10), bytes({kIac, kSb, kComPort, 101, 0, 0, 0xff, 0xff, 0xff, 0xff}));
    for (std::size_t chunk : {1, 5, 1000}) {
        SCOPED_TRACE(chunk);
        TelnetCodec in = client();
        const Received r = feed(in, wire, chunk);
        EXPECT_EQ(r.data, "xyz");
        ASSERT_EQ(r.subs.size(), 2u);
        EXPECT_EQ(r.subs[0].option, kComPort);
        EXPECT_EQ(r.subs[0].payload, bytes({101, 0, 0, 0xff, 0xff}));
        EXPECT_EQ(r.subs[1].payload, bytes({107, 0}));
        EXPECT_EQ(r.reply, bytes({kIac, kWill, kComPort}));
    }
}

TEST(ComPortControl, LineValuesOnTheWire) {
    using namespace rfc2217;
    const LineSettings s{115200, 7, Parity::Even, 2};
    EXPECT_EQ(encodeValue(kSetBaudRate, s), bytes({0, 1, 0xc2, 0}));
    EXPECT_EQ(encodeValue(kSetDataSize, s), bytes({7}));
    EXPECT_EQ(encodeValue(kSetParity, s), bytes({3}));
    EXPECT_EQ(encodeValue(kSetParity, {9600, 8, Parity::Odd, 1}), bytes({2}));
    EXPECT_EQ(encodeValue(kSetParity, {9600, 8, Parity::None, 1}), bytes({1}));
    EXPECT_EQ(encodeValue(kSetStopSize, s), bytes({2}));
    EXPECT_EQ(request(kSetDataSize, bytes({7})), bytes({2, 7}));

    LineSettings back;
    for (Command c : kLineCommands)
        EXPECT_TRUE(decodeValue(c, encodeValue(c, s), back));
    EXPECT_EQ(back, s);
    // Asked-for (0), impossible for us, or the wrong length: the settings stay.
    for (const auto& [command, value] : std::initializer_list<std::pair<Command, std::string>>{
             {kSetBaudRate, bytes({0, 0, 0, 0})},
             {kSetBaudRate, bytes({0, 0, 0x25})},
             {kSetBaudRate, bytes({0x80, 0, 0, 0})},
             {kSetDataSize, bytes({0})},
             {kSetDataSize, bytes({9})},
             {kSetParity, bytes({4})},
             {kSetParity, bytes({5})},
             {kSetStopSize, bytes({3})},
             {kSetStopSize, bytes({1, 1})},
             {kPurgeData, bytes({3})}}) {
        EXPECT_FALSE(decodeValue(command, value, back));
        EXPECT_EQ(back, s);
    }
}

} // namespace
} // namespace merix
