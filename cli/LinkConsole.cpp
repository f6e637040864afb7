#include "cli/LinkConsole.h"

#include "link/LinkMessages.h"

#include <cstdio>

namespace merix::cli {

LinkConsoleOutput::~LinkConsoleOutput()
{
    finish();
}

bool LinkConsoleOutput::addLine(const std::string& text)
{
    if (m_lineOpen)
        std::fputc('\n', stdout);
    print(text);
    ++m_count;
    m_recent.push_back(text);
    if (m_recent.size() > 2)
        m_recent.erase(m_recent.begin());
    return true;
}

void LinkConsoleOutput::replaceLastLine(const std::string& text)
{
    if (m_lineOpen && text.rfind(m_last, 0) == 0) {
        std::fputs(text.c_str() + m_last.size(), stdout);
        std::fflush(stdout);
        m_last = text;
    } else {
        if (m_lineOpen)
            std::fputc('\n', stdout);
        print(text);
    }
    if (!m_recent.empty())
        m_recent.back() = text;
}

void LinkConsoleOutput::clear()
{
    m_count = 0;
    m_last.clear();
    m_recent.clear();
}

void LinkConsoleOutput::finish()
{
    if (m_lineOpen)
        std::fputc('\n', stdout);
    m_lineOpen = false;
    std::fflush(stdout);
}

void LinkConsoleOutput::print(const std::string& text)
{
    std::fputs(text.c_str(), stdout);
    std::fflush(stdout);
    m_last = text;
    m_lineOpen = true;
}

void reportConnectFailure(const LinkConsoleOutput& output, const LinkConsolePrompter& prompter,
                          int reportsBefore)
{
    if (prompter.reports() != reportsBefore)
        return; // the message box said it already
    const auto& recent = output.recentLines();
    for (std::size_t i = 0; i < recent.size(); ++i) {
        // "Unable to Connect" and the reason after it; otherwise the last line alone.
        if (i + 1 < recent.size() && recent[i] != linktext::kUnableToConnect)
            continue;
        std::fprintf(stderr, "%s\n", recent[i].c_str());
    }
}

} // namespace merix::cli
