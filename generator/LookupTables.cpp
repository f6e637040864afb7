#include "generator/LookupTables.h"

#include "generator/Formatting.h"

#include <algorithm>
#include <cstdint>

namespace merix {

namespace {

std::string cut(std::string_view text, std::size_t capacity)
{
    return std::string(text.substr(0, capacity));
}

} // namespace

std::size_t CaseFreeTable::CaseFreeHash::operator()(std::string_view name) const noexcept {
    // FNV-1a over the letters folded to lower case.
    std::uint64_t hash = 14695981039346656037ull;
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        hash = (hash ^ (byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte)) * 1099511628211ull;
    }
    return static_cast<std::size_t>(hash);
}

bool CaseFreeTable::CaseFreeEqual::operator()(std::string_view a,
                                              std::string_view b) const noexcept {
    return equalsIgnoringCase(a, b);
}

CaseFreeTable::CaseFreeTable(const LookupList& list, std::size_t nameCapacity, std::size_t codeCapacity)
{
    m_codes.reserve(list.size());
    for (const LookupEntry& e : list)
        m_codes.try_emplace(cut(e.name, nameCapacity), cut(e.code, codeCapacity));
}

const std::string* CaseFreeTable::find(std::string_view name) const
{
    const auto it = m_codes.find(name);
    return it == m_codes.end() ? nullptr : &it->second;
}

CaseFreeTable makeWordTable(const LookupList& list)
{
    return CaseFreeTable(list, std::string::npos, 7);
}

CaseFreeTable makeCwTable(const LookupList& list)
{
    return CaseFreeTable(list, 19, 4);
}

AccessModeTable::AccessModeTable(const LookupList& list)
{
    m_modes.reserve(list.size());
    for (const LookupEntry& e : list)
        m_modes.push_back({cut(e.name, 27), leadingInteger(e.code)});
}

const AccessModeTable::Mode* AccessModeTable::find(std::string_view name) const
{
    const auto it = std::find_if(m_modes.begin(), m_modes.end(),
                                 [&](const Mode& m) { return m.name == name; });
    return it == m_modes.end() ? nullptr : &*it;
}

} // namespace merix
