#include "app/QtPrompter.h"

#include <QApplication>
#include <QMessageBox>

namespace merix {

namespace {

const QString kBoxTitle = QStringLiteral("MERIX");

// A box shown during a long operation gets the normal pointer back while it is up.
class ArrowWhileAsking {
  public:
    ArrowWhileAsking() : m_pushed(QApplication::overrideCursor() != nullptr) {
        if (m_pushed)
            QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~ArrowWhileAsking() {
        if (m_pushed)
            QApplication::restoreOverrideCursor();
    }
    ArrowWhileAsking(const ArrowWhileAsking&) = delete;
    ArrowWhileAsking& operator=(const ArrowWhileAsking&) = delete;

  private:
    bool m_pushed;
};

} // namespace

QWidget* QtPrompter::parentWindow() const {
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return m_parent.data();
}

void QtPrompter::inform(const std::string& text) {
    ArrowWhileAsking arrow;
    QMessageBox::warning(parentWindow(), kBoxTitle, QString::fromStdString(text), QMessageBox::Ok);
}

bool QtPrompter::ask(const std::string& text) {
    ArrowWhileAsking arrow;
    return QMessageBox::question(parentWindow(), kBoxTitle, QString::fromStdString(text),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

void WaitCursor::begin() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}
void WaitCursor::end() {
    QApplication::restoreOverrideCursor();
}

} // namespace merix
