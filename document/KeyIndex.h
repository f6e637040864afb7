#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

namespace merix {

// Lookup by key for a whole section read: the same rule as the store's own lookup (exact,
// case-sensitive, first entry wins) without a scan of the table for every line. The keys
// are sorted once in one vector: no allocation per entry, a fraction of a hash map's size.
// Valid while the table is neither resized nor re-keyed, which reading never does.
template <typename Entry> class KeyIndex {
  public:
    template <typename KeyField> KeyIndex(std::vector<Entry>& table, KeyField field) {
        m_entries.reserve(table.size());
        for (Entry& e : table)
            m_entries.emplace_back((e.*field).view(), &e);
        // Catalogs mostly list their keys in order already. Stable, so that of equal keys
        // the first in the table comes first.
        if (!std::is_sorted(m_entries.begin(), m_entries.end(), byKey))
            std::stable_sort(m_entries.begin(), m_entries.end(), byKey);
    }

    Entry* find(std::string_view key) {
        // A document lists its entries in the order of the table, so the entry after the
        // last one found is nearly always the next one asked for.
        if (m_next < m_entries.size() && m_entries[m_next].first == key &&
            (m_next == 0 || m_entries[m_next - 1].first != key))
            return m_entries[m_next++].second;
        const auto it = std::lower_bound(
            m_entries.begin(), m_entries.end(), key,
            [](const Keyed& entry, std::string_view k) { return entry.first < k; });
        if (it == m_entries.end() || it->first != key)
            return nullptr;
        m_next = static_cast<std::size_t>(it - m_entries.begin()) + 1;
        return it->second;
    }

  private:
    using Keyed = std::pair<std::string_view, Entry*>;
    static bool byKey(const Keyed& a, const Keyed& b) { return a.first < b.first; }

    std::vector<Keyed> m_entries;
    std::size_t m_next = 0;
};

} // namespace merix
