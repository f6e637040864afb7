#include "generator/ConfigurationReport.h"

namespace merix {

namespace {

void underlined(std::string& out, const std::string& title, char rule) {
    out += title + '\n' + std::string(title.size(), rule) + '\n';
}

// "Port 1 Hang Time: Length 30 seconds; Limits 0 to 600, default 30"
void row(std::string& out, const ReportEntry& e) {
    out += e.label + ':';
    bool first = true;
    for (const auto& [name, value] : e.fields) {
        if (value.empty())
            continue;
        out += (first ? " " : "; ") + name + ' ' + value;
        first = false;
    }
    out += '\n';
}

void block(std::string& out, const ReportEntry& e) {
    out += e.label + '\n';
    for (const auto& [name, value] : e.fields)
        if (!value.empty())
            out += "    " + name + ": " + value + '\n';
}

} // namespace

std::string reportText(const ConfigurationReport& report) {
    std::string out;
    underlined(out, report.title, '=');
    for (const auto& [name, value] : report.facts)
        out += name + ": " + value + '\n';
    for (const ReportSection& s : report.sections) {
        out += '\n';
        underlined(out, s.title, '-');
        if (!s.note.empty())
            out += s.note + '\n';
        if (s.entries.empty() && s.note.empty())
            out += "(none)\n";
        for (const ReportEntry& e : s.entries)
            s.blocks ? block(out, e) : row(out, e);
    }
    return out;
}

} // namespace merix
