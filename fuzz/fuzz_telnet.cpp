// Any bytes from a Telnet server (or client), fed in pieces of any size: the decoder must
// stay within its bounds, decode the same whatever the cut, answer only with whole
// negotiation commands, and give back exactly the data its peer's encoder was given.
#include "fuzz/FuzzSupport.h"
#include "link/ComPortControl.h"
#include "link/TelnetCodec.h"

#include <cstdint>
#include <string>
#include <vector>

using namespace merix;
using namespace merix::telnet;
using merix::fuzz::fail;

namespace {

struct Decoded {
    std::string data;
    std::string reply;
    std::vector<TelnetCodec::Subnegotiation> subs;
};

TelnetCodec client() {
    return TelnetCodec({kComPort, kBinary, kSuppressGoAhead}, {kBinary, kSuppressGoAhead});
}

Decoded decode(TelnetCodec& codec, std::string_view wire, std::size_t chunk) {
    Decoded d;
    for (std::size_t i = 0; i < wire.size(); i += chunk)
        codec.receive(wire.substr(i, chunk), d.data, d.reply, d.subs);
    return d;
}

void checkReply(const std::string& reply) {
    if (reply.size() % 3 != 0)
        fail("an answer that is not whole commands");
    for (std::size_t i = 0; i < reply.size(); i += 3) {
        const auto verb = static_cast<std::uint8_t>(reply[i + 1]);
        if (static_cast<std::uint8_t>(reply[i]) != kIac || verb < kWill || verb > kDont)
            fail("an answer that is not a negotiation command");
    }
}

// What one side encodes the other decodes unchanged, in binary or not.
void roundTrip(std::string_view data, bool binary) {
    TelnetCodec sender = client();
    TelnetCodec receiver = client();
    std::string ignored;
    std::vector<TelnetCodec::Subnegotiation> subs;
    if (binary) {
        sender.receive(std::string_view("\xff\xfd\x00", 3), ignored, ignored, subs);
        receiver.receive(std::string_view("\xff\xfb\x00", 3), ignored, ignored, subs);
    }
    std::string wire;
    sender.encode(data, wire);
    if (sender.dataCarried(data, wire.size()) != data.size())
        fail("the whole encoding does not carry the whole data");
    const Decoded d = decode(receiver, wire, wire.size() + 1);
    if (d.data != data || !d.subs.empty() || !d.reply.empty())
        fail("encoded data did not decode to itself");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::size_t chunk = 1 + data[0] % 16;
    const std::string_view wire = fuzz::bytes(data + 1, size - 1);

    TelnetCodec whole = client();
    TelnetCodec cut = client();
    const Decoded a = decode(whole, wire, wire.size() + 1);
    const Decoded b = decode(cut, wire, chunk);
    if (a.data != b.data || a.reply != b.reply || a.subs.size() != b.subs.size())
        fail("decoding depends on where the input was cut");
    if (a.data.size() > wire.size())
        fail("more data than bytes");
    checkReply(a.reply);
    for (const auto& sub : a.subs) {
        if (sub.payload.size() > TelnetCodec::kSubnegotiationLimit)
            fail("a subnegotiation over its limit");
        LineSettings line;
        if (sub.option == kComPort && !sub.payload.empty())
            rfc2217::decodeValue(
                static_cast<rfc2217::Command>(sub.payload[0] - rfc2217::kServerOffset),
                std::string_view(sub.payload).substr(1), line);
        if (!isValid(line))
            fail("a server's answer made line settings no line can have");
    }
    roundTrip(wire, false);
    roundTrip(wire, true);
    return 0;
}
