#include "screens/PagingScreen.h"

#include "screens/AutopatchRules.h"
#include "screens/Captions.h"
#include "screens/EditingScreen.h"
#include "screens/QtText.h"
#include "screens/SavedFields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace merix {

namespace {

constexpr int kNone = 4; // "none", shown for a user without a pager type

} // namespace

PagingScreen::PagingScreen(ConfigDocument& doc, Prompter& prompter, std::size_t user,
                           QWidget* parent)
    : UserSubScreen(doc, prompter, user, parent) {
    setWindowTitle(QStringLiteral("Paging"));
    buildControls();
    resize(dialogUnitsToPixels(font(), 180, 90)); // the window, in dialog units
    showUser();
    saveUser();
}

void PagingScreen::buildControls() {
    m_type = new QComboBox;
    for (const std::string& type : pagerTypes())
        m_type->addItem(toQString(type));
    auto* typeLabel = new QLabel(QStringLiteral("Pager T&ype:"));
    labelControl(typeLabel, m_type);
    m_port1 = new QCheckBox(QStringLiteral("Port &1"));
    m_port2 = new QCheckBox(QStringLiteral("Port &2"));

    auto* form = new QFormLayout;
    form->addRow(typeLabel, m_type);
    auto* ports = new QHBoxLayout;
    ports->addWidget(m_port1);
    ports->addWidget(m_port2);
    ports->addStretch(1);
    form->addRow(QString(), ports);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addLayout(okCancelRow());

    // Every choice counts, "none" picked again too, so a user without a type gets one.
    connect(m_type, &QComboBox::activated, this, [this](int index) {
        if (hasUser() && index >= 0)
            user().pagerType = pagerTypes()[static_cast<std::size_t>(index)];
    });
    connect(m_port1, &QCheckBox::toggled, this, [this](bool on) {
        if (hasUser())
            user().pagerPort1 = on ? 1 : 0;
    });
    connect(m_port2, &QCheckBox::toggled, this, [this](bool on) {
        if (hasUser())
            user().pagerPort2 = on ? 1 : 0;
    });
}

void PagingScreen::showUser() {
    setEnabled(hasUser());
    if (!hasUser())
        return;
    const UserEntry& u = user();
    const QSignalBlocker type(m_type);
    const QSignalBlocker port1(m_port1);
    const QSignalBlocker port2(m_port2);
    // A user without a pager type shows "none" but keeps no type until one is chosen.
    m_type->setCurrentIndex(u.pagerType.empty() ? kNone
                                                : entryBeginningWith(pagerTypes(), u.pagerType));
    m_port1->setChecked(u.pagerPort1 != 0);
    m_port2->setChecked(u.pagerPort2 != 0);
}

void PagingScreen::restoreSaved() {
    restorePagerFields(user(), saved());
}

} // namespace merix
