#include "screens/MiscSetupScreen.h"

#include "document/Prompter.h"
#include "screens/Captions.h"
#include "screens/ChoiceButtons.h"
#include "screens/HiddenControls.h"
#include "screens/MiscSetupCatalog.h"
#include "screens/MiscSetupRules.h"
#include "screens/PortChoice.h"
#include "screens/QtText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace merix {

namespace {

// The Preaccess value of "Link", the third button: only a link has a dial tone and an access
// code.
constexpr int kPreaccessLink = 2;

} // namespace

MiscSetupScreen::MiscSetupScreen(const ScreenContext& context, QWidget* parent)
    : EditingScreen(ScreenId::MiscSetup, context, parent) {
    setWindowTitle(QStringLiteral("Misc Setup"));
    buildControls();
    // 300 by 270 dialog units: the port's settings in two columns over its description.
    resizeInDialogUnits(300, 270);

    m_doc.clearRefreshFlag(ScreenId::MiscSetup);
    loadAccessModes();
    m_port = 1;
    showPort();
    m_backup = m_doc.ports;
    m_ports->setFocus();
}

QCheckBox* MiscSetupScreen::addCheck(const char* caption, int PortSetup::*setting) {
    auto* box = new QCheckBox(QString::fromUtf8(caption));
    m_checks.push_back({setting, box});
    connect(box, &QCheckBox::clicked, this,
            [this, setting](bool checked) { onCheckClicked(setting, checked); });
    return box;
}

QGroupBox* MiscSetupScreen::addChoice(const char* title, std::vector<const char*> captions,
                                      int PortSetup::*setting) {
    auto* group = new QGroupBox(QString::fromUtf8(title));
    auto* buttons = new QButtonGroup(group);
    auto* layout = new QVBoxLayout(group);
    for (std::size_t value = 0; value < captions.size(); ++value) {
        auto* radio = new QRadioButton(QString::fromUtf8(captions[value]));
        buttons->addButton(radio, static_cast<int>(value));
        layout->addWidget(radio);
    }
    m_choices.push_back({setting, buttons});
    // Clicks only: showing a port checks buttons without storing anything.
    connect(buttons, &QButtonGroup::idClicked, this,
            [this, setting](int value) { onChoiceClicked(setting, value); });
    return group;
}

QGroupBox* MiscSetupScreen::buildPreaccess() {
    QGroupBox* group = addChoice("Pr&eaccess", {"Off", "Repeater", "Link"}, &PortSetup::Preaccess);
    auto* layout = static_cast<QVBoxLayout*>(group->layout());
    m_dialTone = addCheck("D&ial Tone", &PortSetup::DialTone);
    m_accessCodeLabel = new QLabel(QStringLiteral("Acce&ss Code:"));
    m_accessCode = new QLineEdit;
    m_accessCode->setFixedWidth(
        m_accessCode->fontMetrics().horizontalAdvance(QStringLiteral("000000000")) + 12);
    labelControl(m_accessCodeLabel, m_accessCode);
    auto* codeRow = new QHBoxLayout;
    codeRow->addWidget(m_accessCodeLabel);
    codeRow->addWidget(m_accessCode);
    codeRow->addStretch(1);
    layout->addWidget(m_dialTone);
    layout->addLayout(codeRow);
    // The link's settings come and go with "Link"; the group keeps its size meanwhile.
    for (QWidget* w : {static_cast<QWidget*>(m_dialTone), static_cast<QWidget*>(m_accessCodeLabel),
                       static_cast<QWidget*>(m_accessCode)})
        keepPlaceWhenHidden(w);
    connect(m_accessCode, &QLineEdit::textChanged, this, &MiscSetupScreen::onAccessCodeChanged);
    return group;
}

