#include "screens/MessageVocabulary.h"

#include "generator/Formatting.h"

namespace merix {

std::size_t namedCwSymbolAt(std::string_view text, std::size_t at) {
    if (at >= text.size())
        return 0;
    const std::string_view rest = text.substr(at);
    for (std::string_view symbol : kNamedCwSymbols)
        if (rest.substr(0, symbol.size()) == symbol)
            return symbol.size();
    return 0;
}

VocabularyLines::VocabularyLines(std::vector<std::string> lines) : m_lines(std::move(lines)) {
    m_folded.reserve(m_lines.size());
    for (const std::string& line : m_lines)
        m_folded.push_back(asciiLower(line));
}

void VocabularyLines::replace(std::size_t index, std::string line) {
    if (index >= m_lines.size())
        return;
    m_folded[index] = asciiLower(line);
    m_lines[index] = std::move(line);
}

std::optional<std::size_t> VocabularyLines::findWord(std::string_view word) const {
    const std::string folded = asciiLower(word);
    for (std::size_t i = 0; i < m_folded.size(); ++i)
        if (m_folded[i] == folded)
            return i;
    return findBeginning(word);
}

std::optional<std::size_t> VocabularyLines::findBeginning(std::string_view beginning) const {
    const std::string folded = asciiLower(beginning);
    for (std::size_t i = 0; i < m_folded.size(); ++i)
        if (std::string_view(m_folded[i]).substr(0, folded.size()) == folded)
            return i;
    return std::nullopt;
}

CaseFreeNames::CaseFreeNames(const std::vector<std::string>& names) {
    m_folded.reserve(names.size());
    for (const std::string& name : names)
        m_folded.insert(asciiLower(name));
}

bool CaseFreeNames::contains(std::string_view name) const {
    return m_folded.count(asciiLower(name)) != 0;
}

CaseFreeNames oneCharacterCwEntries(const std::vector<std::string>& cwNames) {
    std::vector<std::string> single;
    for (const std::string& name : cwNames)
        if (name.size() == 1)
            single.push_back(name);
    return CaseFreeNames(single);
}

} // namespace merix
