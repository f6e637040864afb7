#include "cli/LinkConsole.h"

#include "cli/ConsoleProgress.h"
#include "link/LinkMessages.h"

#include <cstdio>

namespace merix::cli {

LinkConsoleOutput::~LinkConsoleOutput() {
    finish();
}

bool LinkConsoleOutput::addLine(const std::string& text) {
    finish();
    m_last = text;
    m_lineOpen = true;
    ++m_count;
    m_recent.push_back(text);
    if (m_recent.size() > 2)
        m_recent.erase(m_recent.begin());
    return true;
}

void LinkConsoleOutput::replaceLastLine(const std::string& text) {
    if (!m_lineOpen) {
        addLine(text);
        return;
    }
    m_last = text;
    if (!m_recent.empty())
        m_recent.back() = text;
}

void LinkConsoleOutput::clear() {
    finish();
    m_count = 0;
    m_last.clear();
    m_recent.clear();
}

void LinkConsoleOutput::finish() {
    if (!m_lineOpen)
        return;
    m_lineOpen = false;
    print(m_last);
}

void LinkConsoleOutput::print(const std::string& text) {
    const bool aroundProgress = m_progress && m_progress->sharesTerminalWithOutput();
    if (aroundProgress)
        m_progress->erase();
    std::fputs(text.c_str(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
    if (aroundProgress)
        m_progress->redraw();
}

void printMessages(const std::vector<std::string>& messages) {
    for (const std::string& m : messages)
        std::fprintf(stderr, "%s\n", m.c_str());
}

void reportConnectFailure(const LinkConsoleOutput& output,
                          const std::vector<std::string>& messages) {
    if (!messages.empty()) {
        printMessages(messages);
        return;
    }
    const auto& recent = output.recentLines();
    for (std::size_t i = 0; i < recent.size(); ++i) {
        // "Unable to Connect" and the reason after it; otherwise the last line alone.
        if (i + 1 < recent.size() && recent[i] != linktext::kUnableToConnect)
            continue;
        std::fprintf(stderr, "%s\n", recent[i].c_str());
    }
}

} // namespace merix::cli
