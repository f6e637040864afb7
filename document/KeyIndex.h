#pragma once

#include <string_view>
#include <unordered_map>
#include <vector>

namespace merix {

// Lookup by key for a whole section read: the same rule as the store's own lookup (exact,
// case-sensitive, first entry wins) without a scan of the table for every line.
// Valid while the table is neither resized nor re-keyed, which reading never does.
template <typename Entry>
class KeyIndex {
public:
    template <typename KeyField>
    KeyIndex(std::vector<Entry>& table, KeyField field)
    {
        m_entries.reserve(table.size());
        for (Entry& e : table)
            m_entries.try_emplace((e.*field).view(), &e);
    }

    Entry* find(std::string_view key) const
    {
        const auto it = m_entries.find(key);
        return it == m_entries.end() ? nullptr : it->second;
    }

private:
    std::unordered_map<std::string_view, Entry*> m_entries;
};

} // namespace merix
