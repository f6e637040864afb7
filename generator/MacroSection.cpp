#include "generator/SectionWriters.h"

#include "document/ConfigDocument.h"
#include "generator/Formatting.h"

namespace merix {

void writeMacroSection(CommandText& out, const ConfigDocument& doc, const SectionChanges& changed)
{
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
        for (const MacroLine& line : m.lines) {
            if (line.commandNumber.empty())
                continue;
            out << "\nN056 " << number << ' ' << padByLength(line.commandNumber) << ' '
                << line.parameters.view();
        }
    }
    if (any)
        out << '\n';
    out << ";end of macros\n";
}

} // namespace merix
