#pragma once

#include "link/UploadProgress.h"

#include <cstdint>
#include <string>

namespace merix::cli {

// The progress of an upload as one line on standard error, redrawn in place, when standard
// error is a terminal; nothing at all otherwise, so logs and pipes get no extra text.
class ConsoleProgress final : public UploadObserver {
  public:
    ConsoleProgress();
    ~ConsoleProgress() override;
    ConsoleProgress(const ConsoleProgress&) = delete;
    ConsoleProgress& operator=(const ConsoleProgress&) = delete;

    void progress(const UploadProgress& progress) override;

    // Around other output on the same terminal, so the line never lands inside it.
    bool sharesTerminalWithOutput() const { return m_sharesTerminal; }
    void erase();
    void redraw();
    // Takes the line away for good.
    void end();

  private:
    bool m_active;
    bool m_sharesTerminal;
    bool m_shown = false;
    std::string m_text;
    std::int64_t m_lastDrawMs = 0;
};

} // namespace merix::cli
