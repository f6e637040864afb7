#include "link/Rfc2217SerialPort.h"

#include "link/ComPortControl.h"
#include "link/SocketWait.h"

#include <algorithm>
#include <cstring>

namespace merix {

using namespace telnet;

namespace {

// Data kept while nobody reads; a server talking without end loses its oldest bytes.
constexpr std::size_t kPendingLimit = 64 * 1024;

TelnetCodec clientCodec() {
    return TelnetCodec({kComPort, kBinary, kSuppressGoAhead}, {kBinary, kSuppressGoAhead});
}

} // namespace

Rfc2217SerialPort::Rfc2217SerialPort(int connectTimeoutMs)
    : NetworkSerialPort(Endpoint::Kind::Rfc2217, connectTimeoutMs), m_telnet(clientCodec()) {}

OpenResult Rfc2217SerialPort::open(const std::string& endpoint) {
    m_telnet = clientCodec();
    m_pending.clear();
    const OpenResult connected = connectTo(endpoint);
    if (!connected.ok())
        return connected;
    const Pump agreed =
        sendRaw(m_telnet.offer())
            ? pumpUntil(openDeadline(),
                        [&] { return m_telnet.ours(kComPort) != TelnetCodec::State::Asked; })
            : Pump::Broken;
    OpenResult result;
    if (agreed == Pump::Broken)
        result.error =
            m_connection.interrupted() ? OpenError::Stopped : OpenError::ConnectionDropped;
    else if (agreed == Pump::TimedOut)
        result.error = OpenError::NoTelnetAnswer;
    else if (m_telnet.ours(kComPort) != TelnetCodec::State::Yes)
        result.error = OpenError::NoPortControl;
    if (!result.ok())
        close();
    return result;
}

ConfigureResult Rfc2217SerialPort::configure(const PortConfig& config) {
    takeTimeouts(config);
    if (!isValid(config.line))
        return ConfigureResult::BadSettings;
    std::string requests;
    for (std::size_t i = 0; i < rfc2217::kLineCommands.size(); ++i) {
        const auto command = rfc2217::kLineCommands[i];
        m_lineReplies[i].reset();
        requests += TelnetCodec::subnegotiation(
            kComPort, rfc2217::request(command, rfc2217::encodeValue(command, config.line)));
    }
    if (!isOpen() || !sendRaw(requests))
        return ConfigureResult::CannotApply;
    const auto allAnswered = [&] {
        return std::all_of(m_lineReplies.begin(), m_lineReplies.end(),
                           [](const auto& r) { return r.has_value(); });
    };
    if (pumpUntil(monotonicMs() + connectTimeoutMs(), allAnswered) != Pump::Progress)
        return ConfigureResult::CannotApply;
    // The server answers with what the port now has: anything else was not taken.
    for (std::size_t i = 0; i < rfc2217::kLineCommands.size(); ++i)
        if (*m_lineReplies[i] != rfc2217::encodeValue(rfc2217::kLineCommands[i], config.line))
            return ConfigureResult::CannotApply;
    return ConfigureResult::Ok;
}

void Rfc2217SerialPort::purge() {
    for (int i = 0; i < 256 && pumpOnce(monotonicMs()) == Pump::Progress; ++i) {
    }
    m_pending.clear();
    const char both = static_cast<char>(rfc2217::kPurgeBoth);
    sendRaw(
        TelnetCodec::subnegotiation(kComPort, rfc2217::request(rfc2217::kPurgeData, {&both, 1})));
}

Transfer Rfc2217SerialPort::write(std::string_view bytes) {
    std::string wire;
    m_telnet.encode(bytes, wire);
    const Transfer sent = m_connection.send(wire, m_writeTimeoutMs);
    return {sent.ok,
            sent.count == wire.size() ? bytes.size() : m_telnet.dataCarried(bytes, sent.count)};
}

Transfer Rfc2217SerialPort::read(char* buffer, std::size_t capacity) {
    const std::int64_t deadline = monotonicMs() + m_readTimeoutMs;
    Pump pump = Pump::Progress;
    // The clock, not the pump, ends the wait: a server that sends nothing but negotiation
    // must not keep a read going.
    while (m_pending.empty() && pump == Pump::Progress && monotonicMs() < deadline)
        pump = pumpOnce(deadline);
    if (m_pending.empty())
        return {pump != Pump::Broken, 0};
    const std::size_t n = std::min(capacity, m_pending.size());
    std::memcpy(buffer, m_pending.data(), n);
    m_pending.erase(0, n);
    return {true, n};
}

// One receive: its data kept, its negotiation answered, its subnegotiations noted.
Rfc2217SerialPort::Pump Rfc2217SerialPort::pumpOnce(std::int64_t deadlineMs) {
    char wire[4096];
    const Transfer got = m_connection.receive(wire, sizeof wire, deadlineMs);
    if (!got.ok)
        return Pump::Broken;
    if (got.count == 0)
        return monotonicMs() >= deadlineMs ? Pump::TimedOut : Pump::Progress;
    std::string data;
    std::string reply;
    std::vector<TelnetCodec::Subnegotiation> subs;
    m_telnet.receive({wire, got.count}, data, reply, subs);
    keep(data);
    for (const auto& sub : subs)
        handle(sub);
    if (!reply.empty() && !sendRaw(reply))
        return Pump::Broken;
    return Pump::Progress;
}

template <typename Done>
Rfc2217SerialPort::Pump Rfc2217SerialPort::pumpUntil(std::int64_t deadlineMs, Done done) {
    while (!done()) {
        if (monotonicMs() >= deadlineMs)
            return Pump::TimedOut;
        const Pump p = pumpOnce(deadlineMs);
        if (p != Pump::Progress)
            return p;
    }
    return Pump::Progress;
}

void Rfc2217SerialPort::handle(const TelnetCodec::Subnegotiation& sub) {
    if (sub.option != kComPort || sub.payload.empty())
        return;
    const auto command = static_cast<std::uint8_t>(sub.payload[0]);
    for (std::size_t i = 0; i < rfc2217::kLineCommands.size(); ++i)
        if (command == rfc2217::kLineCommands[i] + rfc2217::kServerOffset)
            m_lineReplies[i] = sub.payload.substr(1);
}

void Rfc2217SerialPort::keep(std::string_view data) {
    m_pending.append(data);
    if (m_pending.size() > kPendingLimit)
        m_pending.erase(0, m_pending.size() - kPendingLimit);
}

bool Rfc2217SerialPort::sendRaw(const std::string& bytes) {
    const Transfer t = m_connection.send(bytes, m_writeTimeoutMs);
    return t.ok && t.count == bytes.size();
}

} // namespace merix
