#include "screens/UserSubScreen.h"

#include "document/ConfigDocument.h"
#include "screens/EditingScreen.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace merix {

UserSubScreen::UserSubScreen(ConfigDocument& doc, Prompter& prompter, std::size_t user,
                             QWidget* parent)
    : QDialog(parent), m_doc(doc), m_prompter(prompter), m_user(user) {
    setModal(true);
}

QHBoxLayout* UserSubScreen::okCancelRow() {
    m_cancel = makeScreenButton(QStringLiteral("Cancel"));
    m_ok = makeScreenButton(QStringLiteral("OK"));
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(m_cancel);
    row->addWidget(m_ok);
    connect(m_cancel, &QPushButton::clicked, this, &UserSubScreen::reject);
    connect(m_ok, &QPushButton::clicked, this, &UserSubScreen::accept);
    return row;
}

void UserSubScreen::saveUser() {
    if (hasUser())
        m_saved = user();
}

bool UserSubScreen::hasUser() const {
    return m_user < m_doc.users.size();
}

UserEntry& UserSubScreen::user() {
    return m_doc.users[m_user];
}

void UserSubScreen::reject() {
    if (hasUser())
        restoreSaved();
    QDialog::reject();
}

} // namespace merix
