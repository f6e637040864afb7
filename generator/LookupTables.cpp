#include "generator/LookupTables.h"

#include "document/Records.h"
#include "document/Utf8Text.h"
#include "generator/Formatting.h"

#include <algorithm>

namespace merix {

namespace {

std::string cut(std::string_view text, std::size_t capacity)
{
    return std::string(text.substr(0, capacity));
}

} // namespace

CaseFreeTable::CaseFreeTable(const LookupList& list, std::size_t nameCapacity, std::size_t codeCapacity)
{
    m_codes.reserve(list.size());
    for (const LookupEntry& e : list)
        m_codes.try_emplace(asciiLower(cut(e.name, nameCapacity)), cut(e.code, codeCapacity));
}

const std::string* CaseFreeTable::find(std::string_view name) const
{
    const auto it = m_codes.find(asciiLower(name));
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
    auto it = std::find_if(m_modes.begin(), m_modes.end(),
                           [&](const Mode& m) { return m.name == name; });
    if (it == m_modes.end()) {
        constexpr std::size_t kept = decltype(PortSetup::AccessMode)::capacity;
        it = std::find_if(m_modes.begin(), m_modes.end(), [&](const Mode& m) {
            const std::string_view full = m.name;
            return full.size() > kept && (full.substr(0, kept) == name ||
                                          full.substr(0, characterBoundary(full, kept)) == name);
        });
    }
    return it == m_modes.end() ? nullptr : &*it;
}

} // namespace merix
