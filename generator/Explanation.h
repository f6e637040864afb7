#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace merix {

// One value a command line sets, with what it was in the compared copy when that differs.
struct FieldChange {
    std::string field; // empty when the entry has only this one value
    std::string value;
    std::optional<std::string> was;

    bool operator==(const FieldChange&) const = default;
};

// What one command line sets, in words: "Timers: Port 1 Hang Time = 30 (was 50)" or
// "Commands: Say Time, port 2 = blocked (was allowed)".
struct Explanation {
    std::string section;
    std::string label;
    std::vector<FieldChange> fields;

    std::string text() const;
    // The same without the section: what a list grouped by section shows.
    std::string detail() const;
    bool operator==(const Explanation&) const = default;
};

// Builds the explanation of one entry from the record now and the record in the compared
// copy (none in everything mode): each field is phrased by the same function for both, so
// "was" appears exactly when the phrasing differs.
template <typename Record> class EntryExplainer {
  public:
    EntryExplainer(std::string_view section, std::string label, const Record& now,
                   const Record* before)
        : m_now(now), m_before(before) {
        m_explanation.section = section;
        m_explanation.label = std::move(label);
    }

    template <typename Phrase> EntryExplainer& field(std::string name, Phrase phrase) {
        FieldChange change{std::move(name), phrase(m_now), std::nullopt};
        if (m_before) {
            std::string old = phrase(*m_before);
            if (old != change.value)
                change.was = std::move(old);
        }
        m_explanation.fields.push_back(std::move(change));
        return *this;
    }

    // A remark on the value now, not compared.
    EntryExplainer& note(std::string name, std::string value) {
        if (!value.empty())
            m_explanation.fields.push_back({std::move(name), std::move(value), std::nullopt});
        return *this;
    }

    Explanation done() { return std::move(m_explanation); }

  private:
    const Record& m_now;
    const Record* m_before;
    Explanation m_explanation;
};

} // namespace merix
