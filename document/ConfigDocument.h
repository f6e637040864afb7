#pragma once

#include "document/Records.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace merix {

// The ten editing screens that keep a refresh flag in the store.
enum class ScreenId {
    Timers,
    Messages,
    Users,
    InputsOutputs,
    Commands,
    Macros,
    Scheduler,
    CourtesyBeeps,
    Tones,
    MiscSetup,
};
inline constexpr int kScreenCount = 10;

// The one configuration store. Tables are sized and ordered by the catalogs;
// editing changes values in place, only loading the catalogs rebuilds a table.
class ConfigDocument {
public:
    std::vector<TimerEntry> timers;
    std::vector<MessageEntry> messages;
    std::vector<DvrTrack> dvrTracks;
    std::vector<UserEntry> users;
    std::vector<IoPoint> ioPoints;
    std::vector<CommandEntry> commands;
    std::vector<MacroEntry> macros;
    std::vector<ScheduleEvent> events;
    std::vector<CourtesyBeep> beeps;
    ToneSettings tones;
    std::array<PortSetup, kPortCount> ports;
    UserDefaults userDefaults;

    // Lookup by key: exact, case-sensitive, whole key; the first in catalog order wins.
    TimerEntry* findTimer(std::string_view key);
    MessageEntry* findMessage(std::string_view key);
    DvrTrack* findDvrTrack(std::string_view trackName);
    UserEntry* findUser(std::string_view key);
    IoPoint* findIoPoint(std::string_view key);
    CommandEntry* findCommand(std::string_view key);
    MacroEntry* findMacro(std::string_view key);
    ScheduleEvent* findEvent(std::string_view key);
    CourtesyBeep* findBeep(std::string_view key);

    // Document state.
    const std::string& startupDirectory() const { return m_startupDirectory; }
    void setStartupDirectory(std::string dir);
    const std::string& documentPath() const { return m_documentPath; }
    void setDocumentPath(std::string path) { m_documentPath = std::move(path); }
    double documentVersion() const { return m_documentVersion; }
    void setDocumentVersion(double v) { m_documentVersion = v; }
    bool isDocumentOpen() const { return m_documentOpen; }
    void setDocumentOpen(bool open) { m_documentOpen = open; }
    bool subScreenGuard() const { return m_subScreenGuard; }
    void setSubScreenGuard(bool free) { m_subScreenGuard = free; }

    void setAllRefreshFlags() { m_refresh.fill(true); }
    bool refreshFlag(ScreenId s) const { return m_refresh[static_cast<int>(s)]; }
    void clearRefreshFlag(ScreenId s) { m_refresh[static_cast<int>(s)] = false; }

    // The startup directory joined with a catalog's file name.
    std::string catalogPath(std::string_view fileName) const;

private:
    std::string m_startupDirectory;
    std::string m_documentPath;
    double m_documentVersion = 1.5;
    bool m_documentOpen = false;
    bool m_subScreenGuard = true;
    std::array<bool, kScreenCount> m_refresh{};
};

} // namespace merix
