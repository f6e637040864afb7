#include "document/CatalogFields.h"
#include "document/CatalogSections.h"
#include "document/ConfigDocument.h"

namespace merix {

namespace {

// Builds a table of one entry per line from the line's fields.
template <typename Entry, typename Fill>
std::vector<Entry> buildTable(const std::vector<std::string>& lines, const FieldLayout& layout,
                              Fill fill)
{
    std::vector<Entry> table(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        fill(table[i], cutFields(lines[i], layout));
    return table;
}

using Fields = std::vector<std::string>;

} // namespace

void buildTimers(ConfigDocument& doc, const std::vector<std::string>& lines)
{
    doc.timers = buildTable<TimerEntry>(lines, timersLayout(), [](TimerEntry& e, const Fields& f) {
        e.key = f[0];
        e.timerNumber = f[2];
        e.length = static_cast<u16>(readInt(f[3])); // wraps like the 16-bit field it is
    });
}

void buildMessages(ConfigDocument& doc, const std::vector<std::string>& lines)
{
    doc.messages = buildTable<MessageEntry>(lines, messagesLayout(), [](MessageEntry& e, const Fields& f) {
        e.key = f[0];
        e.macroNumber = f[2];
        e.messageType = f[3];
        e.interruptAction = f[4];
        e.cwIdCommand = f[5];
        e.text = f[6];
    });
}

void buildDvrTracks(ConfigDocument& doc, const std::vector<std::string>& lines)
{
    doc.dvrTracks = buildTable<DvrTrack>(lines, dvrLayout(), [](DvrTrack& e, const Fields& f) {
        e.trackName = f[0];
        e.description = f[1];
    });
}

void buildUsers(ConfigDocument& doc, const std::vector<std::string>& lines)
{
    const UserDefaults& d = doc.userDefaults;
    doc.users = buildTable<UserEntry>(lines, usersLayout(), [&d](UserEntry& e, const Fields& f) {
        e.key = f[0];
        e.description = f[2];
        e.clearanceLevel = d.clearanceLevel;
        e.passwordMode = d.passwordMode;
        e.challengeDigits = d.challengeDigits;
        e.sendPredialDigits = d.sendPredialDigits;
        e.patchTimeOutTimer = d.patchTimeOutTimer;
        e.autopatchDownCode = d.autopatchDownCode.str();
        e.autodialReadbackType = d.autodialReadbackType.str();
        e.normalReadbackType = d.normalReadbackType.str();
        e.patchPrivacyType = d.patchPrivacyType.str();
    });
}

void buildIoPoints(ConfigDocument& doc, const std::vector<std::string>& lines)
{
    doc.ioPoints = buildTable<IoPoint>(lines, ioLayout(), [](IoPoint& e, const Fields& f) {
        e.key = f[0];
        e.ioNumber = readInt(f[2]);
        e.analogInputNumber = readInt(f[3]);
        e.resolution = f[4];
        e.decimals = readInt(f[5]);
        e.rangeLow = static_cast<i16>(readInt(f[6]));
        e.rangeHigh = static_cast<i16>(readInt(f[7]));
        e.description = f[8];
    });
}

void buildCommands(ConfigDocument& doc, const std::vector<std::string>& lines)
{
    doc.commands = buildTable<CommandEntry>(lines, commandsLayout(), [](CommandEntry& e, const Fields& f) {
        e.key = f[0];
        e.name = f[2];
        e.clearanceLevel = readInt(f[3]);
    });
}

void buildMacros(ConfigDocument& doc, const std::vector<std::string>& lines)
{
    doc.macros = buildTable<MacroEntry>(lines, macrosLayout(),
                                        [](MacroEntry& e, const Fields& f) { e.key = f[0]; });
}

void buildEvents(ConfigDocument& doc, const std::vector<std::string>& lines)
{
    doc.events = buildTable<ScheduleEvent>(lines, scheduleLayout(),
                                           [](ScheduleEvent& e, const Fields& f) { e.key = f[0]; });
}

void buildBeeps(ConfigDocument& doc, const std::vector<std::string>& lines)
{
    doc.beeps = buildTable<CourtesyBeep>(lines, beepLayout(), [](CourtesyBeep& e, const Fields& f) {
        e.key = f[0];
        e.commandNumber = f[2];
        for (int n = 0; n < kChordCount; ++n) {
            const std::size_t base = 3 + 4 * static_cast<std::size_t>(n);
            e.chordLength[n] = readInt(f[base]);
            e.chordFreq1[n] = readInt(f[base + 1]);
            e.chordFreq2[n] = readInt(f[base + 2]);
            e.chordPause[n] = readInt(f[base + 3]);
        }
    });
}

} // namespace merix
