#include "document/AtomicFile.h"
#include "document/ConfigDocument.h"
#include "document/DocumentFile.h"
#include "document/DocumentText.h"
#include "document/Prompter.h"
#include "document/SectionKeys.h"

#include <algorithm>
#include <charconv>
#include <type_traits>

namespace merix {

namespace {

// Builds the file line by line, every line ending in CR LF.
class DocumentBuilder {
public:
    // Appends text; a line break inside a text would split its line and shift every later
    // entry when read back, so it is written as a blank.
    DocumentBuilder& operator<<(std::string_view text)
    {
        const auto lineBreak = [](char c) { return c == '\r' || c == '\n'; };
        for (auto at = std::find_if(text.begin(), text.end(), lineBreak); at != text.end();
             at = std::find_if(text.begin(), text.end(), lineBreak)) {
            m_out.append(text.begin(), at).push_back(' ');
            text.remove_prefix(static_cast<std::size_t>(at - text.begin()) + 1);
        }
        m_out.append(text);
        return *this;
    }
    DocumentBuilder& operator<<(const std::string& text) { return *this << std::string_view(text); }
    DocumentBuilder& operator<<(const char* text) { return *this << std::string_view(text); }
    template <std::size_t N>
    DocumentBuilder& operator<<(const FixedText<N>& text) { return *this << text.view(); }
    DocumentBuilder& operator<<(long long value) {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        m_out.append(digits, end);
        return *this;
    }
    DocumentBuilder& operator<<(int value) { return *this << static_cast<long long>(value); }

    // A text written with the blank rule.
    DocumentBuilder& blank(std::string_view text) { return *this << blankRule(text); }

