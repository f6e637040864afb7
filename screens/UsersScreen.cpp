#include "screens/UsersScreen.h"

#include "document/Prompter.h"
#include "screens/ApplyFieldEdit.h"
#include "screens/AutopatchScreen.h"
#include "screens/Captions.h"
#include "screens/ChoiceButtons.h"
#include "screens/FieldText.h"
#include "screens/HiddenControls.h"
#include "screens/PagingScreen.h"
#include "screens/QtText.h"
#include "screens/SavedFields.h"
#include "screens/UserCatalog.h"
#include "screens/UserRules.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace merix {

namespace {

constexpr int kWholePassword = 0;
constexpr int kChallenge = 1;
constexpr int kClearanceLevels = 8;

} // namespace

UsersScreen::UsersScreen(const ScreenContext& context, QWidget* parent)
    : EditingScreen(ScreenId::Users, context, parent) {
    setWindowTitle(QStringLiteral("Users"));
    buildControls();
    resizeInDialogUnits(400, 270); // the window, in dialog units

    m_doc.clearRefreshFlag(ScreenId::Users);
    loadListNames();
    showCurrent();
    m_list->setFocus();
}

QRadioButton* UsersScreen::clearanceButton(int level) const {
    return static_cast<QRadioButton*>(m_clearance->button(level));
}

void UsersScreen::buildControls() {
    auto* commandsLabel = new QLabel(QStringLiteral("&Commands:"));
    m_list = new QListWidget;
    labelControl(commandsLabel, m_list);

    auto* grid = new QGridLayout(this);
    grid->addWidget(commandsLabel, 0, 0);
    grid->addWidget(m_list, 1, 0);
    grid->addWidget(buildPanel(), 1, 1);
    grid->addLayout(okCancelRow(), 2, 0, 1, 2);
    // The list takes about two fifths of the width, the user's panel the rest.
    grid->setColumnStretch(0, 150);
    grid->setColumnStretch(1, 230);
    grid->setRowStretch(1, 1);

    connect(m_list, &QListWidget::currentRowChanged, this, &UsersScreen::onSelectionChanged);
    connect(m_name, &QLineEdit::textChanged, this, &UsersScreen::onNameChanged);
    connect(m_callSign, &QLineEdit::textChanged, this, &UsersScreen::onCallSignChanged);
    connect(m_password, &QLineEdit::textChanged, this, &UsersScreen::onPasswordChanged);
    connect(m_digits, &QLineEdit::textChanged, this, &UsersScreen::onChallengeDigitsChanged);
    connect(m_mode, &QButtonGroup::idToggled, this, &UsersScreen::onPasswordModeChosen);
    connect(m_clearance, &QButtonGroup::idToggled, this, &UsersScreen::onClearanceChosen);
    connect(m_enabled, &QCheckBox::toggled, this, &UsersScreen::onEnabledToggled);
    connect(m_description, &QPlainTextEdit::textChanged, this, &UsersScreen::onDescriptionChanged);
    connect(m_autopatch, &QPushButton::clicked, this, &UsersScreen::onAutopatch);
    connect(m_paging, &QPushButton::clicked, this, &UsersScreen::onPaging);
}

