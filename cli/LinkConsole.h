#pragma once

#include "cli/CliPrompter.h"
#include "link/ControllerOutput.h"

#include <string>
#include <vector>

namespace merix::cli {

// The Controller Output list on standard output, one line per line as it happens. A line the
// link later extends (the prompt the next echo is appended to) is printed as it grows, so
// what ends on the terminal is each final line once.
class LinkConsoleOutput : public ControllerOutput {
public:
    ~LinkConsoleOutput() override;
    LinkConsoleOutput() = default;
    LinkConsoleOutput(const LinkConsoleOutput&) = delete;
    LinkConsoleOutput& operator=(const LinkConsoleOutput&) = delete;

    bool addLine(const std::string& text) override;
    void replaceLastLine(const std::string& text) override;
    void clear() override;
    std::size_t lineCount() const override { return m_count; }
    std::string lastLine() const override { return m_last; }

    // Ends the line being printed.
    void finish();
    // The last two lines shown, for a failure that came without a message box.
    const std::vector<std::string>& recentLines() const { return m_recent; }

private:
    void print(const std::string& text);

    std::size_t m_count = 0;
    std::string m_last;
    bool m_lineOpen = false;
    std::vector<std::string> m_recent;
};

// Message boxes on standard error, counted so the exit status can tell.
class LinkConsolePrompter : public CliPrompter {
public:
    void inform(const std::string& text) override
    {
        ++m_reports;
        CliPrompter::inform(text);
    }
    int reports() const { return m_reports; }

private:
    int m_reports = 0;
};

// A connect that failed without a message box: its closing lines go to standard error.
void reportConnectFailure(const LinkConsoleOutput& output, const LinkConsolePrompter& prompter,
                          int reportsBefore);

} // namespace merix::cli
