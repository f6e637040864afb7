#include "screens/EditingScreen.h"

#include "screens/PointerOverMain.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QSize>

namespace merix {

QPushButton* makeScreenButton(const QString& text) {
    auto* button = new QPushButton(text);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

EditingScreen::EditingScreen(ScreenId id, const ScreenContext& context, QWidget* parent)
    : QDialog(parent), m_doc(context.doc), m_prompter(context.prompter), m_busy(context.busy),
      m_pointer(context.pointer), m_id(id), m_showStatus(context.showStatus) {
    // Hover events reach the window whichever child is under the pointer.
    setAttribute(Qt::WA_Hover);
    setModal(false);
}

QHBoxLayout* EditingScreen::okCancelRow() {
    if (m_buttonRow)
        return m_buttonRow;
    m_cancel = makeScreenButton(QStringLiteral("Cancel"));
    m_ok = makeScreenButton(QStringLiteral("&OK"));
    m_buttonRow = new QHBoxLayout;
    m_buttonRow->addStretch(1);
    m_buttonRow->addWidget(m_cancel);
    m_buttonRow->addWidget(m_ok);
    connect(m_cancel, &QPushButton::clicked, this, &EditingScreen::reject);
    connect(m_ok, &QPushButton::clicked, this, &EditingScreen::onOk);
    return m_buttonRow;
}

void EditingScreen::onOk() {
    if (!m_finished && acceptEdits())
        finish(true);
}

void EditingScreen::finish(bool ok) {
    if (m_finished)
        return;
    m_finished = true;
    Q_EMIT screenClosed(m_id, ok);
}

QSize dialogUnitsToPixels(const QFont& font, int width, int height) {
    const QFontMetrics fm(font);
    const int averageWidth = fm.horizontalAdvance(QStringLiteral(
                                 "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                             52;
    return QSize(width * averageWidth / 4, height * fm.height() / 8);
}

void EditingScreen::resizeInDialogUnits(int width, int height) {
    resize(dialogUnitsToPixels(font(), width, height));
}

void EditingScreen::showCatalogNotice(const std::string& notice) const {
    if (!notice.empty() && m_showStatus)
        m_showStatus(notice);
}

bool EditingScreen::event(QEvent* e) {
    if (e->type() == QEvent::HoverMove || e->type() == QEvent::HoverEnter)
        onPointerMoved();
    return QDialog::event(e);
}

void EditingScreen::onPointerMoved() {
    m_pointer.set(false);
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
