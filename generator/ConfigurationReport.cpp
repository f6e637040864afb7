#include "generator/ConfigurationReport.h"

#include "document/ConfigDocument.h"
#include "generator/DocumentFields.h"

#include <cstdio>

namespace merix {

namespace {

// Sections where most entries are usually empty show only those in use.
bool inUse(const ConfigDocument& doc, Section s, std::size_t i) {
    switch (s) {
    case Section::Users: {
        const UserEntry& u = doc.users[i];
        return !u.name.empty() || !u.callSign.empty() || !u.password.empty() || u.enabled != 0 ||
               !u.autodialNumber.empty();
    }
    case Section::Macros:
        return !doc.macros[i].lines.empty() || doc.macros[i].comment.value_or("").size() > 0;
    case Section::Scheduler:
        return !doc.events[i].commandNumber.empty();
    default:
        return true;
    }
}

const char* unusedNote(Section s) {
    switch (s) {
    case Section::Users:
        return "user slots are empty";
    case Section::Macros:
        return "macros are empty";
    default:
        return "events run no command";
    }
}

ReportLayout layoutOf(Section s) {
    if (s == Section::MiscSetup)
        return ReportLayout::SideBySide;
    return s == Section::Users || s == Section::Macros ? ReportLayout::Blocks : ReportLayout::Table;
}

ReportEntry reportEntry(EntryFields e, bool showPasswords, ReportLayout layout) {
    ReportEntry r{std::move(e.label), {}, {}};
    for (FieldText& f : e.fields) {
        if (f.use == FieldUse::Compare)
            continue;
        // A long text would squeeze the columns of the ports; it goes below them.
        if (layout == ReportLayout::SideBySide && f.name == "Description") {
            r.description = std::move(f.value);
            continue;
        }
        if (f.secret && !showPasswords && !f.value.empty())
            f.value = "(set, not shown)";
        r.fields.emplace_back(std::move(f.name), std::move(f.value));
    }
    return r;
}

ReportSection reportSection(const ConfigDocument& doc, Section s, const CatalogLabels& labels,
                            bool showPasswords) {
    ReportSection section;
    section.title = sectionName(s);
    section.layout = layoutOf(s);
    const std::size_t n = entryCount(doc, s);
    std::size_t unused = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (!inUse(doc, s, i)) {
            ++unused;
            continue;
        }
        section.entries.push_back(
            reportEntry(describeEntry(doc, s, i, labels), showPasswords, section.layout));
    }
    if (unused > 0)
        section.note = std::to_string(unused) + " of " + std::to_string(n) + ' ' + unusedNote(s) +
                       "; they are not listed.";
    return section;
}

std::string versionText(double version) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", version);
    return text;
}

} // namespace

ConfigurationReport buildReport(const ConfigDocument& doc, const CatalogLabels& labels,
                                const ReportOptions& options) {
    ConfigurationReport report;
    report.title = "MERIX Configuration Report";
    report.facts.emplace_back("Document", doc.documentPath());
    report.facts.emplace_back("Document version", versionText(doc.documentVersion()));
    report.facts.emplace_back("Catalogs", doc.startupDirectory());
    if (!options.generatedOn.empty())
        report.facts.emplace_back("Printed", options.generatedOn);
    if (options.unknownEntries > 0)
        report.facts.emplace_back("Entries the catalogs do not know",
                                  std::to_string(options.unknownEntries) + " (not shown)");
    if (!options.showPasswords)
        report.facts.emplace_back("Passwords", "not shown");
    for (Section s : kSections)
        report.sections.push_back(reportSection(doc, s, labels, options.showPasswords));
    return report;
}

} // namespace merix
