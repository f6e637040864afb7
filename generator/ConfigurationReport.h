#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace merix {

class CatalogLabels;
class ConfigDocument;

// The whole configuration as one readable document, section by section.
struct ReportEntry {
    std::string label;
    std::vector<std::pair<std::string, std::string>> fields; // name, value
    std::string description;                                 // shown below a side-by-side table
};

enum class ReportLayout {
    Table,      // a row per entry
    Blocks,     // entries one under the other, a line per field
    SideBySide, // a column per entry (the eight ports), a row per field
};

struct ReportSection {
    std::string title;
    std::string note; // what was left out, when something was
    ReportLayout layout = ReportLayout::Table;
    std::vector<ReportEntry> entries;
};

struct ConfigurationReport {
    std::string title;
    std::vector<std::pair<std::string, std::string>> facts; // document, version, ...
    std::vector<ReportSection> sections;
};

struct ReportOptions {
    bool showPasswords = false;
    std::string generatedOn;        // shown when not empty
    std::size_t unknownEntries = 0; // document lines the catalogs do not know
};

ConfigurationReport buildReport(const ConfigDocument& doc, const CatalogLabels& labels,
                                const ReportOptions& options);

// Plain text, lines ending in "\n".
std::string reportText(const ConfigurationReport& report);

// A whole XHTML page (well-formed XML, UTF-8) that prints with page breaks between sections.
std::string reportHtml(const ConfigurationReport& report);

} // namespace merix
