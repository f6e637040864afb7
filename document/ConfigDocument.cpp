#include "document/ConfigDocument.h"

#include <algorithm>

namespace merix {

namespace {

template <typename Entry, typename Field>
Entry* findFirst(std::vector<Entry>& table, std::string_view key, Field field)
{
    auto it = std::find_if(table.begin(), table.end(),
                           [&](const Entry& e) { return (e.*field).view() == key; });
    return it == table.end() ? nullptr : &*it;
}

bool startsWithAnalog(std::string_view key)
{
    constexpr std::string_view prefix = "analog";
    if (key.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = key[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i])
            return false;
    }
    return true;
}

} // namespace

bool IoPoint::isAnalog() const { return startsWithAnalog(key.view()); }

TimerEntry* ConfigDocument::findTimer(std::string_view k) { return findFirst(timers, k, &TimerEntry::key); }
MessageEntry* ConfigDocument::findMessage(std::string_view k) { return findFirst(messages, k, &MessageEntry::key); }
DvrTrack* ConfigDocument::findDvrTrack(std::string_view k) { return findFirst(dvrTracks, k, &DvrTrack::trackName); }
UserEntry* ConfigDocument::findUser(std::string_view k) { return findFirst(users, k, &UserEntry::key); }
IoPoint* ConfigDocument::findIoPoint(std::string_view k) { return findFirst(ioPoints, k, &IoPoint::key); }
CommandEntry* ConfigDocument::findCommand(std::string_view k) { return findFirst(commands, k, &CommandEntry::key); }
MacroEntry* ConfigDocument::findMacro(std::string_view k) { return findFirst(macros, k, &MacroEntry::key); }
ScheduleEvent* ConfigDocument::findEvent(std::string_view k) { return findFirst(events, k, &ScheduleEvent::key); }
CourtesyBeep* ConfigDocument::findBeep(std::string_view k) { return findFirst(beeps, k, &CourtesyBeep::key); }

// Kept whole: a cut folder name would make every catalog look missing.
void ConfigDocument::setStartupDirectory(std::string dir) { m_startupDirectory = std::move(dir); }

std::string ConfigDocument::catalogPath(std::string_view fileName) const
{
    std::string path = m_startupDirectory;
    if (!path.empty() && path.back() != '/')
        path += '/';
    path += fileName;
    return path;
}

} // namespace merix
