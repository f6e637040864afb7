#include "generator/SectionWriters.h"

#include "document/ConfigDocument.h"
#include "generator/Formatting.h"
#include "generator/LineExplainer.h"
#include "generator/ValueWords.h"

namespace merix {

namespace {

// Lines without a command number are never sent, so they are not counted either.
std::size_t sentLines(const MacroEntry& m) {
    std::size_t n = 0;
    for (const MacroLine& line : m.lines)
        n += line.commandNumber.empty() ? 0 : 1;
    return n;
}

// The n-th sent line (from 0) in words, "none" past the last.
std::string sentLineWords(const MacroEntry& m, std::size_t n, const CatalogLabels& labels) {
    for (const MacroLine& line : m.lines) {
        if (line.commandNumber.empty())
            continue;
        if (n-- == 0)
            return commandWords(line.commandNumber, line.parameters, labels);
    }
    return "none";
}

// The start of the macro (n empty) or its n-th sent line.
void explainMacro(CommandText& out, const ConfigDocument& doc, std::size_t i,
                  std::optional<std::size_t> n) {
    LineExplainer* x = out.explainer();
    if (!x)
        return;
    const MacroEntry& m = doc.macros[i];
    const CatalogLabels& labels = x->labels();
    auto e = EntryExplainer(kMacrosSection, CatalogLabels::pick(labels.macros, i, m.key.view()), m,
                            x->before(&ConfigDocument::macros, i));
    if (n)
        e.field("line " + std::to_string(*n + 1),
                [&](const MacroEntry& v) { return sentLineWords(v, *n, labels); });
    else
        e.field("lines", [](const MacroEntry& v) { return std::to_string(sentLines(v)); });
    x->explain(e.done());
}

} // namespace

void writeMacroSection(CommandText& out, const ConfigDocument& doc, const SectionChanges& changed) {
    out << "\n;set up macros\n";
    bool any = false;
    for (std::size_t i = 0; i < doc.macros.size(); ++i) {
        const MacroEntry& m = doc.macros[i];
        if (!changed(i) || m.lines.empty())
            continue;
        if (any)
            out << "\n\n";
        any = true;
        const std::string number = m.key.size() > 5 ? m.key.str().substr(5, 4) : std::string();
        out << ";program macro " << number << '\n';
        out << "N055 " << number;
        explainMacro(out, doc, i, std::nullopt);
        const std::string head = "\nN056 " + number + ' ';
        std::size_t sent = 0;
        for (const MacroLine& line : m.lines) {
            const std::string_view command = line.commandNumber.view();
            if (command.empty())
                continue;
            // The command number padded to three digits, without a string of its own.
            const std::size_t zeros = (command.size() < 2 ? 1 : 0) + (command.size() < 3 ? 1 : 0);
            out.put({head, std::string_view("00", zeros), command, " ", line.parameters.view()});
            // Checked here, not inside: a line number made for nothing on each of a hundred
            // thousand lines costs more than the line itself.
            if (out.explainer())
                explainMacro(out, doc, i, sent);
            ++sent;
        }
    }
    if (any)
        out << '\n';
    out << ";end of macros\n";
}

} // namespace merix
