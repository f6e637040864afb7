#include "link/TelnetCodec.h"

namespace merix {

using namespace telnet;

namespace {

void put(std::string& out, std::uint8_t a, std::uint8_t b, std::uint8_t c) {
    out.push_back(static_cast<char>(a));
    out.push_back(static_cast<char>(b));
    out.push_back(static_cast<char>(c));
}

} // namespace

TelnetCodec::TelnetCodec(std::initializer_list<std::uint8_t> ours,
                         std::initializer_list<std::uint8_t> theirs) {
    for (std::uint8_t o : ours)
        m_acceptOurs.set(o);
    for (std::uint8_t o : theirs)
        m_acceptTheirs.set(o);
}

std::string TelnetCodec::offer() {
    std::string out;
    for (std::size_t o = 0; o < 256; ++o) {
        if (m_acceptOurs[o] && m_ours[o] == State::No) {
            m_ours[o] = State::Asked;
            put(out, kIac, kWill, static_cast<std::uint8_t>(o));
        }
        if (m_acceptTheirs[o] && m_theirs[o] == State::No) {
            m_theirs[o] = State::Asked;
            put(out, kIac, kDo, static_cast<std::uint8_t>(o));
        }
    }
    return out;
}

void TelnetCodec::receive(std::string_view bytes, std::string& data, std::string& reply,
                          std::vector<Subnegotiation>& subnegotiations) {
    for (const char ch : bytes) {
        const auto c = static_cast<std::uint8_t>(ch);
        switch (m_parse) {
        case Parse::Data:
            if (c == kIac)
                m_parse = Parse::Iac;
            else
                dataByte(c, data);
            break;
        case Parse::Iac:
            if (c == kIac) {
                m_parse = Parse::Data;
                dataByte(c, data);
            } else {
                command(c);
            }
            break;
        case Parse::Option:
            negotiate(m_verb, c, reply);
            m_parse = Parse::Data;
            break;
        case Parse::SubOption:
            m_sub = {c, {}};
            m_subTooLong = false;
            m_parse = Parse::Sub;
            break;
        case Parse::Sub:
            if (c == kIac)
                m_parse = Parse::SubIac;
            else if (m_sub.payload.size() < kSubnegotiationLimit)
                m_sub.payload.push_back(static_cast<char>(c));
            else
                m_subTooLong = true;
            break;
        case Parse::SubIac:
            if (c == kIac) {
                m_parse = Parse::Sub;
                if (m_sub.payload.size() < kSubnegotiationLimit)
                    m_sub.payload.push_back(static_cast<char>(c));
                else
                    m_subTooLong = true;
            } else if (c == kSe) {
                endSubnegotiation(subnegotiations);
            } else {
                // A command inside a subnegotiation ends it unfinished; the command stands.
                command(c);
            }
            break;
        }
    }
}

void TelnetCodec::dataByte(std::uint8_t c, std::string& data) {
    // Outside binary a carriage return comes as CR NUL; the NUL is no data.
    const bool binary = m_theirs[kBinary] == State::Yes;
    if (!binary && c == 0 && m_afterCr) {
        m_afterCr = false;
        return;
    }
    m_afterCr = !binary && c == '\r';
    data.push_back(static_cast<char>(c));
}

void TelnetCodec::command(std::uint8_t c) {
    if (c == kWill || c == kWont || c == kDo || c == kDont) {
        m_verb = c;
        m_parse = Parse::Option;
    } else if (c == kSb) {
        m_parse = Parse::SubOption;
    } else {
        m_parse = Parse::Data; // NOP, GA, AYT and the like: nothing for a serial line
    }
}

// RFC 1143 without the "want no" states: we never switch an option off of our own accord.
// An answer is sent only when the state changes, so a peer repeating itself gets no echo.
void TelnetCodec::negotiate(std::uint8_t verb, std::uint8_t option, std::string& reply) {
    const bool aboutOurs = verb == kDo || verb == kDont;
    const bool enable = verb == kWill || verb == kDo;
    State& state = aboutOurs ? m_ours[option] : m_theirs[option];
    const bool accepted = aboutOurs ? m_acceptOurs[option] : m_acceptTheirs[option];
    const std::uint8_t yes = aboutOurs ? kWill : kDo;
    const std::uint8_t no = aboutOurs ? kWont : kDont;
    if (enable) {
        if (state == State::Asked) {
            state = State::Yes;
        } else if (state == State::No) {
            if (accepted)
                state = State::Yes;
            put(reply, kIac, accepted ? yes : no, option);
        }
    } else if (state != State::No) {
        if (state == State::Yes)
            put(reply, kIac, no, option);
        state = State::No;
    }
}

void TelnetCodec::endSubnegotiation(std::vector<Subnegotiation>& out) {
    m_parse = Parse::Data;
    if (!m_subTooLong)
        out.push_back(std::move(m_sub));
    m_sub = {};
}

// Two bytes for IAC (doubled) and, outside binary, for a carriage return not followed by a
// line feed (CR NUL); one for everything else.
std::size_t TelnetCodec::encodedLength(std::string_view data, std::size_t i) const {
    const char c = data[i];
    if (static_cast<std::uint8_t>(c) == kIac)
        return 2;
    const bool binary = m_ours[kBinary] == State::Yes;
    if (c == '\r' && !binary && (i + 1 == data.size() || data[i + 1] != '\n'))
        return 2;
    return 1;
}

void TelnetCodec::encode(std::string_view data, std::string& out) const {
    for (std::size_t i = 0; i < data.size(); ++i) {
        out.push_back(data[i]);
        if (encodedLength(data, i) == 2)
            out.push_back(data[i] == '\r' ? '\0' : data[i]);
    }
}

std::size_t TelnetCodec::dataCarried(std::string_view data, std::size_t wireCount) const {
    std::size_t wire = 0;
    std::size_t i = 0;
    for (; i < data.size(); ++i) {
        wire += encodedLength(data, i);
        if (wire > wireCount)
            break;
    }
    return i;
}

std::string TelnetCodec::subnegotiation(std::uint8_t option, std::string_view payload) {
    std::string out{static_cast<char>(kIac), static_cast<char>(kSb), static_cast<char>(option)};
    for (const char c : payload) {
        out.push_back(c);
        if (static_cast<std::uint8_t>(c) == kIac)
            out.push_back(c);
    }
    out.push_back(static_cast<char>(kIac));
    out.push_back(static_cast<char>(kSe));
    return out;
}

} // namespace merix
