#include "screens/ControllerOutputList.h"

#include <QListWidget>
#include <QMetaObject>
#include <QThread>

namespace merix {

namespace {

void showLastLine(QListWidget* list) {
    const int last = list->count() - 1;
    list->setCurrentRow(last);
    list->scrollToItem(list->item(last));
}

} // namespace

ControllerOutputList::ControllerOutputList(QListWidget* list, int room)
    : m_list(list), m_room(room) {}

bool ControllerOutputList::addLine(const std::string& text) {
    const std::lock_guard lock(m_mutex);
    return addWrapped(text);
}

void ControllerOutputList::replaceLastLine(const std::string& text) {
    const std::lock_guard lock(m_mutex);
    if (m_count == 0) {
        addWrapped(text);
        return;
    }
    const std::string_view whole = text;
    m_last = whole.substr(0, kLineWidth);
    post(Change::ReplaceLast, m_last);
    if (whole.size() > kLineWidth)
        addWrapped(whole.substr(kLineWidth));
}

void ControllerOutputList::clear() {
    const std::lock_guard lock(m_mutex);
    m_count = 0;
    m_last.clear();
    post(Change::Clear);
}

std::size_t ControllerOutputList::lineCount() const {
    const std::lock_guard lock(m_mutex);
    return m_count;
}

std::string ControllerOutputList::lastLine() const {
    const std::lock_guard lock(m_mutex);
    return m_last;
}

// The text in lines of at most kLineWidth; false when the list filled up on the way.
bool ControllerOutputList::addWrapped(std::string_view rest) {
    bool kept = true;
    do {
        kept = add(rest.substr(0, kLineWidth)) && kept;
        rest.remove_prefix(std::min(rest.size(), kLineWidth));
    } while (!rest.empty());
    return kept;
}

bool ControllerOutputList::add(std::string_view text) {
    const bool kept = m_count < static_cast<std::size_t>(m_room);
    if (!kept) {
        m_count = 0;
        post(Change::Clear);
    }
    ++m_count;
    m_last = text;
    post(Change::Add, text);
    return kept;
}

// On the widget's own thread the change is made at once; from another it is queued, behind
// the ones before it.
void ControllerOutputList::post(Change change, std::string_view text) {
    QListWidget* list = m_list;
    auto apply = [list, change,
                  line = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))] {
        switch (change) {
        case Change::Clear:
            list->clear();
            return;
        case Change::Add:
            list->addItem(line);
            break;
        case Change::ReplaceLast:
            if (list->count() == 0)
                list->addItem(line);
            else
                list->item(list->count() - 1)->setText(line);
            break;
        }
        showLastLine(list);
    };
    if (QThread::currentThread() == list->thread())
        apply();
    else
        QMetaObject::invokeMethod(list, apply, Qt::QueuedConnection);
}

} // namespace merix
