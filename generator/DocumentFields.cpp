#include "generator/DocumentFields.h"

#include "document/ConfigDocument.h"
#include "generator/CatalogLabels.h"
#include "generator/Formatting.h"
#include "generator/SectionNames.h"
#include "generator/ValueWords.h"

namespace merix {

namespace {

// Fields added one after the other to an entry.
class Fields {
  public:
    explicit Fields(std::string label) { m_entry.label = std::move(label); }

    Fields& add(std::string name, std::string value, FieldUse use = FieldUse::Both) {
        m_entry.fields.push_back({std::move(name), std::move(value), use, false});
        return *this;
    }
    Fields& compare(std::string name, std::string value) {
        return add(std::move(name), std::move(value), FieldUse::Compare);
    }
    Fields& report(std::string name, std::string value) {
        return add(std::move(name), std::move(value), FieldUse::Report);
    }
    Fields& secret(std::string name, std::string value) {
        add(std::move(name), std::move(value));
        m_entry.fields.back().secret = true;
        return *this;
    }
    EntryFields done() { return std::move(m_entry); }

  private:
    EntryFields m_entry;
};

std::string num(int value) {
    return std::to_string(value);
}
std::string hertz(int value) {
    return num(value) + " Hz";
}
std::string millis(int value) {
    return num(value) + " ms";
}

EntryFields timer(const ConfigDocument& doc, std::size_t i, const CatalogLabels& l) {
    const TimerEntry& t = doc.timers[i];
    const TimerLimits limits = i < l.timerLimits.size() ? l.timerLimits[i] : TimerLimits{};
    const std::string unit = limits.unit.empty() ? "" : ' ' + limits.unit;
    return Fields(CatalogLabels::pick(l.timers, i, t.key.view()))
        .compare("Length", num(t.length))
        .report("Length", num(t.length) + unit)
        .report("Limits", "0 to " + limits.maximum + ", default " + limits.defaultLength)
        .done();
}

// What a polite voice message does when someone keys over it; empty for other messages.
std::string interruption(const MessageEntry& m, const CatalogLabels& l) {
    if (!equalsIgnoringCase(m.messageType.view(), "PoliteVoice"))
        return {};
    if (equalsIgnoringCase(m.interruptAction.view(), "NOCOMMAND"))
        return "nothing";
    const bool cwId = equalsIgnoringCase(m.interruptAction.view(), "CW_ID");
    const std::string_view command = cwId ? m.cwIdCommand.view() : m.interruptCommand.view();
    return command.empty() ? "no command given" : "runs " + commandWords(command, "", l);
}

EntryFields message(const ConfigDocument& doc, std::size_t i, const CatalogLabels& l) {
    const MessageEntry& m = doc.messages[i];
    return Fields(CatalogLabels::pick(l.messages, i, m.key.view()))
        .add("Macro", m.macroNumber.str())
        .add("Type", m.messageType.str())
        .add("Text", m.text)
        .report("If interrupted", interruption(m, l))
        .compare("Interrupt action", m.interruptAction.str())
        .compare("Interrupt command", m.interruptCommand.str())
        .compare("CW ID command", m.cwIdCommand.str())
        .done();
}

EntryFields dvrTrack(const ConfigDocument& doc, std::size_t i, const CatalogLabels&) {
    const DvrTrack& t = doc.dvrTracks[i];
    return Fields(t.trackName.str()).add("Description", t.description).done();
}

EntryFields user(const ConfigDocument& doc, std::size_t i, const CatalogLabels& l) {
    const UserEntry& u = doc.users[i];
    return Fields(CatalogLabels::pick(l.users, i, u.key.view()))
        .add("Name", u.name)
        .add("Call sign", u.callSign)
        .add("Enabled", yesNo(u.enabled))
        .add("Clearance", num(u.clearanceLevel))
        .secret("Password", u.password)
        .report("Password mode", passwordModeWords(u.passwordMode, u.challengeDigits))
        .compare("Password mode", u.passwordMode == 1 ? "challenge" : "whole password")
        .compare("Challenge digits", num(u.challengeDigits))
        .add("Autodial number", u.autodialNumber)
        .add("Send predial digits", onOff(u.sendPredialDigits))
        .add("Autodial readback", u.autodialReadbackType)
        .add("Normal readback", u.normalReadbackType)
        .add("Patch privacy", u.patchPrivacyType)
        .add("Patch time-out timer", onOff(u.patchTimeOutTimer))
        .add("Autopatch down code", u.autopatchDownCode)
        .add("Pager type", u.pagerType)
        .add("Pager port 1", onOff(u.pagerPort1))
        .add("Pager port 2", onOff(u.pagerPort2))
        .add("Description", u.description)
        .done();
}

EntryFields ioPoint(const ConfigDocument& doc, std::size_t i, const CatalogLabels& l) {
    const IoPoint& p = doc.ioPoints[i];
    return Fields(CatalogLabels::pick(l.ioPoints, i, p.key.view()))
        .report("Kind", p.isAnalog() ? "analog" : "digital")
        .add("Resolution", p.resolution)
        .add("Decimals", num(p.decimals))
        .add("Range low", num(p.rangeLow))
        .add("Range high", num(p.rangeHigh))
        .add("Description", p.description)
        .done();
}

EntryFields command(const ConfigDocument& doc, std::size_t i, const CatalogLabels& l) {
    const CommandEntry& c = doc.commands[i];
    Fields f(CatalogLabels::pick(l.commands, i, c.key.view()));
    f.report("Number", c.commandNumber())
        .add("Name", c.name.str())
        .add("Clearance", num(c.clearanceLevel));
    f.report("Ports", portList(c.portEnabled));
    for (int p = 0; p < kPortCount; ++p)
        f.compare("Port " + num(p + 1), c.portEnabled[p] != 0 ? "allowed" : "blocked");
    return f.done();
}

EntryFields macro(const ConfigDocument& doc, std::size_t i, const CatalogLabels& l) {
    const MacroEntry& m = doc.macros[i];
    Fields f(CatalogLabels::pick(l.macros, i, m.key.view()));
    f.add("Comment", m.comment.value_or(""));
    for (std::size_t n = 0; n < m.lines.size(); ++n)
        f.add("Line " + std::to_string(n + 1),
              commandWords(m.lines[n].commandNumber, m.lines[n].parameters, l));
    return f.done();
}

EntryFields event(const ConfigDocument& doc, std::size_t i, const CatalogLabels& l) {
    static constexpr std::array<const char*, 5> periods = {"hour", "day", "week", "month", "year"};
    const ScheduleEvent& e = doc.events[i];
    const std::string period =
        e.period >= 0 && e.period < 5 ? periods[static_cast<std::size_t>(e.period)] : num(e.period);
    return Fields(CatalogLabels::pick(l.events, i, e.key.view()))
        .add("Comment", e.comment.value_or(""))
        .add("Command", e.commandNumber.empty() ? "" : commandWords(e.commandNumber.view(), "", l))
        .report("When", scheduleWords(e))
        .compare("Occurs once per", period)
        .compare("Month", e.monthName.str())
        .compare("Day", e.dayName.str())
        .compare("Day of month", num(e.dayOfMonth))
        .compare("Hour", num(e.hour))
        .compare("Minutes", num(e.minutes))
        .compare("AM/PM", e.amPm != 0 ? "PM" : "AM")
        .done();
}

EntryFields beep(const ConfigDocument& doc, std::size_t i, const CatalogLabels& l) {
    const CourtesyBeep& b = doc.beeps[i];
    Fields f(CatalogLabels::pick(l.beeps, i, b.key.view()));
    f.add("Macro", b.commandNumber.str());
    std::string sounding;
    for (int c = 0; c < kChordCount; ++c) {
        const std::string chord =
            toneWords(b.chordLength[c], b.chordPause[c], b.chordFreq1[c], b.chordFreq2[c]);
        f.compare("Chord " + num(c + 1), chord);
        if (b.chordLength[c] != 0)
            sounding += (sounding.empty() ? "" : "; ") + chord;
    }
    f.report("Chords", sounding.empty() ? "silent" : sounding);
    return f.add("Default beep", b.defaultBeepName.str()).done();
}

EntryFields tones(const ConfigDocument& doc, std::size_t i) {
    const ToneSettings& t = doc.tones;
    if (i < kPortCount)
        return Fields("Port " + num(static_cast<int>(i) + 1))
            .add("CW speed", num(t.cwSpeed[i]) + " wpm")
            .add("CW frequency 1", hertz(t.cwFreq1[i]))
            .add("CW frequency 2", hertz(t.cwFreq2[i]))
            .add("DTMF tone length", millis(t.dtmfToneLength[i]))
            .add("DTMF tone delay", millis(t.dtmfToneDelay[i]))
            .add("Preaccess frequency 1", hertz(t.preaccessFreq1[i]))
            .add("Preaccess frequency 2", hertz(t.preaccessFreq2[i]))
            .done();
    if (i == kPortCount)
        return Fields("DTMF Cover Tone")
            .report("Macro", num(t.coverToneMacro))
            .add("Duration", millis(t.coverToneDuration))
            .add("Delay", millis(t.coverToneDelay))
            .add("Frequency 1", hertz(t.coverToneFreq1))
            .add("Frequency 2", hertz(t.coverToneFreq2))
            .done();
    return Fields("Reverse Patch Ring")
        .add("Duration", millis(t.reversePatchRingDuration))
        .add("Delay", millis(t.reversePatchRingDelay))
        .add("Frequency 1", hertz(t.reversePatchRingFreq1))
        .add("Frequency 2", hertz(t.reversePatchRingFreq2))
        .done();
}

EntryFields port(const ConfigDocument& doc, std::size_t i) {
    const PortSetup& s = doc.ports[i];
    auto polarity = [](int v) { return std::string(v != 0 ? "active high" : "active low"); };
    return Fields("Port " + num(static_cast<int>(i) + 1))
        .report("Description", s.portDescription)
        .add("DTMF mute", onOff(s.DTMFMute))
        .add("Cover tone", onOff(s.CoverTone))
        .add("Bypass", onOff(s.Bypass))
        .add("COR polarity", polarity(s.CORPolarity))
        .add("PL polarity", polarity(s.PLPolarity))
        .add("Password system", onOff(s.PasswordSystem))
        .add("Access mode", s.AccessMode.str())
        .add("Preaccess", preaccessWords(s.Preaccess))
        .add("Dial tone", onOff(s.DialTone))
        .add("Access code", s.AccessCode.str())
        .add("IDs", onOff(s.IDOnOff))
        .add("ID order", s.IDRandRotating != 0 ? "random" : "rotating")
        .add("Command chaining", onOff(s.Chaining))
        .add("Timed execution", onOff(s.TimedExecution))
        .add("Force execution digit", s.ForceExecutionDigit.str())
        .done();
}

} // namespace

std::string_view sectionName(Section s) {
    switch (s) {
    case Section::Timers:
        return kTimersSection;
    case Section::Messages:
        return kMessagesSection;
    case Section::DvrTracks:
        return kDvrSection;
    case Section::Users:
        return kUsersSection;
    case Section::InputsOutputs:
        return kInputsOutputsSection;
    case Section::Commands:
        return kCommandsSection;
    case Section::Macros:
        return kMacrosSection;
    case Section::Scheduler:
        return kSchedulerSection;
    case Section::CourtesyBeeps:
        return kBeepsSection;
    case Section::Tones:
        return kTonesSection;
    case Section::MiscSetup:
        break;
    }
    return kMiscSetupSection;
}

std::size_t entryCount(const ConfigDocument& doc, Section s) {
    switch (s) {
    case Section::Timers:
        return doc.timers.size();
    case Section::Messages:
        return doc.messages.size();
    case Section::DvrTracks:
        return doc.dvrTracks.size();
    case Section::Users:
        return doc.users.size();
    case Section::InputsOutputs:
        return doc.ioPoints.size();
    case Section::Commands:
        return doc.commands.size();
    case Section::Macros:
        return doc.macros.size();
    case Section::Scheduler:
        return doc.events.size();
    case Section::CourtesyBeeps:
        return doc.beeps.size();
    case Section::Tones:
        return kPortCount + 2;
    case Section::MiscSetup:
        break;
    }
    return kPortCount;
}

EntryFields describeEntry(const ConfigDocument& doc, Section s, std::size_t i,
                          const CatalogLabels& labels) {
    using Describe = EntryFields (*)(const ConfigDocument&, std::size_t, const CatalogLabels&);
    static constexpr std::array<Describe, 9> lists = {timer,   message, dvrTrack, user, ioPoint,
                                                      command, macro,   event,    beep};
    if (s == Section::Tones)
        return tones(doc, i);
    if (s == Section::MiscSetup)
        return port(doc, i);
    return lists[static_cast<std::size_t>(s)](doc, i, labels);
}

} // namespace merix
