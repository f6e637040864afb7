#include "generator/LookupTables.h"

#include "document/Records.h"
#include "document/Utf8Text.h"
#include "generator/Formatting.h"

#include <algorithm>
#include <cstdint>

namespace merix {

namespace {

std::string cut(std::string_view text, std::size_t capacity) {
    return std::string(text.substr(0, capacity));
}

// FNV-1a over the letters folded to lower case.
std::uint64_t caseFreeHash(std::string_view name) {
    std::uint64_t hash = 14695981039346656037ull;
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        hash = (hash ^ (byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte)) * 1099511628211ull;
    }
    return hash;
}

} // namespace

CaseFreeTable::CaseFreeTable(const LookupList& list, std::size_t nameCapacity,
                             std::size_t codeCapacity) {
    std::size_t slots = 8;
    while (slots < 2 * list.size())
        slots *= 2;
    m_slots.resize(slots);
    m_entries.reserve(list.size());
    const std::size_t mask = slots - 1;
    for (const LookupEntry& e : list) {
        std::string name = cut(e.name, nameCapacity);
        const std::uint64_t hash = caseFreeHash(name);
        if (lookUp(name, hash))
            continue; // the first entry of a name wins
        std::size_t i = hash & mask;
        while (m_slots[i].place != 0)
            i = (i + 1) & mask;
        m_entries.push_back({std::move(name), cut(e.code, codeCapacity)});
        m_slots[i] = {static_cast<std::uint32_t>(hash >> 32),
                      static_cast<std::uint32_t>(m_entries.size())};
    }
}

const CaseFreeTable::Entry* CaseFreeTable::lookUp(std::string_view name, std::uint64_t hash) const {
    if (m_slots.empty())
        return nullptr;
    const std::size_t mask = m_slots.size() - 1;
    const auto tag = static_cast<std::uint32_t>(hash >> 32);
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot slot = m_slots[i];
        if (slot.place == 0)
            return nullptr;
        if (slot.hashTag != tag)
            continue;
        const Entry& entry = m_entries[slot.place - 1];
        if (equalsIgnoringCase(entry.name, name))
            return &entry;
    }
}

const std::string* CaseFreeTable::find(std::string_view name) const {
    const Entry* entry = lookUp(name, caseFreeHash(name));
    return entry ? &entry->code : nullptr;
}

CaseFreeTable makeWordTable(const LookupList& list) {
    return CaseFreeTable(list, std::string::npos, 7);
}

CaseFreeTable makeCwTable(const LookupList& list) {
    return CaseFreeTable(list, 19, 4);
}

AccessModeTable::AccessModeTable(const LookupList& list) {
    m_modes.reserve(list.size());
    for (const LookupEntry& e : list)
        m_modes.push_back({cut(e.name, 27), leadingInteger(e.code)});
}

const AccessModeTable::Mode* AccessModeTable::find(std::string_view name) const {
    auto it =
        std::find_if(m_modes.begin(), m_modes.end(), [&](const Mode& m) { return m.name == name; });
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
