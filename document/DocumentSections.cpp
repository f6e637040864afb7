#include "document/DocumentSections.h"

#include "document/ConfigDocument.h"
#include "document/DocumentInput.h"
#include "document/FieldReader.h"
#include "document/KeyIndex.h"

#include <algorithm>

namespace merix {

namespace {

// Runs apply on each of count entry lines; false when the file ended first.
template <typename Apply> bool eachEntry(DocumentInput& in, int count, Apply apply) {
    for (int i = 0; i < count; ++i) {
        const auto line = in.entryLine();
        if (!line)
            return false;
        apply(std::string_view(*line));
    }
    return true;
}

// A comment of one blank stands for "no comment" and leaves the stored one alone.
void readComment(FieldReader& r, std::optional<std::string>& comment) {
    if (auto f = r.next(':'); f && *f != " ")
        comment = std::string(*f);
}

} // namespace

void readTimerSection(ConfigDocument& doc, DocumentInput& in, int count) {
    KeyIndex<TimerEntry> index(doc.timers, &TimerEntry::key);
    eachEntry(in, count, [&](std::string_view line) {
        const KeyedLine k = splitKey(line, '=');
        if (TimerEntry* e = index.find(k.key))
            FieldReader(k.fields).number(':', e->length);
    });
}

void readMessageSection(ConfigDocument& doc, DocumentInput& in, int count,
                        const DocumentFeatures& f) {
    KeyIndex<MessageEntry> index(doc.messages, &MessageEntry::key);
    eachEntry(in, count, [&](std::string_view line) {
        const KeyedLine k = splitKey(line, ':');
        MessageEntry* e = index.find(unblank(k.key));
        if (!e)
            return;
        FieldReader r(k.fields);
        r.blankText(':', e->macroNumber).blankText('=', e->messageType).blankText(':', e->text);
        if (f.interruptCommand)
            r.blankText(':', e->interruptCommand);
        if (f.messageActions)
            r.blankText(':', e->interruptAction).blankText(':', e->cwIdCommand);
    });
}

void readDvrSection(ConfigDocument& doc, DocumentInput& in, int count) {
    KeyIndex<DvrTrack> index(doc.dvrTracks, &DvrTrack::trackName);
    eachEntry(in, count, [&](std::string_view line) {
        const KeyedLine k = splitKey(line, ',');
        if (DvrTrack* e = index.find(k.key); e && k.separated)
            e->description = k.fields; // commas and all
    });
}

void readUserSection(ConfigDocument& doc, DocumentInput& in, int count, const DocumentFeatures& f) {
    KeyIndex<UserEntry> index(doc.users, &UserEntry::key);
    const int subLines = f.descriptions ? 3 : 2;
    for (int i = 0; i < count; ++i) {
        const auto line = in.entryLine();
        if (!line)
            return;
        const KeyedLine k = splitKey(*line, '=');
        UserEntry scratch; // the further lines of an unknown user are still consumed
        UserEntry* e = index.find(k.key);
        UserEntry& u = e ? *e : scratch;
        FieldReader(k.fields)
            .blankText(':', u.name)
            .blankText(':', u.callSign)
            .number(':', u.enabled)
            .blankText(':', u.password)
            .number(':', u.passwordMode)
            .number(':', u.challengeDigits)
            .number(':', u.clearanceLevel);
        for (int s = 0; s < subLines; ++s) {
            const auto sub = in.entryLine();
            if (!sub)
                return;
            FieldReader r(splitKey(*sub, '=').fields);
            if (s == 0)
                r.blankText(':', u.autodialNumber)
                    .number(':', u.sendPredialDigits)
                    .blankText(':', u.autodialReadbackType)
                    .blankText(':', u.normalReadbackType)
                    .blankText(':', u.patchPrivacyType)
                    .number(':', u.patchTimeOutTimer)
                    .blankText(':', u.autopatchDownCode);
            else if (s == 1)
                r.blankText(':', u.pagerType).number(':', u.pagerPort1).number(':', u.pagerPort2);
            else
                r.blankText(':', u.description);
        }
    }
}

void readIoSection(ConfigDocument& doc, DocumentInput& in, int count, const DocumentFeatures& f) {
    KeyIndex<IoPoint> index(doc.ioPoints, &IoPoint::key);
    eachEntry(in, count, [&](std::string_view line) {
        const KeyedLine k = splitKey(line, '=');
        IoPoint* e = index.find(k.key);
        if (!e)
            return;
        FieldReader r(k.fields);
        r.number(':', e->decimals)
            .number(':', e->rangeLow)
            .number(':', e->rangeHigh)
            .blankText(':', e->resolution);
        if (f.descriptions)
            r.blankText(':', e->description);
    });
}

void readCommandSection(ConfigDocument& doc, DocumentInput& in, int count) {
    KeyIndex<CommandEntry> index(doc.commands, &CommandEntry::key);
    eachEntry(in, count, [&](std::string_view line) {
        const KeyedLine k = splitKey(line, '=');
        CommandEntry* e = index.find(k.key);
        if (!e)
            return;
        FieldReader r(k.fields);
        r.blankText(':', e->name).number(':', e->clearanceLevel);
        for (int& flag : e->portEnabled)
            r.number(':', flag);
    });
}

void readMacroSection(ConfigDocument& doc, DocumentInput& in, int count) {
    KeyIndex<MacroEntry> index(doc.macros, &MacroEntry::key);
    eachEntry(in, count, [&](std::string_view line) {
        const KeyedLine k = splitKey(line, '=');
        MacroEntry* e = index.find(k.key);
        if (!e)
            return;
        FieldReader r(k.fields);
        readComment(r, e->comment);
        const auto lineCount = r.next(':');
        if (!lineCount)
            return;
        // The lines come from the rest of this line, each a character and a comma at least
        // but the last: never more than that, whatever the count says.
        const std::size_t most = r.rest().value_or(std::string_view()).size() / 2 + 1;
        const int declared = readInt(*lineCount);
        std::vector<MacroLine> lines;
        lines.reserve(std::min(most, static_cast<std::size_t>(std::max(declared, 0))));
        for (int n = declared; n > 0; --n) {
            const auto number = r.next(',');
            if (!number)
                break;
            MacroLine& m = lines.emplace_back();
            m.commandNumber = unblank(*number);
            r.blankText(':', m.parameters);
        }
        if (lines.capacity() > lines.size()) // a count larger than the lines written
            lines.shrink_to_fit();
        e->lines = std::move(lines);
    });
}

void readEventSection(ConfigDocument& doc, DocumentInput& in, int count) {
    KeyIndex<ScheduleEvent> index(doc.events, &ScheduleEvent::key);
    eachEntry(in, count, [&](std::string_view line) {
        const KeyedLine k = splitKey(line, '=');
        ScheduleEvent* e = index.find(unblank(k.key));
        if (!e)
            return;
        FieldReader r(k.fields);
        readComment(r, e->comment);
        r.blankText(':', e->commandNumber)
            .blankText(':', e->monthName)
            .blankText(':', e->dayName)
            .number(':', e->period)
            .number(':', e->minutes)
            .number(':', e->hour)
            .number(':', e->dayOfMonth)
            .number(':', e->amPm);
    });
}

void readBeepSection(ConfigDocument& doc, DocumentInput& in, int count, const DocumentFeatures& f) {
    KeyIndex<CourtesyBeep> index(doc.beeps, &CourtesyBeep::key);
    eachEntry(in, count, [&](std::string_view line) {
        const KeyedLine k = splitKey(line, '=');
        CourtesyBeep* e = index.find(unblank(k.key));
        if (!e)
            return;
        FieldReader r(k.fields);
        r.blankText(':', e->defaultBeepName);
        if (f.beepCommandNumber)
            r.blankText(':', e->commandNumber);
        for (int n = 0; n < kChordCount; ++n)
            r.number(',', e->chordLength[n])
                .number(',', e->chordFreq1[n])
                .number(',', e->chordFreq2[n])
                .number(':', e->chordPause[n]);
    });
}

} // namespace merix
