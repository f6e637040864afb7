#include "generator/SectionWriters.h"

#include "document/ConfigDocument.h"
#include "generator/CwScanner.h"
#include "generator/Formatting.h"
#include "generator/LookupTables.h"

namespace merix {

namespace {

// Words separated by one or more blanks; every word found in the table yields its code.
void writeWordCodes(CommandText& out, std::string_view text, const CaseFreeTable& table)
{
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        const std::size_t end = std::min(text.find(' ', i), text.size());
        if (const std::string* code = table.find(text.substr(i, end - i)))
            out << ' ' << *code;
        i = end;
    }
}

void writeCwCodes(CommandText& out, std::string_view text, const CaseFreeTable& cw)
{
    for (std::string_view token : cwTokens(text))
        if (const std::string* code = cw.find(token))
            out << ' ' << *code;
}

CaseFreeTable trackTable(const ConfigDocument& doc)
{
    LookupList tracks;
    tracks.reserve(doc.dvrTracks.size());
    for (const DvrTrack& t : doc.dvrTracks)
        tracks.push_back({t.trackName.str(), t.trackName.str()});
    return CaseFreeTable(tracks, std::string::npos, std::string::npos);
}

enum class Kind { Voice, PoliteVoice, Cw, Dvr };

Kind kindOf(const MessageEntry& m)
{
    const std::string_view type = m.messageType.view();
    if (equalsIgnoringCase(type, "Voice"))
        return Kind::Voice;
    if (equalsIgnoringCase(type, "PoliteVoice"))
        return Kind::PoliteVoice;
    if (equalsIgnoringCase(type, "CW"))
        return Kind::Cw;
    return Kind::Dvr;
}

// The comment line and the macro command, up to the first code.
std::string writeHead(CommandText& out, const MessageEntry& m, Kind kind)
{
    const std::string_view macro = m.macroNumber.view();
    out << ";set macro " << macro;
    switch (kind) {
    case Kind::Voice:
        out << " to the voice message " << m.text << '\n';
        return "036";
    case Kind::Cw:
        out << " to the cw message " << m.text << '\n';
        return "030";
    case Kind::Dvr:
        out << " to the dvr message track(s) " << m.text << '\n';
        return "173";
    case Kind::PoliteVoice:
        break;
    }
    out << " to the polite voice message " << m.text;
    if (equalsIgnoringCase(m.interruptAction.view(), "NOCOMMAND")) {
        out << '\n';
        return "063";
    }
    const bool cwId = equalsIgnoringCase(m.interruptAction.view(), "CW_ID");
    const std::string_view command = cwId ? m.cwIdCommand.view() : m.interruptCommand.view();
    out << ", and if interrupted execute command " << command << '\n';
    if (cwId)
        return "064 " + std::string(command);
    return command.empty() ? std::string("064 ") : "064 " + padByLength(command);
}

} // namespace

void writeMessageSection(CommandText& out, const ConfigDocument& doc, const SectionChanges& changed,
                         const CaseFreeTable& words, const CaseFreeTable& cw)
{
    out << "\n;set up messages\n";
    const CaseFreeTable tracks = trackTable(doc);
    bool any = false;
    for (std::size_t i = 0; i < doc.messages.size(); ++i) {
        if (!changed(i))
            continue;
        const MessageEntry& m = doc.messages[i];
        if (any)
            out << "\n\n";
        any = true;
        const Kind kind = kindOf(m);
        const std::string macroCommand = writeHead(out, m, kind);
        out << "N055 " << m.macroNumber.view() << '\n';
        out << "N056 " << m.macroNumber.view() << ' ' << macroCommand;
        if (kind == Kind::Cw)
            writeCwCodes(out, m.text, cw);
        else
            writeWordCodes(out, m.text, kind == Kind::Dvr ? tracks : words);
    }
    if (any)
        out << '\n';
    out << ";end of messages\n";
}

} // namespace merix
