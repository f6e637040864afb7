#pragma once

#include "document/LookupList.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace merix {

// The generator reads the lookup lists with lines of at most this many characters.
inline constexpr std::size_t kLookupLineLength = 199;

// A name-to-code table searched without regard to ASCII letter case; the first entry
// of a name wins. Names and codes are cut to the generator's capacities.
class CaseFreeTable {
  public:
    CaseFreeTable() = default;
    CaseFreeTable(const LookupList& list, std::size_t nameCapacity, std::size_t codeCapacity);

    // nullptr when the name is not in the table.
    const std::string* find(std::string_view name) const;
    bool empty() const { return m_entries.empty(); }

  private:
    struct Entry {
        std::string name;
        std::string code;
    };
    // Open addressing over the names' case-free hashes, looked up by the name as it stands:
    // no lower-case copy per word, and part of each hash kept beside the entry's place so
    // that a probe rarely compares names.
    struct Slot {
        std::uint32_t hashTag = 0;
        std::uint32_t place = 0; // the entry's index plus one; 0 for a free slot
    };
    const Entry* lookUp(std::string_view name, std::uint64_t hash) const;

    std::vector<Entry> m_entries;
    std::vector<Slot> m_slots; // a power of two in size, at most half of it taken
};

// wordlist.cfg: word (any length), code of up to 7 characters.
CaseFreeTable makeWordTable(const LookupList& list);
// cw.cfg: symbol of up to 19 characters, code of up to 4.
CaseFreeTable makeCwTable(const LookupList& list);

// access.cfg: mode names of up to 27 characters, searched exactly; the code is the
// code text read as a decimal integer.
class AccessModeTable {
  public:
    struct Mode {
        std::string name;
        long code = 0;
    };

    AccessModeTable() = default;
    explicit AccessModeTable(const LookupList& list);
    // Exact first; failing that, the first mode whose name the port's field holds cut to its
    // capacity, so a long mode name chosen on the screen still reaches the controller.
    const Mode* find(std::string_view name) const;

  private:
    std::vector<Mode> m_modes;
};

} // namespace merix
