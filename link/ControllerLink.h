#pragma once

#include "link/LinkRecorder.h"
#include "link/PortMap.h"
#include "link/Response.h"
#include "link/SerialPortFactory.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace merix {

class Clock;
class ControllerOutput;
class SerialPort;
class StopRequest;
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
// protocol on it. Progress goes to the output list; what the user must be told (once a
// message box) is kept for the caller to take, with the error flag set. The link runs on
// whichever thread calls it, one call at a time; only the connected flag may be read from
// another thread meanwhile, and the stop request set. Each connect makes its own port from
// the endpoint the port map gives, so a changed endpoint or an interrupted port never
// carries over to the next connection.
class ControllerLink {
public:
    static constexpr int kLineLimit = 500000;
    static constexpr std::size_t kReadCapacity = 1000;

    ControllerLink(Clock& clock, ControllerOutput& output,
                   SerialPortFactory makePort = makeSerialPort);
    ~ControllerLink();
    ControllerLink(const ControllerLink&) = delete;
    ControllerLink& operator=(const ControllerLink&) = delete;

    void setPortMap(const PortMap& ports) { m_ports = ports; }
    // Stop during a connect: ends it at once, a dialled modem hung up; nullptr for none.
    void setStopRequest(StopRequest* stop) { m_stop = stop; }
    void setTimings(const LinkTimings& timings) { m_timings = timings; }
    // Sees every byte of every connection from the opening of the port; nullptr for none.
    void setRecorder(LinkRecorder* recorder) { m_recorder = recorder; }

    // True when this call made the connection; false when it failed or one existed already.
    bool connect(const UploadSettings& settings);
    // Hangs a modem up when the line was dialled, and closes; always shows "Disconnected".
    void disconnect();
    void hangUpModem();

    // One line of a command file as prepareCommandLine made it: counted, and sent unless it
    // is empty. False when the file must end here (the error flag is set).
    bool sendCommandLine(const std::string& line);
    // One typed command, unchanged; the connection stays up whatever happens.
    void sendUserCommand(std::string_view text);
    // A line of its own in the recorder's account of the connection.
    void note(std::string_view text);

    // Before an upload: read count, error flag and line counter.
    void resetUploadState();
    // "Finished Upload" and "DTMF>", both again on a fresh list if the list filled up.
    void showFinished();

    bool isConnected() const { return m_connected; }
    bool hasError() const { return m_error; }
    int lineCounter() const { return m_lineCounter; }
    ControllerOutput& output() { return m_output; }
    // The connection made last (or being made): port, device, rate, kind of line.
    const ConnectionInfo& connection() const { return m_connection; }
    // What the user must be told since the last call, in order; the caller shows it.
    std::vector<std::string> takeMessages();
    // Why the last read or write failed when the port can say more than the link's message
    // (a connection on the network that dropped, naming it); empty otherwise.
    std::string portFailure() const;

  private:
    enum class Wait { Found, NotFound, ReadFailed, Stopped };

    // connection
    bool openAndConfigure(const UploadSettings& settings);
    bool openPort(const UploadSettings& settings);
    bool configurePort(const std::string& baudRate);
    bool stopRequested() const;
    void showStopped();
    bool dial(const std::string& phoneNumber);
    bool awaitModemConnect();
    bool awaitFirstPrompt(bool modem);
    void abandonDial();
    void closePort();
    bool dialled() const { return m_connection.type == ConnectionType::Modem; }

    // upload
    bool sendPreparedLine(const std::string& line);
    bool writeCommand(const std::string& line);
    Wait awaitPrompt(int reads);
    Wait awaitText(int reads, bool (Response::*found)() const, bool stoppable = false);
    bool checkResponse(Wait wait);
    void showResponse();

    // primitives
    void show(const std::string& line);
    void report(const char* text);
    Transfer writeBytes(std::string_view bytes);
    Transfer readOnce();
    void waitUntil(std::int64_t ms);

    Clock& m_clock;
    ControllerOutput& m_output;
    SerialPortFactory m_makePort;
    std::unique_ptr<SerialPort> m_port; // of the connection made last; none before the first
    StopRequest* m_stop = nullptr;
    LinkRecorder* m_recorder = nullptr;
    PortMap m_ports;
    LinkTimings m_timings;
    ConnectionInfo m_connection;
    std::vector<std::string> m_messages;

    std::atomic<bool> m_connected = false;
    bool m_error = false;
    int m_lineCounter = 0;
    bool m_resentOnce = false;
    Response m_response;
    std::array<char, kReadCapacity + 1> m_readBuffer{};
    std::int64_t m_lastWriteMs = 0;
    bool m_wroteSinceOpen = false;
};

} // namespace merix
