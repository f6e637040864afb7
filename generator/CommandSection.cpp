#include "generator/SectionWriters.h"

#include "document/ConfigDocument.h"

namespace merix {

void writeCommandSection(CommandText& out, const ConfigDocument& doc, const SectionChanges& changed)
{
    out << "\n;set up commands\n";
    for (std::size_t i = 0; i < doc.commands.size(); ++i) {
        if (!changed(i))
            continue;
        const CommandEntry& c = doc.commands[i];
        const std::string number = c.commandNumber();
        out << "N010 " << number << ' ' << c.name.view() << ";change command name " << number
            << " to " << c.name.view() << '\n';
        for (int port = 1; port <= kPortCount; ++port) {
            const bool allowed = c.portEnabled[port - 1] != 0;
            out << (allowed ? "N131 " : "N130 ") << port << ' ' << number
                << (allowed ? ";allow " : ";block ") << "command " << number << " on port " << port
                << '\n';
        }
        out << "N190 " << number << ' ' << c.clearanceLevel << ";set clearance to " << c.clearanceLevel
            << " for command " << number << '\n';
    }
    out << ";end of commands\n";
}

} // namespace merix
