#pragma once

#include <string>
#include <vector>

namespace merix {

class CatalogLabels;
class ConfigDocument;

// One stored value that differs between two documents read over the same catalogs.
struct FieldDifference {
    std::string section;
    std::string label;
    std::string field;
    std::string before;
    std::string after;

    // "Timers: Port 1 Hang Time, Length: 30 -> 50"
    std::string line() const;
};

// Every field whose value differs, section by section in file order, entries in catalog
// order, fields in their fixed order. Passwords read "(hidden)" unless shown.
std::vector<FieldDifference> documentDifferences(const ConfigDocument& before,
                                                 const ConfigDocument& after,
                                                 const CatalogLabels& labels, bool showPasswords);

} // namespace merix
