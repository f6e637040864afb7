#include "generator/SectionWriters.h"

#include "document/ConfigDocument.h"
#include "generator/LineExplainer.h"

namespace merix {

namespace {

// What one line of a command sets, for the explainer.
using CommandPhrase = std::string (*)(const CommandEntry&, int port);

void explainCommand(CommandText& out, const ConfigDocument& doc, std::size_t i, const char* field,
                    CommandPhrase phrase, int port = 0) {
    LineExplainer* x = out.explainer();
    if (!x)
        return;
    const CommandEntry& c = doc.commands[i];
    x->explain(EntryExplainer(kCommandsSection,
                              CatalogLabels::pick(x->labels().commands, i, c.key.view()), c,
                              x->before(&ConfigDocument::commands, i))
                   .field(field, [&](const CommandEntry& e) { return phrase(e, port); })
                   .done());
}

std::string nameOf(const CommandEntry& c, int) {
    return c.name.str();
}
std::string clearanceOf(const CommandEntry& c, int) {
    return std::to_string(c.clearanceLevel);
}
std::string portFlagOf(const CommandEntry& c, int port) {
    return c.portEnabled[port - 1] != 0 ? "allowed" : "blocked";
}

} // namespace

void writeCommandSection(CommandText& out, const ConfigDocument& doc,
                         const SectionChanges& changed) {
    out << "\n;set up commands\n";
    for (std::size_t i = 0; i < doc.commands.size(); ++i) {
        if (!changed(i))
            continue;
        const CommandEntry& c = doc.commands[i];
        const std::string number = c.commandNumber();
        out << "N010 " << number << ' ' << c.name.view() << ";change command name " << number
            << " to " << c.name.view();
        explainCommand(out, doc, i, "name", nameOf);
        out << '\n';
        for (int port = 1; port <= kPortCount; ++port) {
            const bool allowed = c.portEnabled[port - 1] != 0;
            out << (allowed ? "N131 " : "N130 ") << port << ' ' << number
                << (allowed ? ";allow " : ";block ") << "command " << number << " on port " << port;
            // The field's name is made only for the explainer: this runs for every port
            // of thousands of commands.
            if (out.explainer())
                explainCommand(out, doc, i, ("port " + std::to_string(port)).c_str(), portFlagOf,
                               port);
            out << '\n';
        }
        out << "N190 " << number << ' ' << c.clearanceLevel << ";set clearance to "
            << c.clearanceLevel << " for command " << number;
        explainCommand(out, doc, i, "clearance", clearanceOf);
        out << '\n';
    }
    out << ";end of commands\n";
}

} // namespace merix