QWidget* UsersScreen::buildPanel() {
    auto* panel = new QFrame;
    panel->setFrameShape(QFrame::StyledPanel);
    m_title = new QLabel;
    m_title->setAlignment(Qt::AlignCenter);

    const auto labelled = [](const char* caption, QWidget* control) {
        auto* label = new QLabel(QString::fromUtf8(caption));
        labelControl(label, control);
        return label;
    };
    m_name = new QLineEdit;
    m_name->setMaxLength(static_cast<int>(kUserNameCapacity));
    m_callSign = new QLineEdit;
    m_enabled = new QCheckBox(QStringLiteral("&User Enabled/Disabled"));
    m_password = new QLineEdit;
    m_whole = new QRadioButton(QStringLiteral("&Enter Whole Password"));
    m_challenge = new QRadioButton(QStringLiteral("C&hallenge: X digits"));
    m_mode = new QButtonGroup(this);
    m_mode->addButton(m_whole, kWholePassword);
    m_mode->addButton(m_challenge, kChallenge);
    m_digits = new QLineEdit;
    m_digitsLabel = labelled("&X:", m_digits);
    m_digits->setMaxLength(9);
    m_digits->setFixedWidth(m_digits->fontMetrics().horizontalAdvance(QStringLiteral("00000")) +
                            12);
    keepPlaceWhenHidden(m_digits);
    keepPlaceWhenHidden(m_digitsLabel);

    auto* fields = new QGridLayout;
    fields->addWidget(labelled("&Name:", m_name), 0, 0);
    fields->addWidget(m_name, 0, 1, 1, 3);
    fields->addWidget(labelled("C&all Sign:", m_callSign), 1, 0);
    fields->addWidget(m_callSign, 1, 1);
    fields->addWidget(m_enabled, 1, 2, 1, 2);
    fields->addWidget(labelled("Pa&ssword:", m_password), 2, 0);
    fields->addWidget(m_password, 2, 1);
    fields->addWidget(m_whole, 3, 1, 1, 3);
    fields->addWidget(m_challenge, 4, 1);
    auto* digitsRow = new QHBoxLayout;
    digitsRow->addWidget(m_digitsLabel);
    digitsRow->addWidget(m_digits);
    digitsRow->addStretch(1);
    fields->addLayout(digitsRow, 4, 2, 1, 2);
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);

    m_clearanceBox = new QGroupBox(QStringLiteral("Clearance &Level"));
    m_clearance = new QButtonGroup(this);
    auto* levels = new QHBoxLayout(m_clearanceBox);
    for (int level = 0; level < kClearanceLevels; ++level) {
        auto* button = new QRadioButton(QString::number(level));
        m_clearance->addButton(button, level);
        levels->addWidget(button);
    }

    m_description = new QPlainTextEdit;
    m_description->setTabChangesFocus(true);
    auto* descriptionLabel = labelled("&Description:", m_description);

    m_autopatch = makeScreenButton(QStringLiteral("Au&topatch"));
    m_paging = makeScreenButton(QStringLiteral("&Paging"));
    m_paging->setEnabled(false); // the pager settings are not reached from here
    auto* subScreens = new QHBoxLayout;
    subScreens->addWidget(m_autopatch);
    subScreens->addWidget(m_paging);
    subScreens->addStretch(1);

    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(m_title);
    layout->addLayout(fields);
    layout->addWidget(m_clearanceBox);
    layout->addWidget(descriptionLabel);
    layout->addWidget(m_description, 1);
    layout->addLayout(subScreens);
    return panel;
}

void UsersScreen::loadListNames() {
    BusyGuard guard(m_busy);
    UserCatalog catalog = readUserCatalog(m_doc.catalogPath("users.cfg"), m_doc.users.size());
    m_listNames = std::move(catalog.listNames);
    showCatalogNotice(catalog.notice);
    fillList();
}

void UsersScreen::fillList() {
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(m_listNames.size()));
    for (std::size_t i = 0; i < m_listNames.size(); ++i)
        lines << toQString(userListLine(m_listNames[i], m_doc.users[i].name));
    const QSignalBlocker block(m_list);
    m_list->clear();
    m_list->addItems(lines);
}

bool UsersScreen::hasCurrent() const {
    return m_current >= 0 && static_cast<std::size_t>(m_current) < m_doc.users.size() &&
           static_cast<std::size_t>(m_current) < m_listNames.size();
}

UserEntry& UsersScreen::currentUser() {
    return m_doc.users[static_cast<std::size_t>(m_current)];
}

bool UsersScreen::challengeOn() const {
    return m_challenge->isChecked();
}

void UsersScreen::showCurrent() {
    const bool editable = hasCurrent();
    for (QWidget* w : std::initializer_list<QWidget*>{m_name, m_callSign, m_enabled, m_password,
                                                      m_whole, m_challenge, m_digits,
                                                      m_clearanceBox, m_description, m_autopatch})
        w->setEnabled(editable);
    if (!editable) {
        m_title->clear();
        for (QLineEdit* field : {m_name, m_callSign, m_password, m_digits})
            setTextQuietly(field, QString());
        setTextQuietly(m_description, QString());
        return;
    }
    const UserEntry& user = currentUser();
    setTextQuietly(m_description, toQString(user.description));
    m_title->setText(toQString(m_listNames[static_cast<std::size_t>(m_current)]));
    setTextQuietly(m_name, toQString(user.name));
    setTextQuietly(m_callSign, toQString(user.callSign));
    setTextQuietly(m_password, toQString(user.password));
    setTextQuietly(m_digits, QString::number(user.challengeDigits));
    checkQuietly(m_clearance, user.clearanceLevel);
    checkQuietly(m_mode, user.passwordMode == kWholePassword ? kWholePassword : kChallenge);
    showChallengeField(user.passwordMode != kWholePassword);
    {
        const QSignalBlocker block(m_enabled);
        m_enabled->setChecked(user.enabled != 0);
    }
    const QSignalBlocker block(m_list);
    m_list->setCurrentRow(m_current);
    m_saved = user;
}

void UsersScreen::showChallengeField(bool shown) {
    m_digitsLabel->setVisible(shown);
    m_digits->setVisible(shown);
}

void UsersScreen::updateListLine(int row) {
    QListWidgetItem* item = m_list->item(row);
    if (!item || static_cast<std::size_t>(row) >= m_listNames.size())
        return;
    const std::size_t i = static_cast<std::size_t>(row);
    item->setText(toQString(userListLine(m_listNames[i], m_doc.users[i].name)));
}