    void endLine() { m_out += "\r\n"; }
    void line(std::string_view text) { *this << text; endLine(); }
    std::string take() { return std::move(m_out); }

private:
    std::string m_out;
};

void section(DocumentBuilder& out, const char* header, std::size_t count, bool first = false)
{
    if (!first)
        out.endLine();
    out.line(header);
    out << static_cast<long long>(count);
    out.endLine();
}

void writeTimers(DocumentBuilder& out, const ConfigDocument& doc)
{
    section(out, "[TIMERS]", doc.timers.size(), true);
    for (const TimerEntry& e : doc.timers) {
        out << e.key << "=" << static_cast<int>(e.length) << ":";
        out.endLine();
    }
}

void writeMessages(DocumentBuilder& out, const ConfigDocument& doc)
{
    section(out, "[MESSAGES]", doc.messages.size());
    for (const MessageEntry& e : doc.messages) {
        out.blank(e.key) << ":";
        out.blank(e.macroNumber) << ":";
        out.blank(e.messageType) << "=";
        out.blank(e.text) << ":";
        out.blank(e.interruptCommand) << ":";
        out.blank(e.interruptAction) << ":";
        out.blank(e.cwIdCommand) << ":";
        out.endLine();
    }
}

void writeDvr(DocumentBuilder& out, const ConfigDocument& doc)
{
    section(out, "[DVR]", doc.dvrTracks.size());
    for (const DvrTrack& e : doc.dvrTracks) {
        out << e.trackName << "," << e.description;
        out.endLine();
    }
}

void writeUsers(DocumentBuilder& out, const ConfigDocument& doc)
{
    section(out, "[USERS]", doc.users.size());
    for (const UserEntry& e : doc.users) {
        const std::string num = e.userNumber();
        out << e.key << "=";
        out.blank(e.name) << ":";
        out.blank(e.callSign) << ":" << e.enabled << ":";
        out.blank(e.password) << ":" << e.passwordMode << ":" << e.challengeDigits << ":"
                              << e.clearanceLevel << ":";
        out.endLine();
        out << "Autopatch" << num << "=";
        out.blank(e.autodialNumber) << ":" << e.sendPredialDigits << ":";
        out.blank(e.autodialReadbackType) << ":";
        out.blank(e.normalReadbackType) << ":";
        out.blank(e.patchPrivacyType) << ":" << e.patchTimeOutTimer << ":";
        out.blank(e.autopatchDownCode) << ":";
        out.endLine();
        out << "Pager" << num << "=";
        out.blank(e.pagerType) << ":" << e.pagerPort1 << ":" << e.pagerPort2 << ":";
        out.endLine();
        out << "Description" << num << "=";
        out.blank(e.description) << ":";
        out.endLine();
    }
}

void writeIoPoints(DocumentBuilder& out, const ConfigDocument& doc)
{
    section(out, "[INPUTS & OUTPUTS]", doc.ioPoints.size());
    for (const IoPoint& e : doc.ioPoints) {
        out << e.key << "=" << e.decimals << ":" << static_cast<int>(e.rangeLow) << ":"
            << static_cast<int>(e.rangeHigh) << ":";
        out.blank(e.resolution) << ":";
        out.blank(e.description) << ":";
        out.endLine();
    }
}

void writeCommands(DocumentBuilder& out, const ConfigDocument& doc)
{
    section(out, "[COMMANDS]", doc.commands.size());
    for (const CommandEntry& e : doc.commands) {
        // An empty name written as nothing would collapse into the next separator and
        // shift every later field, so it follows the blank rule.
        out << e.key << "=";
        out.blank(e.name) << ":" << e.clearanceLevel << ":";
        for (int flag : e.portEnabled)
            out << flag << ":";
        out.endLine();
    }
}

void writeMacros(DocumentBuilder& out, const ConfigDocument& doc)
{
    section(out, "[MACROS]", doc.macros.size());
    for (const MacroEntry& e : doc.macros) {
        out << e.key << "=";
        out.blank(e.comment.value_or(std::string())) << ":"
            << static_cast<long long>(e.lines.size()) << ":";
        for (const MacroLine& line : e.lines) {
            out.blank(line.commandNumber) << ",";
            out.blank(parameterText(line.parameters)) << ":";
        }
        out.endLine();
    }
}

void writeEvents(DocumentBuilder& out, const ConfigDocument& doc)
{
    section(out, "[SCHEDULAR]", doc.events.size());
    for (const ScheduleEvent& e : doc.events) {
        out << e.key << "=";
        out.blank(e.comment.value_or(std::string())) << ":";
        out.blank(e.commandNumber) << ":";
        out.blank(e.monthName) << ":";
        out.blank(e.dayName) << ":" << e.period << ":" << e.minutes << ":" << e.hour << ":"
                             << e.dayOfMonth << ":" << e.amPm << ":";
        out.endLine();
    }
}

void writeBeeps(DocumentBuilder& out, const ConfigDocument& doc)
{
    section(out, "[COURTESY BEEPS]", doc.beeps.size());
    for (const CourtesyBeep& e : doc.beeps) {
        out << e.key << "=";
        out.blank(e.defaultBeepName) << ":";
        out.blank(e.commandNumber) << ":";
        for (int n = 0; n < kChordCount; ++n)
            out << e.chordLength[n] << "," << e.chordFreq1[n] << "," << e.chordFreq2[n] << ","
                << e.chordPause[n] << ":";
        out.endLine();
    }
}

void writeTones(DocumentBuilder& out, const ConfigDocument& doc)
{
    section(out, "[TONES]", kToneValueCount);
    forEachToneValue(doc.tones, [&out](const std::string& name, int value) {
        out << name << "=" << value;
        out.endLine();
    });
}

void writePorts(DocumentBuilder& out, const ConfigDocument& doc)
{
    section(out, "[MISC SETUP]", kPortCount);
    for (int k = 0; k < kPortCount; ++k) {
        out << "Port " << (k + 1);
        out.endLine();
        forEachPortValue(doc.ports[static_cast<std::size_t>(k)], [&out](const char* name, const auto& value) {
            out << name << "=" << value;
            out.endLine();
        });
    }
}

} // namespace

std::string documentText(const ConfigDocument& doc)
{
    DocumentBuilder out;
    out.line("[MERIX FILE VER 1.5]");
    out.endLine();
    writeTimers(out, doc);
    writeMessages(out, doc);
    writeDvr(out, doc);
    writeUsers(out, doc);
    writeIoPoints(out, doc);
    writeCommands(out, doc);
    writeMacros(out, doc);
    writeEvents(out, doc);
    writeBeeps(out, doc);
    writeTones(out, doc);
    writePorts(out, doc);
    out.endLine();
    out << "END";
    return out.take();
}

std::string writeDocumentFile(ConfigDocument& doc, const std::string& path, BusyIndicator* busy)
{
    BusyGuard guard(busy);
    // The store keeps what the file keeps, so the screens show what an upload sends.
    for (MacroEntry& macro : doc.macros)
        for (MacroLine& line : macro.lines)
            line.parameters = parameterText(line.parameters);
    return writeFileAtomically(path, documentText(doc));
}

} // namespace merix
