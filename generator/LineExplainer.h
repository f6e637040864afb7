#pragma once

#include "generator/CatalogLabels.h"
#include "generator/ExplainedCommandFile.h"

#include <string_view>
#include <vector>

namespace merix {

class ConfigDocument;

// Collects the command file's lines as the section writers produce them, and what each
// command line sets. A writer explains a line after writing its text and before its line
// end. The compared copy, when there is one, supplies the values the entries had.
class LineExplainer {
  public:
    LineExplainer(const CatalogLabels& labels, const ConfigDocument* copy);

    const CatalogLabels& labels() const { return m_labels; }

    // The entry of the compared copy at the same place, or nullptr without a copy.
    template <typename Entry>
    const Entry* before(std::vector<Entry> ConfigDocument::*table, std::size_t i) const {
        if (!m_copy || i >= (m_copy->*table).size())
            return nullptr;
        return &(m_copy->*table)[i];
    }
    const ConfigDocument* copy() const { return m_copy; }

    void append(std::string_view text);
    void explain(Explanation explanation);

    // The lines written so far; a last line without its line end counts when not empty.
    ExplainedCommandFile take();

  private:
    const CatalogLabels& m_labels;
    const ConfigDocument* m_copy;
    ExplainedCommandFile m_file;
    bool m_lineOpen = false;
};

} // namespace merix
