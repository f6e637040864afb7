#include "generator/ConfigurationReport.h"

#include <algorithm>

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

// A column per entry, a row per field, each column as wide as its longest text.
void sideBySide(std::string& out, const std::vector<ReportEntry>& entries) {
    if (entries.empty())
        return;
    const auto& rows = entries.front().fields;
    std::size_t nameWidth = 0;
    for (const auto& field : rows)
        nameWidth = std::max(nameWidth, field.first.size());
    std::vector<std::size_t> widths;
    for (const ReportEntry& e : entries) {
        std::size_t w = e.label.size();
        for (const auto& field : e.fields)
            w = std::max(w, field.second.size());
        widths.push_back(w);
    }
    const auto cell = [](std::string text, std::size_t width) {
        text.resize(std::max(width, text.size()) + 2, ' ');
        return text;
    };
    std::string line = cell("", nameWidth);
    for (std::size_t c = 0; c < entries.size(); ++c)
        line += cell(entries[c].label, widths[c]);
    out += line.substr(0, line.find_last_not_of(' ') + 1) + '\n';
    for (std::size_t r = 0; r < rows.size(); ++r) {
        line = cell(rows[r].first, nameWidth);
        for (std::size_t c = 0; c < entries.size(); ++c)
            line +=
                cell(r < entries[c].fields.size() ? entries[c].fields[r].second : "", widths[c]);
        out += line.substr(0, line.find_last_not_of(' ') + 1) + '\n';
    }
    for (const ReportEntry& e : entries)
        if (!e.description.empty())
            out += e.label + ": " + e.description + '\n';
}

void entries(std::string& out, const ReportSection& s) {
    switch (s.layout) {
    case ReportLayout::SideBySide:
        sideBySide(out, s.entries);
        return;
    case ReportLayout::Blocks:
        for (const ReportEntry& e : s.entries)
            block(out, e);
        return;
    case ReportLayout::Table:
        break;
    }
    for (const ReportEntry& e : s.entries)
        row(out, e);
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
        entries(out, s);
    }
    return out;
}

} // namespace merix
