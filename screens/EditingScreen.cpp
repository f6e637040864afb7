#include "screens/EditingScreen.h"

#include "screens/PointerOverMain.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>

namespace merix {

EditingScreen::EditingScreen(ScreenId id, ConfigDocument& doc, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_prompter(prompter), m_id(id) {
    // Hover events reach the window whichever child is under the pointer.
    setAttribute(Qt::WA_Hover);
    setModal(false);
}

void EditingScreen::finish(bool ok) {
    if (m_finished)
        return;
    m_finished = true;
    Q_EMIT screenClosed(m_id, ok);
}

void EditingScreen::resizeInDialogUnits(int width, int height) {
    // A dialog unit is a quarter of the average character width and an eighth of its height.
    const QFontMetrics fm(font());
    const int averageWidth = fm.horizontalAdvance(QStringLiteral(
                                 "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                             52;
    resize(width * averageWidth / 4, height * fm.height() / 8);
}

bool EditingScreen::event(QEvent* e) {
    if (e->type() == QEvent::HoverMove || e->type() == QEvent::HoverEnter)
        onPointerMoved();
    return QDialog::event(e);
}

void EditingScreen::onPointerMoved() {
    setPointerOverMain(false);
    if (m_finished || !m_doc.refreshFlag(m_id))
        return;
    refreshFromDocument();
    m_doc.clearRefreshFlag(m_id);
}

void EditingScreen::keyPressEvent(QKeyEvent* e) {
    // Enter has no default action on the screens.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void EditingScreen::closeEvent(QCloseEvent* e) {
    // The close box is Cancel; the main screen then destroys the window.
    e->ignore();
    reject();
}

void EditingScreen::reject() {
    if (m_finished)
        return;
    cancelEdits();
    finish(false);
}

} // namespace merix