QGroupBox* MiscSetupScreen::buildExecuter() {
    auto* group = new QGroupBox(QStringLiteral("E&xecuter Options"));
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(addCheck("Command Chaining", &PortSetup::Chaining));
    layout->addWidget(addCheck("Timed Execution", &PortSetup::TimedExecution));
    auto* label = new QLabel(QStringLiteral("Command Executer:"));
    m_executer = new QLineEdit;
    m_executer->setFixedWidth(m_executer->fontMetrics().horizontalAdvance(QStringLiteral("000")) +
                              12);
    labelControl(label, m_executer);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_executer);
    row->addStretch(1);
    layout->addLayout(row);
    connect(m_executer, &QLineEdit::textChanged, this, &MiscSetupScreen::onExecuterChanged);
    return group;
}

void MiscSetupScreen::buildControls() {
    m_ports = new QComboBox;
    m_ports->setAccessibleName(QStringLiteral("Port"));
    for (int port = 1; port <= kPortCount; ++port)
        m_ports->addItem(toQString(portChoiceText(port)));

    auto* left = new QVBoxLayout;
    left->addWidget(addCheck("&DTMF Mute", &PortSetup::DTMFMute));
    left->addWidget(addCheck("&Cover Tone", &PortSetup::CoverTone));
    left->addWidget(addCheck("&Bypass", &PortSetup::Bypass));
    m_password = new QCheckBox(QStringLiteral("&Active Password System"));
    left->addWidget(m_password);
    left->addWidget(buildPreaccess());
    auto* modeLabel = new QLabel(QStringLiteral("Access &Mode"));
    m_accessMode = new QComboBox;
    labelControl(modeLabel, m_accessMode);
    left->addWidget(modeLabel);
    left->addWidget(m_accessMode);
    left->addStretch(1);

    auto* right = new QVBoxLayout;
    right->addWidget(addChoice("ID's", {"Off", "On"}, &PortSetup::IDOnOff));
    right->addWidget(addChoice("ID's", {"Rotating", "Random"}, &PortSetup::IDRandRotating));
    right->addWidget(buildExecuter());
    // The controller's polarities are set by its jumpers; the settings stay in the document.
    for (auto [title, setting] : {std::pair{"CO&R Polarity", &PortSetup::CORPolarity},
                                  std::pair{"P&L Polarity", &PortSetup::PLPolarity}}) {
        QGroupBox* group = addChoice(title, {"Active Low", "Active High"}, setting);
        group->hide();
        right->addWidget(group);
    }
    right->addStretch(1);

    m_description = new QPlainTextEdit;
    m_description->setReadOnly(true);
    m_description->setAccessibleName(QStringLiteral("Description"));

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    auto* portRow = new QHBoxLayout;
    portRow->addWidget(m_ports);
    portRow->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(portRow);
    layout->addLayout(columns);
    layout->addWidget(m_description, 1);
    layout->addLayout(okCancelRow());

    connect(m_ports, &QComboBox::activated, this, &MiscSetupScreen::onPortChosen);
    connect(m_password, &QCheckBox::clicked, this, &MiscSetupScreen::onPasswordClicked);
    connect(m_accessMode, &QComboBox::activated, this, &MiscSetupScreen::onAccessModeChosen);
}

void MiscSetupScreen::loadAccessModes() {
    BusyGuard guard(m_busy);
    AccessModeChoices modes = readAccessModeChoices(m_doc.catalogPath("access.cfg"));
    for (const std::string& name : modes.names)
        m_accessMode->addItem(toQString(name));
    m_accessModes = std::move(modes.names);
    showCatalogNotice(modes.notice);
}

QCheckBox* MiscSetupScreen::checkBox(int PortSetup::*setting) const {
    for (const CheckSetting& check : m_checks) {
        if (check.setting == setting)
            return check.box;
    }
    return setting == &PortSetup::PasswordSystem ? m_password : nullptr;
}

QAbstractButton* MiscSetupScreen::choice(int PortSetup::*setting, int value) const {
    for (const ChoiceSetting& c : m_choices) {
        if (c.setting == setting)
            return c.buttons->button(value);
    }
    return nullptr;
}

