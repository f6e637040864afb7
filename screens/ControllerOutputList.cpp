#include "screens/ControllerOutputList.h"

#include <QListWidget>

namespace merix {

ControllerOutputList::ControllerOutputList(QListWidget* list, int room)
    : m_list(list), m_room(room) {}

bool ControllerOutputList::addLine(const std::string& text) {
    const bool kept = m_list->count() < m_room;
    if (!kept)
        m_list->clear();
    m_list->addItem(QString::fromStdString(text));
    showLastLine();
    return kept;
}

void ControllerOutputList::replaceLastLine(const std::string& text) {
    if (m_list->count() == 0) {
        addLine(text);
        return;
    }
    m_list->item(m_list->count() - 1)->setText(QString::fromStdString(text));
    showLastLine();
}

void ControllerOutputList::clear() {
    m_list->clear();
    m_list->repaint();
}

std::size_t ControllerOutputList::lineCount() const {
    return static_cast<std::size_t>(m_list->count());
}

std::string ControllerOutputList::lastLine() const {
    if (m_list->count() == 0)
        return {};
    return m_list->item(m_list->count() - 1)->text().toStdString();
}

void ControllerOutputList::showLastLine() {
    const int last = m_list->count() - 1;
    m_list->setCurrentRow(last);
    // Lays the new item out now (the view would wait for the event loop) and scrolls to it.
    m_list->scrollToItem(m_list->item(last));
    m_list->repaint();
}

} // namespace merix
