#include "sim/ComPortServer.h"

#include "link/ComPortControl.h"

namespace merix::sim {

using namespace telnet;

namespace {

constexpr std::string_view kSignature = "merix-sim";

const char* parityName(Parity p) {
    switch (p) {
    case Parity::Odd:
        return "odd";
    case Parity::Even:
        return "even";
    default:
        return "none";
    }
}

} // namespace

ComPortServer::ComPortServer(std::FILE* log)
    : m_log(log), m_telnet({kBinary, kSuppressGoAhead}, {kBinary, kSuppressGoAhead, kComPort}) {}

std::string ComPortServer::greeting() {
    return m_telnet.offer();
}

void ComPortServer::receive(std::string_view wire, std::string& data, std::string& reply) {
    std::vector<TelnetCodec::Subnegotiation> subs;
    m_telnet.receive(wire, data, reply, subs);
    for (const auto& sub : subs)
        if (sub.option == kComPort && !sub.payload.empty())
            reply += answer(sub.payload);
}

std::string ComPortServer::answer(std::string_view request) {
    const auto command = static_cast<std::uint8_t>(request[0]);
    const std::string_view value = request.substr(1);
    std::string payload(1, static_cast<char>(command + rfc2217::kServerOffset));
    switch (command) {
    case rfc2217::kSignature:
        if (!value.empty())
            return {}; // the client telling us its name
        payload += kSignature;
        break;
    case rfc2217::kSetBaudRate:
    case rfc2217::kSetDataSize:
    case rfc2217::kSetParity:
    case rfc2217::kSetStopSize:
        payload += answerLine(command, value);
        break;
    case 8: // flow control suspend and resume: no answer
    case 9:
        return {};
    default: // control, masks, purge: done, as far as a pseudo-line goes
        payload += value;
        break;
    }
    return TelnetCodec::subnegotiation(kComPort, payload);
}

// A value the line can take is set and logged; 0 asks, and anything else leaves the line
// as it is. Either way the answer is what the line now has.
std::string ComPortServer::answerLine(std::uint8_t command, std::string_view value) {
    const auto c = static_cast<rfc2217::Command>(command);
    if (rfc2217::decodeValue(c, value, m_line) && m_log) {
        if (c == rfc2217::kSetBaudRate)
            std::fprintf(m_log, "merix-sim: the client set %ld baud\n", m_line.baud);
        else if (c == rfc2217::kSetDataSize)
            std::fprintf(m_log, "merix-sim: the client set %d data bits\n", m_line.dataBits);
        else if (c == rfc2217::kSetParity)
            std::fprintf(m_log, "merix-sim: the client set parity %s\n", parityName(m_line.parity));
        else
            std::fprintf(m_log, "merix-sim: the client set %d stop bits\n", m_line.stopBits);
        std::fflush(m_log);
    }
    return rfc2217::encodeValue(c, m_line);
}

} // namespace merix::sim