PortSetup& MiscSetupScreen::shownSetup() {
    return m_doc.ports[static_cast<std::size_t>(m_port - 1)];
}

void MiscSetupScreen::showPort() {
    const PortSetup& port = shownSetup();
    m_ports->setCurrentIndex(m_port - 1);
    for (const CheckSetting& check : m_checks)
        check.box->setChecked(port.*check.setting != 0);
    m_password->setChecked(port.PasswordSystem != 0);
    // A value no button names (a hand-edited document) ticks none, and stays stored as it is
    // until the user chooses.
    for (const ChoiceSetting& c : m_choices)
        checkQuietly(c.buttons, port.*c.setting);
    showLinkControls(port.Preaccess == kPreaccessLink);
    m_accessMode->setCurrentIndex(accessModeIndex(m_accessModes, port.AccessMode.view()));
    setTextQuietly(m_executer, toQString(port.ForceExecutionDigit));
    setTextQuietly(m_accessCode, toQString(port.AccessCode));
    m_description->setPlainText(toQString(port.portDescription));
}

void MiscSetupScreen::showLinkControls(bool link) {
    m_dialTone->setVisible(link);
    m_accessCodeLabel->setVisible(link);
    m_accessCode->setVisible(link);
}

void MiscSetupScreen::onPortChosen(int index) {
    m_port = portFromChoiceText(toStdString(m_ports->itemText(index)));
    showPort();
}

void MiscSetupScreen::onCheckClicked(int PortSetup::*setting, bool checked) {
    shownSetup().*setting = checked ? 1 : 0;
}

void MiscSetupScreen::onPasswordClicked(bool checked) {
    // One password system serves the whole controller.
    for (PortSetup& port : m_doc.ports)
        port.PasswordSystem = checked ? 1 : 0;
}

void MiscSetupScreen::onChoiceClicked(int PortSetup::*setting, int value) {
    shownSetup().*setting = value;
    if (setting == &PortSetup::Preaccess)
        showLinkControls(value == kPreaccessLink);
}

void MiscSetupScreen::onAccessModeChosen(int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < m_accessModes.size())
        shownSetup().AccessMode = keptAccessMode(m_accessModes[static_cast<std::size_t>(index)]);
}

void MiscSetupScreen::onAccessCodeChanged() {
    const PortTextVerdict verdict = judgeAccessCode(toStdString(m_accessCode->text()));
    switch (verdict.action) {
    case PortTextVerdict::Action::RemoveCharacter:
        removeTypedCharacter(m_accessCode, verdict.position);
        return;
    case PortTextVerdict::Action::Cut:
        m_prompter.inform(verdict.message);
        m_accessCode->setText(toQString(verdict.text)); // stored as a change of its own
        return;
    case PortTextVerdict::Action::Store:
        shownSetup().AccessCode = verdict.text;
        return;
    }
}

void MiscSetupScreen::onExecuterChanged() {
    const PortTextVerdict verdict = judgeExecuterDigit(toStdString(m_executer->text()));
    switch (verdict.action) {
    case PortTextVerdict::Action::RemoveCharacter:
        removeTypedCharacter(m_executer, verdict.position);
        return;
    case PortTextVerdict::Action::Cut:
        m_executer->setText(toQString(verdict.text)); // stored as a change of its own
        m_executer->setCursorPosition(qtIndex(verdict.text, verdict.position));
        return;
    case PortTextVerdict::Action::Store:
        shownSetup().ForceExecutionDigit = verdict.text;
        return;
    }
}

void MiscSetupScreen::cancelEdits() {
    // After a New or Open not yet shown, the backup is the old document's.
    if (!m_doc.refreshFlag(ScreenId::MiscSetup))
        m_doc.ports = m_backup;
}

void MiscSetupScreen::refreshFromDocument() {
    showPort();
    m_backup = m_doc.ports;
}

} // namespace merix
