#pragma once

#include "link/PortMap.h"
#include "link/Response.h"

#include <array>
#include <cstdint>
#include <istream>
#include <string>
#include <string_view>

namespace merix {

class BusyIndicator;
class Clock;
class ControllerOutput;
class Prompter;
class SerialPort;
struct UploadSettings;
struct Transfer;

// How long the link waits. The product keeps these; tests shorten them.
struct LinkTimings {
    int readTimeoutMs = 1000;
    int writeTimeoutMs = 1000;
    int connectPauseMs = 2000; // after the modem's CONNECT
    int hangUpLimitMs = 10000; // for the modem's OK after "+++"
    int guardTimeMs = 1100;    // of silence around "+++": a modem's 1 s and a margin
};

// The connection to one controller, directly or through a modem, and the line-by-line
// upload on it. Progress goes to the output list, failures also to message boxes.
class ControllerLink {
public:
    static constexpr int kLineLimit = 500000;
    static constexpr std::size_t kReadCapacity = 1000;

    ControllerLink(SerialPort& port, Clock& clock, ControllerOutput& output, Prompter& prompter,
                   BusyIndicator* busy = nullptr);

    void setPortMap(const PortMap& ports) { m_ports = ports; }
    void setTimings(const LinkTimings& timings) { m_timings = timings; }

    // True when this call made the connection; false when it failed or one existed already.
    bool connect(const UploadSettings& settings);
    // Hangs a modem up (connectionType 1) and closes; always shows "Disconnected".
    void disconnect(int connectionType);
    void hangUpModem();

    // The before, command and after files as the settings say; disconnects on a failure.
    void uploadCommandFiles(const UploadSettings& settings, const std::string& commandFile);
    // One file, line by line; stops at the first failure that ends it (the error flag).
    void sendFile(std::istream& file, bool stripComments);
    // One typed command, unchanged; the connection stays up whatever happens.
    void sendUserCommand(std::string_view text);

    // Before an upload of some other file: read count, error flag and line counter.
    void resetUploadState();
    // "Finished Upload" and "DTMF>", both again on a fresh list if the list filled up.
    void showFinished();

    bool isConnected() const { return m_connected; }
    bool hasError() const { return m_error; }
    int lineCounter() const { return m_lineCounter; }

private:
    enum class Wait { Found, NotFound, ReadFailed };

    // connection
    bool openPort(int comPort);
    bool configurePort(const std::string& baudRate);
    bool dial(const std::string& phoneNumber);
    bool awaitModemConnect();
    bool awaitFirstPrompt(bool modem);
    void abandonDial();
    void closePort();

    // upload
    bool sendPreparedLine(const std::string& line);
    bool writeCommand(const std::string& line);
    Wait awaitPrompt(int reads);
    Wait awaitText(int reads, bool (Response::*found)() const);
    bool checkResponse(Wait wait);
    void showResponse();

    // primitives
    void show(const std::string& line);
    void report(const char* text);
    Transfer writeBytes(std::string_view bytes);
    Transfer readOnce();
    void waitUntil(std::int64_t ms);

    SerialPort& m_port;
    Clock& m_clock;
    ControllerOutput& m_output;
    Prompter& m_prompter;
    BusyIndicator* m_busy;
    PortMap m_ports;
    LinkTimings m_timings;

    bool m_connected = false;
    bool m_error = false;
    int m_lineCounter = 0;
    bool m_resentOnce = false;
    Response m_response;
    std::array<char, kReadCapacity + 1> m_readBuffer{};
    std::int64_t m_lastWriteMs = 0;
    bool m_wroteSinceOpen = false;
};

} // namespace merix
