#pragma once

#include "cli/CliPrompter.h"
#include "link/ControllerOutput.h"

#include <string>
#include <vector>

namespace merix::cli {

class ConsoleProgress;

// The Controller Output list on standard output, a line as soon as it is complete. The link
// extends the last line (the prompt the next echo is appended to), so each line goes out
// when the next one begins, when the list is cleared, or at the end: what ends on the
// terminal is each final line once, and a progress line on the same terminal can stay
// below it.
class LinkConsoleOutput : public ControllerOutput {
  public:
    ~LinkConsoleOutput() override;
    LinkConsoleOutput() = default;
    LinkConsoleOutput(const LinkConsoleOutput&) = delete;
    LinkConsoleOutput& operator=(const LinkConsoleOutput&) = delete;

    void setProgress(ConsoleProgress* progress) { m_progress = progress; }

    bool addLine(const std::string& text) override;
    void replaceLastLine(const std::string& text) override;
    void clear() override;
    std::size_t lineCount() const override { return m_count; }
    std::string lastLine() const override { return m_last; }

    // Prints the line still open.
    void finish();
    // The last two lines shown, for a failure that came without a message.
    const std::vector<std::string>& recentLines() const { return m_recent; }

  private:
    void print(const std::string& text);

    ConsoleProgress* m_progress = nullptr;
    std::size_t m_count = 0;
    std::string m_last;
    bool m_lineOpen = false;
    std::vector<std::string> m_recent;
};

// Message boxes on standard error, counted so the exit status can tell.
class LinkConsolePrompter : public CliPrompter {
  public:
    void inform(const std::string& text) override {
        ++m_reports;
        CliPrompter::inform(text);
    }
    int reports() const { return m_reports; }

  private:
    int m_reports = 0;
};

// What the link had to tell (once message boxes), on standard error.
void printMessages(const std::vector<std::string>& messages);

// A connect that failed: its messages, or when it had none its closing lines, on standard
// error.
void reportConnectFailure(const LinkConsoleOutput& output,
                          const std::vector<std::string>& messages);

} // namespace merix::cli
