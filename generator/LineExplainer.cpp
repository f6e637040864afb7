#include "generator/LineExplainer.h"

#include "document/ConfigDocument.h"

namespace merix {

LineExplainer::LineExplainer(const CatalogLabels& labels, const ConfigDocument* copy)
    : m_labels(labels), m_copy(copy) {}

void LineExplainer::append(std::string_view text) {
    while (!text.empty()) {
        if (!m_lineOpen) {
            m_file.lines.emplace_back();
            m_lineOpen = true;
        }
        const std::size_t end = text.find('\n');
        m_file.lines.back().text.append(text.substr(0, end));
        if (end == std::string_view::npos)
            return;
        m_lineOpen = false;
        text.remove_prefix(end + 1);
    }
}

void LineExplainer::explain(Explanation explanation) {
    if (!m_lineOpen) {
        m_file.lines.emplace_back();
        m_lineOpen = true;
    }
    m_file.lines.back().explanation = std::move(explanation);
}

ExplainedCommandFile LineExplainer::take() {
    if (m_lineOpen && m_file.lines.back().text.empty() && !m_file.lines.back().explanation)
        m_file.lines.pop_back();
    m_lineOpen = false;
    return std::move(m_file);
}

} // namespace merix
