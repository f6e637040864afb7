#pragma once

namespace merix {
class StopRequest;
}

namespace merix::cli {

// SIGINT and SIGTERM while an upload runs: the first asks it to stop after the line in
// flight, so the controller never sees half a line and a modem is hung up, and ends a
// connect at once; a second ends the program at once, dropping what is queued for the port
// so that closing it cannot wait. One at a time per process; the handlers are put back when
// it goes.
class StopSignals {
  public:
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    StopRequest& request() const;
    // The first signal that came, or 0.
    int signal() const;
    // 128 + the signal (130 for SIGINT, 143 for SIGTERM), or 0 when none came.
    int exitStatus() const;
};

} // namespace merix::cli
