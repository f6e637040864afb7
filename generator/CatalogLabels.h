#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace merix {

class ConfigDocument;

// What the timers catalog says of a timer's value besides its label.
struct TimerLimits {
    std::string defaultLength;
    std::string maximum;
    std::string unit; // "tenths of a second", "seconds", ... as its description says; may be empty
};

// The labels the catalogs give each entry, read again from the catalog folder, in catalog
// order (the order of the document's tables). A catalog that cannot be read leaves its
// list empty, and an entry without a label is named by its key.
class CatalogLabels {
  public:
    CatalogLabels() = default;
    // Reads the catalogs of the document's startup directory and indexes the command and
    // macro numbers of the document's keys.
    static CatalogLabels read(const ConfigDocument& doc);

    std::vector<std::string> timers, messages, users, ioPoints, commands, macros, events, beeps;
    std::vector<TimerLimits> timerLimits;

    // The label of entry i of a list, or the fallback when the catalog gave none.
    static std::string pick(const std::vector<std::string>& labels, std::size_t i,
                            std::string_view fallback);

    // The label of the command or macro a number names ("36", "036", "206"), or empty.
    const std::string& commandOrMacro(std::string_view number) const;
    void indexNumbers(const ConfigDocument& doc);

  private:
    std::unordered_map<std::string, std::string> m_byNumber;
};

// The unit a timer's description names, such as "tenths of a second"; empty when none.
std::string timerUnit(std::string_view description);

} // namespace merix
