#include "link/ControllerLink.h"

#include "link/Clock.h"
#include "link/ControllerOutput.h"
#include "link/LineSettings.h"
#include "link/LinkMessages.h"
#include "link/SerialDevices.h"
#include "link/SerialPort.h"
#include "link/StopRequest.h"
#include "link/UploadSettings.h"

#include <algorithm>
#include <utility>

namespace merix {

using namespace linktext;

ControllerLink::ControllerLink(Clock& clock, ControllerOutput& output, SerialPortFactory makePort)
    : m_clock(clock), m_output(output), m_makePort(std::move(makePort)) {}

ControllerLink::~ControllerLink() = default;

bool ControllerLink::connect(const UploadSettings& settings)
{
    if (m_connected) {
        show(kAlreadyConnected);
        show(kPrompt);
        return false;
    }
    m_error = false;
    m_response.reset();
    m_output.clear();
    if (!openAndConfigure(settings))
        return false;
    const bool modem = dialled();
    if (modem && !dial(settings.phoneNumber.str()))
        return false;
    return awaitFirstPrompt(modem);
}

std::vector<std::string> ControllerLink::takeMessages() {
    return std::exchange(m_messages, {});
}

std::string ControllerLink::portFailure() const {
    return m_port ? m_port->failureReason() : std::string();
}

// A connect on the network may wait for the whole connect time-out in the open, and for a
// server's answer in the configure: a stop meanwhile interrupts the port.
bool ControllerLink::openAndConfigure(const UploadSettings& settings) {
    const bool ok = openPort(settings) && configurePort(settings.baudRate.str());
    if (m_stop)
        m_stop->watch(nullptr);
    return ok;
}

bool ControllerLink::openPort(const UploadSettings& settings) {
    const std::string name = comPortName(settings.comPort);
    const auto device = m_ports.deviceFor(name);
    m_connection = {name, device.value_or(""), settings.baudRate.str(), settings.connectionType};
    if (!device) {
        show(kUnableToConnect);
        show(unmappedPortReason(name));
        return false;
    }
    const ParsedEndpoint parsed = parseEndpoint(*device);
    if (!parsed.endpoint) {
        show(kUnableToConnect);
        show(parsed.error);
        return false;
    }
    m_port = m_makePort(*parsed.endpoint);
    if (m_stop)
        m_stop->watch(m_port.get());
    const OpenResult opened =
        stopRequested() ? OpenResult{OpenError::Stopped} : m_port->open(*device);
    if (!opened.ok()) {
        // Only a missing local device is helped by the list of those present.
        const bool listDevices = parsed.endpoint->kind == Endpoint::Kind::Device &&
                                 opened.error == OpenError::NoSuchDevice;
        show(kUnableToConnect);
        show(openFailureReason(opened, *device,
                               listDevices ? listSerialDevices() : std::vector<std::string>{}));
        return false;
    }
    m_wroteSinceOpen = false;
    if (m_recorder)
        m_recorder->opened(m_connection);
    return true;
}

bool ControllerLink::configurePort(const std::string& baudRate)
{
    PortConfig config;
    config.readTimeoutMs = m_timings.readTimeoutMs;
    config.writeTimeoutMs = m_timings.writeTimeoutMs;
    config.line = controllerLineSettings(baudRate);
    const ConfigureResult result = m_port->configure(config);
    if (result == ConfigureResult::Ok) {
        m_port->purge();
        return true;
    }
    closePort();
    // An interrupted server answer is no fault of the settings.
    if (stopRequested()) {
        showStopped();
        return false;
    }
    report(result == ConfigureResult::BadSettings ? kBufferStructure : kCannotSetState);
    show(kUnableToConnect);
    return false;
}

bool ControllerLink::stopRequested() const {
    return m_stop && m_stop->requested();
}

void ControllerLink::showStopped() {
    show(kUnableToConnect);
    show(openFailureReason({OpenError::Stopped}, m_connection.endpoint, {}));
}

bool ControllerLink::dial(const std::string& phoneNumber)
{
    std::string digits;
    for (char c : phoneNumber)
        if (c != '-' && c != '(' && c != ')' && c != ' ')
            digits.push_back(c);
    if (digits.empty()) {
        closePort();
        show(kNoPhoneNumber);
        return false;
    }
    const std::string dialString = "ATDT" + digits + "\r";
    show(kDialing);
    show(digits);
    const Transfer w = writeBytes(dialString);
    if (!w.ok || w.count < dialString.size()) {
        report(kDialError);
        abandonDial();
        return false;
    }
    return awaitModemConnect();
}

bool ControllerLink::awaitModemConnect()
{
    const Wait wait = awaitText(40, &Response::hasConnect, true);
    if (wait == Wait::Stopped) {
        // The modem may be dialling still: any character ends that, the hang-up the rest.
        hangUpModem();
        closePort();
        showStopped();
        return false;
    }
    if (wait == Wait::ReadFailed) {
        report(kDialError);
        abandonDial();
        return false;
    }
    if (wait == Wait::NotFound) {
        report(kModemTimeout);
        abandonDial();
        return false;
    }
    // The modem's speed report and whatever follows it are no business of the controller.
    waitUntil(m_clock.nowMs() + m_timings.connectPauseMs);
    for (int i = 0; i < 3; ++i) {
        const Transfer r = readOnce();
        if (!r.ok || r.count == 0)
            break;
    }
    show(kConnected);
    m_port->purge();
    return true;
}

void ControllerLink::abandonDial()
{
    hangUpModem();
    closePort();
    show(kUnableToConnect);
}

bool ControllerLink::awaitFirstPrompt(bool modem)
{
    show(kGetPrompt);
    const Transfer w = writeBytes("\r");
    if (!w.ok || w.count == 0)
        report(kCommError);
    const Wait wait = awaitText(7, &Response::hasPrompt, true);
    if (wait == Wait::Stopped) {
        if (modem)
            hangUpModem();
        closePort();
        showStopped();
        return false;
    }
    if (wait != Wait::Found) {
        report(wait == Wait::ReadFailed ? kConnectReadError : kPromptTimeout);
        if (modem)
            hangUpModem();
        closePort();
        show(kNoPrompt);
        return false;
    }
    show(kPrompt);
    m_port->purge();
    m_connected = true;
    return true;
}

void ControllerLink::hangUpModem()
{
    if (!m_port)
        return;
    show(kDisconnecting);
    // A modem takes "+++" as its escape only when the line was quiet before and after it.
    if (m_wroteSinceOpen)
        waitUntil(m_lastWriteMs + m_timings.guardTimeMs);
    m_port->purge();
    writeBytes("+++");
    const std::int64_t escapedAt = m_lastWriteMs;
    m_response.reset();
    do {
        // A line that fails every read would otherwise spin here for the whole limit.
        if (!readOnce().ok)
            break;
    } while (!m_response.hasOk() && m_clock.nowMs() - escapedAt < m_timings.hangUpLimitMs);
    waitUntil(escapedAt + m_timings.guardTimeMs);
    const Transfer w = writeBytes("ATZ\r");
    if (!w.ok || w.count == 0)
        return;
    for (int i = 0; i < 3; ++i)
        readOnce();
    show(kDisconnected);
}

void ControllerLink::disconnect() {
    m_response.reset();
    m_error = false;
    if (m_connected) {
        if (dialled())
            hangUpModem();
        closePort();
    }
    show(kDisconnected);
    m_connected = false;
}

void ControllerLink::closePort()
{
    m_port->close();
    if (m_recorder)
        m_recorder->closed();
}

void ControllerLink::note(std::string_view text) {
    if (m_recorder)
        m_recorder->note(text);
}

void ControllerLink::show(const std::string& line)
{
    m_output.addLine(line);
}

void ControllerLink::report(const char* text)
{
    m_messages.emplace_back(text);
    m_error = true;
    note(text);
}

Transfer ControllerLink::writeBytes(std::string_view bytes)
{
    if (!m_port)
        return {};
    const Transfer t = m_port->write(bytes);
    m_lastWriteMs = m_clock.nowMs();
    m_wroteSinceOpen = true;
    if (m_recorder && t.count > 0)
        m_recorder->sent(bytes.substr(0, std::min(t.count, bytes.size())));
    return t;
}

Transfer ControllerLink::readOnce()
{
    if (!m_port)
        return {};
    Transfer t = m_port->read(m_readBuffer.data(), kReadCapacity);
    if (t.count > kReadCapacity)
        t.count = kReadCapacity;
    if (t.ok && t.count > 0) {
        m_response.append(m_readBuffer.data(), t.count);
        if (m_recorder)
            m_recorder->received({m_readBuffer.data(), t.count});
    }
    return t;
}

// Reads until the awaited text has come, for as long as `reads` reads of the read time-out
// would take. Reads return as soon as bytes arrive, so a slow line answering a byte at a time
// must not use the budget up by the number of reads: the budget is the time, or that many
// reads that brought nothing. The last bound holds even if the clock stood still. A stoppable
// wait (a connect's) also ends between reads on a stop request.
ControllerLink::Wait ControllerLink::awaitText(int reads, bool (Response::*found)() const,
                                               bool stoppable) {
    m_response.reset();
    const std::int64_t deadline = m_clock.nowMs() + std::int64_t{reads} * m_timings.readTimeoutMs;
    const std::int64_t readLimit = std::int64_t{reads} * 2000;
    int empty = 0;
    for (std::int64_t n = 0; !(m_response.*found)(); ++n) {
        if (empty >= reads || m_clock.nowMs() >= deadline || n >= readLimit)
            return Wait::NotFound;
        if (stoppable && stopRequested())
            return Wait::Stopped;
        const Transfer r = readOnce();
        if (!r.ok)
            return Wait::ReadFailed;
        if (r.count == 0)
            ++empty;
    }
    return Wait::Found;
}

void ControllerLink::waitUntil(std::int64_t ms)
{
    const std::int64_t left = ms - m_clock.nowMs();
    if (left > 0)
        m_clock.sleepMs(left);
}

} // namespace merix
