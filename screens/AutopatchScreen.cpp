#include "screens/AutopatchScreen.h"

#include "screens/ApplyFieldEdit.h"
#include "screens/AutopatchRules.h"
#include "screens/Captions.h"
#include "screens/EditingScreen.h"
#include "screens/QtText.h"
#include "screens/SavedFields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace merix {

namespace {

QComboBox* makeList(const std::vector<std::string>& entries) {
    auto* list = new QComboBox;
    for (const std::string& entry : entries)
        list->addItem(toQString(entry));
    return list;
}

// The entry that begins with the stored wording; none for an empty one.
void selectStored(QComboBox* list, const std::vector<std::string>& entries,
                  const std::string& stored) {
    const QSignalBlocker block(list);
    list->setCurrentIndex(entryBeginningWith(entries, stored));
}

// A list's choice goes into its field of the user as the entry's wording.
template <typename Store>
void storeChoices(QComboBox* list, const std::vector<std::string>& entries, Store store) {
    QObject::connect(list, &QComboBox::currentIndexChanged, list, [&entries, store](int index) {
        if (index >= 0 && static_cast<std::size_t>(index) < entries.size())
            store(entries[static_cast<std::size_t>(index)]);
    });
}

} // namespace

AutopatchScreen::AutopatchScreen(ConfigDocument& doc, Prompter& prompter, std::size_t user,
                                 QWidget* parent)
    : UserSubScreen(doc, prompter, user, parent) {
    setWindowTitle(QStringLiteral("Autopatch"));
    buildControls();
    resize(dialogUnitsToPixels(font(), 250, 140)); // the window, in dialog units
    showUser();
    saveUser();
}

void AutopatchScreen::buildControls() {
    m_autodial = new QLineEdit;
    m_predial = new QCheckBox(QStringLiteral("Send &Predial Digits"));
    m_autodialReadback = makeList(readbackTypes());
    m_normalReadback = makeList(readbackTypes());
    m_privacy = makeList(privacyTypes());
    m_timeOut = new QCheckBox(QStringLiteral("Patch T&ime Out Timer"));
    m_downCode = new QLineEdit;

    auto* form = new QFormLayout;
    const auto row = [form](const char* caption, QWidget* control) {
        auto* label = new QLabel(QString::fromUtf8(caption));
        labelControl(label, control);
        form->addRow(label, control);
    };
    row("&Autodial #:", m_autodial);
    form->addRow(QString(), m_predial);
    row("Au&todial # Readback Type:", m_autodialReadback);
    row("Nor&mal # Readback Type:", m_normalReadback);
    row("Patch P&rivacy Type:", m_privacy);
    form->addRow(QString(), m_timeOut);
    row("Autopatch &Down Code:", m_downCode);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addLayout(okCancelRow());

    connect(m_autodial, &QLineEdit::textChanged, this, &AutopatchScreen::onAutodialChanged);
    connect(m_downCode, &QLineEdit::textChanged, this, &AutopatchScreen::onDownCodeChanged);
    connect(m_predial, &QCheckBox::toggled, this, [this](bool on) {
        if (hasUser())
            user().sendPredialDigits = on ? 1 : 0;
    });
    connect(m_timeOut, &QCheckBox::toggled, this, [this](bool on) {
        if (hasUser())
            user().patchTimeOutTimer = on ? 1 : 0;
    });
    const auto storeIn = [this](CompactText UserEntry::*field) {
        return [this, field](const std::string& wording) {
            if (hasUser())
                user().*field = wording;
        };
    };
    storeChoices(m_autodialReadback, readbackTypes(), storeIn(&UserEntry::autodialReadbackType));
    storeChoices(m_normalReadback, readbackTypes(), storeIn(&UserEntry::normalReadbackType));
    storeChoices(m_privacy, privacyTypes(), storeIn(&UserEntry::patchPrivacyType));
}

void AutopatchScreen::showUser() {
    setEnabled(hasUser());
    if (!hasUser())
        return;
    const UserEntry& u = user();
    setTextQuietly(m_autodial, toQString(u.autodialNumber));
    setTextQuietly(m_downCode, toQString(u.autopatchDownCode));
    selectStored(m_autodialReadback, readbackTypes(), u.autodialReadbackType);
    selectStored(m_normalReadback, readbackTypes(), u.normalReadbackType);
    selectStored(m_privacy, privacyTypes(), u.patchPrivacyType);
    const QSignalBlocker predial(m_predial);
    const QSignalBlocker timeOut(m_timeOut);
    m_predial->setChecked(u.sendPredialDigits != 0);
    m_timeOut->setChecked(u.patchTimeOutTimer != 0);
}

void AutopatchScreen::onAutodialChanged() {
    const QString text = m_autodial->text();
    if (!hasUser() ||
        applyFieldEdit(m_autodial, checkAutodialNumber(text.toStdU16String()), m_prompter))
        return;
    user().autodialNumber = toStdString(text);
}

void AutopatchScreen::onDownCodeChanged() {
    const QString text = m_downCode->text();
    if (!hasUser() || applyFieldEdit(m_downCode, checkDownCode(text.toStdU16String()), m_prompter))
        return;
    user().autopatchDownCode = toStdString(text);
}

void AutopatchScreen::restoreSaved() {
    restoreAutopatchFields(user(), saved());
}

} // namespace merix
