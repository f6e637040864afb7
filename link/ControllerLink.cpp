#include "link/ControllerLink.h"

#include "document/Prompter.h"
#include "link/Clock.h"
#include "link/ControllerOutput.h"
#include "link/LineSettings.h"
#include "link/LinkMessages.h"
#include "link/SerialDevices.h"
#include "link/SerialPort.h"
#include "link/UploadSettings.h"

namespace merix {

using namespace linktext;

ControllerLink::ControllerLink(SerialPort& port, Clock& clock, ControllerOutput& output,
                               Prompter& prompter, BusyIndicator* busy)
    : m_port(port), m_clock(clock), m_output(output), m_prompter(prompter), m_busy(busy)
{
}

bool ControllerLink::connect(const UploadSettings& settings)
{
    if (m_connected) {
        show(kAlreadyConnected);
        show(kPrompt);
        return false;
    }
    BusyGuard busy(m_busy);
    m_error = false;
    m_response.reset();
    m_output.clear();
    if (!openPort(settings.comPort) || !configurePort(settings.baudRate.str()))
        return false;
    const bool modem = settings.connectionType == 1;
    if (modem && !dial(settings.phoneNumber.str()))
        return false;
    return awaitFirstPrompt(modem);
}

bool ControllerLink::openPort(int comPort)
{
    const std::string name = comPortName(comPort);
    const auto device = m_ports.deviceFor(name);
    if (!device) {
        show(kUnableToConnect);
        show(unmappedPortReason(name));
        return false;
    }
    const OpenResult opened = m_port.open(*device);
    if (!opened.ok()) {
        show(kUnableToConnect);
        show(openFailureReason(opened, *device, listSerialDevices()));
        return false;
    }
    m_wroteSinceOpen = false;
    return true;
}

bool ControllerLink::configurePort(const std::string& baudRate)
{
    PortConfig config;
    config.readTimeoutMs = m_timings.readTimeoutMs;
    config.writeTimeoutMs = m_timings.writeTimeoutMs;
    config.line = controllerLineSettings(baudRate);
    const ConfigureResult result = m_port.configure(config);
    if (result == ConfigureResult::Ok) {
        m_port.purge();
        return true;
    }
    report(result == ConfigureResult::BadSettings ? kBufferStructure : kCannotSetState);
    closePort();
    show(kUnableToConnect);
    return false;
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
    const Wait wait = awaitText(40, &Response::hasConnect);
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
    m_port.purge();
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
    const Wait wait = awaitText(7, &Response::hasPrompt);
    if (wait != Wait::Found) {
        report(wait == Wait::ReadFailed ? kConnectReadError : kPromptTimeout);
        if (modem)
            hangUpModem();
        closePort();
        show(kNoPrompt);
        return false;
    }
    show(kPrompt);
    m_port.purge();
    m_connected = true;
    return true;
}

void ControllerLink::hangUpModem()
{
    show(kDisconnecting);
    // A modem takes "+++" as its escape only when the line was quiet before and after it.
    if (m_wroteSinceOpen)
        waitUntil(m_lastWriteMs + m_timings.guardTimeMs);
    m_port.purge();
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

void ControllerLink::disconnect(int connectionType)
{
    BusyGuard busy(m_busy);
    m_response.reset();
    m_error = false;
    if (m_connected) {
        if (connectionType == 1)
            hangUpModem();
        closePort();
    }
    show(kDisconnected);
    m_connected = false;
}

void ControllerLink::closePort()
{
    m_port.close();
}

void ControllerLink::show(const std::string& line)
{
    m_output.addLine(line);
}

void ControllerLink::report(const char* text)
{
    m_prompter.inform(text);
    m_error = true;
}

Transfer ControllerLink::writeBytes(std::string_view bytes)
{
    const Transfer t = m_port.write(bytes);
    m_lastWriteMs = m_clock.nowMs();
    m_wroteSinceOpen = true;
    return t;
}

Transfer ControllerLink::readOnce()
{
    Transfer t = m_port.read(m_readBuffer.data(), kReadCapacity);
    if (t.count > kReadCapacity)
        t.count = kReadCapacity;
    if (t.ok && t.count > 0)
        m_response.append(m_readBuffer.data(), t.count);
    return t;
}

// Reads until the awaited text has come, for as long as `reads` reads of the read time-out
// would take. Reads return as soon as bytes arrive, so a slow line answering a byte at a time
// must not use the budget up by the number of reads: the budget is the time, or that many
// reads that brought nothing. The last bound holds even if the clock stood still.
ControllerLink::Wait ControllerLink::awaitText(int reads, bool (Response::*found)() const)
{
    m_response.reset();
    const std::int64_t deadline = m_clock.nowMs() + std::int64_t{reads} * m_timings.readTimeoutMs;
    const std::int64_t readLimit = std::int64_t{reads} * 2000;
    int empty = 0;
    for (std::int64_t n = 0; !(m_response.*found)(); ++n) {
        if (empty >= reads || m_clock.nowMs() >= deadline || n >= readLimit)
            return Wait::NotFound;
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
