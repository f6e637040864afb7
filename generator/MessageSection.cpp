#include "generator/SectionWriters.h"

#include "document/ConfigDocument.h"
#include "generator/CwScanner.h"
#include "generator/Formatting.h"
#include "generator/LineExplainer.h"
#include "generator/LookupTables.h"

namespace merix {

namespace {

// Words, symbols or tracks a message names that yield no code; gathered for the explainer.
using Missing = std::vector<std::string_view>;

// Words separated by one or more blanks; every word found in the table yields its code.
void writeWordCodes(CommandText& out, std::string_view text, const CaseFreeTable& table,
                    Missing& missing) {
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        const std::size_t end = std::min(text.find(' ', i), text.size());
        if (const std::string* code = table.find(text.substr(i, end - i)))
            out << ' ' << *code;
        else
            missing.push_back(text.substr(i, end - i));
        i = end;
    }
}

void writeCwCodes(CommandText& out, std::string_view text, const CaseFreeTable& cw,
                  Missing& missing) {
    for (std::string_view token : cwTokens(text)) {
        if (const std::string* code = cw.find(token))
            out << ' ' << *code;
        else
            missing.push_back(token);
    }
}

CaseFreeTable trackTable(const ConfigDocument& doc) {
    LookupList tracks;
    tracks.reserve(doc.dvrTracks.size());
    for (const DvrTrack& t : doc.dvrTracks)
        tracks.push_back({t.trackName.str(), t.trackName.str()});
    return CaseFreeTable(tracks, std::string::npos, std::string::npos);
}

enum class Kind { Voice, PoliteVoice, Cw, Dvr };

Kind kindOf(const MessageEntry& m) {
    const std::string_view type = m.messageType.view();
    if (equalsIgnoringCase(type, "Voice"))
        return Kind::Voice;
    if (equalsIgnoringCase(type, "PoliteVoice"))
        return Kind::PoliteVoice;
    if (equalsIgnoringCase(type, "CW"))
        return Kind::Cw;
    return Kind::Dvr;
}

bool runsCommandWhenInterrupted(const MessageEntry& m) {
    return kindOf(m) == Kind::PoliteVoice &&
           !equalsIgnoringCase(m.interruptAction.view(), "NOCOMMAND");
}

// The command a polite voice message runs when interrupted, as the comment names it.
std::string_view interruptCommandOf(const MessageEntry& m) {
    return equalsIgnoringCase(m.interruptAction.view(), "CW_ID") ? m.cwIdCommand.view()
                                                                 : m.interruptCommand.view();
}

// The comment line and the macro command, up to the first code.
std::string writeHead(CommandText& out, const MessageEntry& m, Kind kind) {
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
    if (!runsCommandWhenInterrupted(m)) {
        out << '\n';
        return "063";
    }
    const std::string_view command = interruptCommandOf(m);
    out << ", and if interrupted execute command " << command << '\n';
    if (equalsIgnoringCase(m.interruptAction.view(), "CW_ID"))
        return "064 " + std::string(command);
    return command.empty() ? std::string("064 ") : "064 " + padByLength(command);
}

std::string kindWords(const MessageEntry& m) {
    switch (kindOf(m)) {
    case Kind::Voice:
        return "voice";
    case Kind::PoliteVoice:
        return "polite voice";
    case Kind::Cw:
        return "CW";
    case Kind::Dvr:
        break;
    }
    return "DVR";
}

std::string interruptWords(const MessageEntry& m) {
    if (!runsCommandWhenInterrupted(m))
        return "nothing";
    const std::string_view command = interruptCommandOf(m);
    return command.empty() ? "no command given" : "command " + std::string(command);
}

EntryExplainer<MessageEntry> explainMessage(const LineExplainer& x, const ConfigDocument& doc,
                                            std::size_t i) {
    const MessageEntry& m = doc.messages[i];
    return EntryExplainer(kMessagesSection,
                          CatalogLabels::pick(x.labels().messages, i, m.key.view()), m,
                          x.before(&ConfigDocument::messages, i));
}

std::string joined(const Missing& words) {
    std::string out;
    for (std::string_view w : words) {
        if (!out.empty())
            out += ", ";
        out += w.starts_with(' ') ? w.substr(1) : w;
    }
    return out;
}

const char* missingWhat(Kind kind) {
    switch (kind) {
    case Kind::Cw:
        return "not in the CW list";
    case Kind::Dvr:
        return "no such track";
    default:
        return "not in the word list";
    }
}

void explainCodes(CommandText& out, const ConfigDocument& doc, std::size_t i,
                  const Missing& missing) {
    LineExplainer* x = out.explainer();
    if (!x)
        return;
    auto e = explainMessage(*x, doc, i);
    e.field("type", kindWords).field("text", [](const MessageEntry& m) { return m.text; });
    if (kindOf(doc.messages[i]) == Kind::PoliteVoice)
        e.field("if interrupted", interruptWords);
    x->explain(e.note(missingWhat(kindOf(doc.messages[i])), joined(missing)).done());
}

} // namespace

void writeMessageSection(CommandText& out, const ConfigDocument& doc, const SectionChanges& changed,
                         const CaseFreeTable& words, const CaseFreeTable& cw) {
    out << "\n;set up messages\n";
    const CaseFreeTable tracks = trackTable(doc);
    bool any = false;
    Missing missing;
    for (std::size_t i = 0; i < doc.messages.size(); ++i) {
        if (!changed(i))
            continue;
        const MessageEntry& m = doc.messages[i];
        if (any)
            out << "\n\n";
        any = true;
        const Kind kind = kindOf(m);
        const std::string macroCommand = writeHead(out, m, kind);
        out << "N055 " << m.macroNumber.view();
        if (LineExplainer* x = out.explainer())
            x->explain(
                explainMessage(*x, doc, i)
                    .field("macro", [](const MessageEntry& e) { return e.macroNumber.str(); })
                    .done());
        out << '\n';
        out << "N056 " << m.macroNumber.view() << ' ' << macroCommand;
        missing.clear();
        if (kind == Kind::Cw)
            writeCwCodes(out, m.text, cw, missing);
        else
            writeWordCodes(out, m.text, kind == Kind::Dvr ? tracks : words, missing);
        explainCodes(out, doc, i, missing);
    }
    if (any)
        out << '\n';
    out << ";end of messages\n";
}

} // namespace merix
