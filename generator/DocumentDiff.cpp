#include "generator/DocumentDiff.h"

#include "generator/DocumentFields.h"

#include <algorithm>

namespace merix {

namespace {

EntryFields compared(EntryFields entry) {
    std::erase_if(entry.fields, [](const FieldText& f) { return f.use == FieldUse::Report; });
    return entry;
}

std::string shown(const FieldText* f, bool showPasswords) {
    if (!f)
        return "(none)"; // a macro line the other document has and this one has not
    if (f->value.empty())
        return "(empty)";
    return f->secret && !showPasswords ? "(hidden)" : f->value;
}

void compareEntry(const EntryFields& a, const EntryFields& b, std::string_view section,
                  bool showPasswords, std::vector<FieldDifference>& out) {
    const std::size_t n = std::max(a.fields.size(), b.fields.size());
    for (std::size_t k = 0; k < n; ++k) {
        const FieldText* fa = k < a.fields.size() ? &a.fields[k] : nullptr;
        const FieldText* fb = k < b.fields.size() ? &b.fields[k] : nullptr;
        if (fa && fb && fa->value == fb->value)
            continue;
        out.push_back({std::string(section), b.label, (fb ? fb : fa)->name,
                       shown(fa, showPasswords), shown(fb, showPasswords)});
    }
}

} // namespace

std::string FieldDifference::line() const {
    return section + ": " + label + ", " + field + ": " + before + " -> " + after;
}

std::vector<FieldDifference> documentDifferences(const ConfigDocument& before,
                                                 const ConfigDocument& after,
                                                 const CatalogLabels& labels, bool showPasswords) {
    std::vector<FieldDifference> out;
    for (Section s : kSections) {
        // Both were read over the same catalogs, so their tables match entry for entry.
        const std::size_t n = std::min(entryCount(before, s), entryCount(after, s));
        for (std::size_t i = 0; i < n; ++i)
            compareEntry(compared(describeEntry(before, s, i, labels)),
                         compared(describeEntry(after, s, i, labels)), sectionName(s),
                         showPasswords, out);
    }
    return out;
}

} // namespace merix