void UsersScreen::onSelectionChanged(int row) {
    if (row < 0 || row == m_current)
        return;
    m_current = row;
    showCurrent();
}

void UsersScreen::onNameChanged() {
    const QString text = m_name->text();
    if (!hasCurrent() || applyFieldEdit(m_name, checkUserName(text.toStdU16String()), m_prompter))
        return;
    UserEntry& user = currentUser();
    std::string name = toStdString(text);
    const bool renamed = name != user.name;
    user.name = std::move(name);
    // Naming a user is taken as meaning to use it; clearing the name leaves it enabled.
    if (!user.name.empty() && user.enabled == 0)
        m_enabled->setChecked(true);
    if (renamed)
        updateListLine(m_current);
}

void UsersScreen::onCallSignChanged() {
    const QString text = m_callSign->text();
    if (!hasCurrent() ||
        applyFieldEdit(m_callSign, checkCallSign(text.toStdU16String()), m_prompter))
        return;
    currentUser().callSign = toStdString(text);
}

void UsersScreen::onPasswordChanged() {
    const QString text = m_password->text();
    if (!hasCurrent() ||
        applyFieldEdit(m_password, checkPassword(text.toStdU16String()), m_prompter))
        return;
    UserEntry& user = currentUser();
    const auto length = static_cast<std::size_t>(text.size());
    if (const auto clamp =
            clampedChallenge(challengeOn(), length, numberIn(m_digits->text().toStdU16String()))) {
        user.challengeDigits = *clamp;
        setTextQuietly(m_digits, QString::number(*clamp));
        m_prompter.inform(kChallengeTooLong);
    }
    user.password = toStdString(text);
}

void UsersScreen::onChallengeDigitsChanged() {
    const std::u16string text = m_digits->text().toStdU16String();
    const auto passwordLength = static_cast<std::size_t>(m_password->text().size());
    if (!hasCurrent() ||
        applyFieldEdit(m_digits, checkChallengeField(text, challengeOn(), passwordLength),
                       m_prompter))
        return;
    currentUser().challengeDigits = static_cast<int>(numberIn(text));
}

void UsersScreen::onPasswordModeChosen(int mode, bool checked) {
    if (!checked || !hasCurrent())
        return;
    UserEntry& user = currentUser();
    user.passwordMode = mode;
    showChallengeField(mode == kChallenge);
    if (mode != kChallenge)
        return; // the number of digits stays for a later challenge
    const auto passwordLength = static_cast<std::size_t>(m_password->text().size());
    if (const auto clamp =
            clampedChallenge(true, passwordLength, numberIn(m_digits->text().toStdU16String()))) {
        user.challengeDigits = *clamp;
        setTextQuietly(m_digits, QString::number(*clamp));
        m_prompter.inform(kChallengeTooLong);
    }
}

void UsersScreen::onClearanceChosen(int level, bool checked) {
    if (checked && hasCurrent())
        currentUser().clearanceLevel = level;
}

void UsersScreen::onEnabledToggled(bool on) {
    if (hasCurrent())
        currentUser().enabled = on ? 1 : 0;
}

void UsersScreen::onDescriptionChanged() {
    const QString text = m_description->toPlainText();
    if (!hasCurrent() ||
        applyFieldEdit(m_description, checkUserDescription(text.toStdU16String()), m_prompter))
        return;
    currentUser().description = toStdString(text);
}

void UsersScreen::runSubScreen(UserSubScreen& screen) {
    // New and Open would pull the user from under the sub-screen; they refuse while it is up.
    m_doc.setSubScreenGuard(false);
    screen.exec();
    m_doc.setSubScreenGuard(true);
}

void UsersScreen::onAutopatch() {
    if (!hasCurrent())
        return;
    AutopatchScreen screen(m_doc, m_prompter, static_cast<std::size_t>(m_current), this);
    runSubScreen(screen);
}

void UsersScreen::onPaging() {
    if (!hasCurrent())
        return;
    PagingScreen screen(m_doc, m_prompter, static_cast<std::size_t>(m_current), this);
    runSubScreen(screen);
}

bool UsersScreen::acceptEdits() {
    // Every change is stored already; the window only goes.
    m_listNames.clear();
    return true;
}

void UsersScreen::cancelEdits() {
    // Values saved from a document that has been replaced since belong to no user any more.
    if (hasCurrent() && !m_doc.refreshFlag(ScreenId::Users))
        restoreUserFields(currentUser(), m_saved);
    m_listNames.clear();
}

void UsersScreen::refreshFromDocument() {
    // A document made from other catalogs may have another number of users.
    if (m_listNames.size() != m_doc.users.size())
        loadListNames();
    else
        fillList();
    if (!hasCurrent())
        m_current = 0;
    showCurrent();
}

} // namespace merix
