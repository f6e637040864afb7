#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace merix {

// The named CW symbols, each a blank and its name, in the order a text is matched against
// them. cw.cfg writes them with that leading blank, and so does a CW message text.
inline constexpr std::array<std::string_view, 6> kNamedCwSymbols = {
    " SPACE", " PAUSE", " AR", " INTERNAL_DVR_1", " INTERNAL_DVR_2", " INTERNAL_DVR_3",
};

// The length of the named symbol that starts at text[at] (upper case only, as the controller
// takes it), or 0.
std::size_t namedCwSymbolAt(std::string_view text, std::size_t at);

// The lines of the vocabulary list as shown, searched without regard to letter case.
class VocabularyLines {
  public:
    VocabularyLines() = default;
    explicit VocabularyLines(std::vector<std::string> lines);

    std::size_t size() const { return m_lines.size(); }
    const std::vector<std::string>& lines() const { return m_lines; }
    void replace(std::size_t index, std::string line);

    // The line equal to `word`, else the first that begins with it.
    std::optional<std::size_t> findWord(std::string_view word) const;
    // The first line that begins with `beginning`.
    std::optional<std::size_t> findBeginning(std::string_view beginning) const;

  private:
    std::vector<std::string> m_lines;
    std::vector<std::string> m_folded;
};

// Names a whole word of a message text must be one of, compared without regard to case.
class CaseFreeNames {
  public:
    CaseFreeNames() = default;
    explicit CaseFreeNames(const std::vector<std::string>& names);

    bool contains(std::string_view name) const;

  private:
    std::unordered_set<std::string> m_folded;
};

// The characters a CW text may hold beside the named symbols: the one-character entries.
CaseFreeNames oneCharacterCwEntries(const std::vector<std::string>& cwNames);

} // namespace merix
