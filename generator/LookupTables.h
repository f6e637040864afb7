#pragma once

#include "document/LookupList.h"

#include <string>
#include <string_view>
#include <unordered_map>
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
    bool empty() const { return m_codes.empty(); }

private:
  // Looked up by the name as it stands, without a lower-case copy of it per word.
  struct CaseFreeHash {
      using is_transparent = void;
      std::size_t operator()(std::string_view name) const noexcept;
  };
  struct CaseFreeEqual {
      using is_transparent = void;
      bool operator()(std::string_view a, std::string_view b) const noexcept;
  };
  std::unordered_map<std::string, std::string, CaseFreeHash, CaseFreeEqual> m_codes;
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
    const Mode* find(std::string_view name) const;

private:
    std::vector<Mode> m_modes;
};

} // namespace merix
