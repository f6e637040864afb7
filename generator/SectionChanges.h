#pragma once

#include <cstddef>
#include <vector>

namespace merix {

// Which entries of one section go into the command file: every entry in everything
// mode, otherwise those whose lines differ from the chosen copy. An entry the walk did
// not reach (the document file holds fewer) counts as changed.
class SectionChanges {
public:
    static SectionChanges all() { return SectionChanges(); }
    explicit SectionChanges(std::vector<bool> changed) : m_all(false), m_changed(std::move(changed)) {}

    bool operator()(std::size_t index) const
    {
        return m_all || index >= m_changed.size() || m_changed[index];
    }
    // True when any of count entries from first changed.
    bool any(std::size_t first, std::size_t count) const
    {
        for (std::size_t i = first; i < first + count; ++i)
            if ((*this)(i))
                return true;
        return false;
    }

private:
    SectionChanges() = default;
    bool m_all = true;
    std::vector<bool> m_changed;
};

// The change flags of every section that writes commands (the DVR section writes none).
struct DocumentChanges {
    SectionChanges timers = SectionChanges::all();
    SectionChanges messages = SectionChanges::all();
    SectionChanges users = SectionChanges::all();
    SectionChanges inputsOutputs = SectionChanges::all();
    SectionChanges commands = SectionChanges::all();
    SectionChanges macros = SectionChanges::all();
    SectionChanges scheduler = SectionChanges::all();
    SectionChanges courtesyBeeps = SectionChanges::all();
    SectionChanges tones = SectionChanges::all();     // by line of the tone section
    SectionChanges miscSetup = SectionChanges::all(); // by line, 16 per port
};

} // namespace merix
