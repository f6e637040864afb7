#pragma once

#include "document/Records.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace merix {

// What the Courtesy Beeps screen shows of each beep beside its stored chords, read again from
// beep.cfg each time the screen opens.
struct BeepInfo {
    std::string label;
    std::string description;
};

struct BeepChord {
    int length = 0;
    int freq1 = 0;
    int freq2 = 0;
    int pause = 0;
};

// A set of chords from dfltbeep.cfg that "Set to Defaults" copies into a beep.
struct DefaultBeepSet {
    std::string name; // at most 99 characters
    std::array<BeepChord, kChordCount> chords{};
};

struct BeepCatalog {
    std::vector<BeepInfo> info; // one per beep of the document
    std::string notice;         // see CatalogRows
};

struct DefaultBeepCatalog {
    std::vector<DefaultBeepSet> sets; // in file order
    std::string notice;               // empty, or why the list holds only "Other"
};

BeepCatalog readBeepCatalog(const std::string& path, std::size_t beepCount);
DefaultBeepCatalog readDefaultBeepCatalog(const std::string& path);

} // namespace merix
