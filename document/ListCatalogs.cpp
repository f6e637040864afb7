#include "document/CatalogFields.h"
#include "document/CatalogSections.h"
#include "document/ConfigDocument.h"

namespace merix {

namespace {

// Builds a table of one entry per line from the line's fields, a line at a time.
template <typename Entry, typename Fill>
std::vector<Entry> buildTable(CatalogEntryReader& lines, const FieldLayout& layout, Fill fill) {
    std::vector<Entry> table(lines.count());
    std::vector<std::string_view> fields;
    for (Entry& entry : table) {
        cutFieldViews(lines.next(), layout, fields);
        fill(entry, fields);
    }
    return table;
}

using Fields = std::vector<std::string_view>;

} // namespace

void buildTimers(ConfigDocument& doc, CatalogEntryReader& lines) {
    doc.timers = buildTable<TimerEntry>(lines, timersLayout(), [](TimerEntry& e, const Fields& f) {
        e.key = f[TimerFields::Key];
        e.timerNumber = f[TimerFields::Number];
        e.length = static_cast<u16>(
            readInt(f[TimerFields::DefaultLength])); // wraps like the 16-bit field it is
    });
}

void buildMessages(ConfigDocument& doc, CatalogEntryReader& lines) {
    doc.messages =
        buildTable<MessageEntry>(lines, messagesLayout(), [](MessageEntry& e, const Fields& f) {
            e.key = f[MessageFields::Key];
            e.macroNumber = f[MessageFields::MacroNumber];
            e.messageType = f[MessageFields::MessageType];
            e.interruptAction = f[MessageFields::InterruptAction];
            e.cwIdCommand = f[MessageFields::CwIdCommand];
            e.text = f[MessageFields::Text];
        });
}

void buildDvrTracks(ConfigDocument& doc, CatalogEntryReader& lines) {
    doc.dvrTracks = buildTable<DvrTrack>(lines, dvrLayout(), [](DvrTrack& e, const Fields& f) {
        e.trackName = f[DvrFields::TrackName];
        e.description = f[DvrFields::Description];
    });
}

void buildUsers(ConfigDocument& doc, CatalogEntryReader& lines) {
    const UserDefaults& d = doc.userDefaults;
    doc.users = buildTable<UserEntry>(lines, usersLayout(), [&d](UserEntry& e, const Fields& f) {
        e.key = f[UserFields::Key];
        e.description = f[UserFields::Description];
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

void buildIoPoints(ConfigDocument& doc, CatalogEntryReader& lines) {
    doc.ioPoints = buildTable<IoPoint>(lines, ioLayout(), [](IoPoint& e, const Fields& f) {
        e.key = f[IoFields::Key];
        e.ioNumber = readInt(f[IoFields::IoNumber]);
        e.analogInputNumber = readInt(f[IoFields::AnalogInputNumber]);
        e.resolution = f[IoFields::Resolution];
        e.decimals = readInt(f[IoFields::Decimals]);
        e.rangeLow = static_cast<i16>(readInt(f[IoFields::RangeLow]));
        e.rangeHigh = static_cast<i16>(readInt(f[IoFields::RangeHigh]));
        e.description = f[IoFields::Description];
    });
}

void buildCommands(ConfigDocument& doc, CatalogEntryReader& lines) {
    doc.commands =
        buildTable<CommandEntry>(lines, commandsLayout(), [](CommandEntry& e, const Fields& f) {
            e.key = f[CommandFields::Key];
            e.name = f[CommandFields::Name];
            e.clearanceLevel = readInt(f[CommandFields::ClearanceLevel]);
        });
}

void buildMacros(ConfigDocument& doc, CatalogEntryReader& lines) {
    doc.macros = buildTable<MacroEntry>(
        lines, macrosLayout(), [](MacroEntry& e, const Fields& f) { e.key = f[MacroFields::Key]; });
}

void buildEvents(ConfigDocument& doc, CatalogEntryReader& lines) {
    doc.events =
        buildTable<ScheduleEvent>(lines, scheduleLayout(), [](ScheduleEvent& e, const Fields& f) {
            e.key = f[ScheduleFields::Key];
        });
}

void buildBeeps(ConfigDocument& doc, CatalogEntryReader& lines) {
    doc.beeps = buildTable<CourtesyBeep>(lines, beepLayout(), [](CourtesyBeep& e, const Fields& f) {
        using B = BeepFields;
        e.key = f[B::Key];
        e.commandNumber = f[B::CommandNumber];
        for (std::size_t n = 0; n < kChordCount; ++n) {
            e.chordLength[n] = readInt(f[B::chord(n, B::Length)]);
            e.chordFreq1[n] = readInt(f[B::chord(n, B::Freq1)]);
            e.chordFreq2[n] = readInt(f[B::chord(n, B::Freq2)]);
            e.chordPause[n] = readInt(f[B::chord(n, B::Pause)]);
        }
    });
}

} // namespace merix
