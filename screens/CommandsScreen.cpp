#include "screens/CommandsScreen.h"

#include "document/CatalogFields.h"
#include "document/Prompter.h"
#include "screens/Captions.h"
#include "screens/CommandRules.h"
#include "screens/QtText.h"
#include "screens/TypedText.h"

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

CommandsScreen::CommandsScreen(const ScreenContext& context, QWidget* parent)
    : EditingScreen(ScreenId::Commands, context, parent) {
    setWindowTitle(QStringLiteral("Commands"));
    buildControls();
    resizeInDialogUnits(361, 250); // the window of the screen's layout

    m_doc.clearRefreshFlag(ScreenId::Commands);
    {
        BusyGuard guard(m_busy);
        loadCatalog();
        fillList();
    }
    showCurrent();
    m_list->setFocus();
}

void CommandsScreen::buildControls() {
    auto* commandsLabel = new QLabel(QStringLiteral("&Commands:"));
    m_list = new QListWidget;
    m_list->setUniformItemSizes(true);
    labelControl(commandsLabel, m_list);
    auto* searchLabel = new QLabel(QStringLiteral("&Search For Command Name:"));
    m_search = new QLineEdit;
    labelControl(searchLabel, m_search);

    auto* descriptionLabel = new QLabel(QStringLiteral("&Description:"));
    auto* frame = new QFrame;
    frame->setFrameShape(QFrame::StyledPanel);
    m_label = new QLabel;
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setWordWrap(true);
    auto* nameLabel = new QLabel(QStringLiteral("&Name:"));
    m_name = new QLineEdit;
    m_name->setFixedWidth(m_name->fontMetrics().horizontalAdvance(QStringLiteral("MMMMMMMM")) + 12);
    labelControl(nameLabel, m_name);
    m_description = new QPlainTextEdit;
    m_description->setReadOnly(true);
    labelControl(descriptionLabel, m_description);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(m_name);
    nameRow->addStretch(1);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(m_label);
    frameLayout->addLayout(nameRow);
    frameLayout->addWidget(buildPortsBox());
    frameLayout->addWidget(buildClearanceBox());
    frameLayout->addWidget(m_description, 1);

    auto* leftColumn = new QVBoxLayout;
    leftColumn->addWidget(m_list, 1);
    leftColumn->addWidget(searchLabel);
    leftColumn->addWidget(m_search);

    auto* grid = new QGridLayout(this);
    grid->addWidget(commandsLabel, 0, 0);
    grid->addWidget(descriptionLabel, 0, 1);
    grid->addLayout(leftColumn, 1, 0);
    grid->addWidget(frame, 1, 1);
    grid->addLayout(okCancelRow(), 2, 0, 1, 2);
    // The list is 144 and the description frame 189 dialog units wide.
    grid->setColumnStretch(0, 144);
    grid->setColumnStretch(1, 189);
    grid->setRowStretch(1, 1);

    setTabOrder(m_list, m_search);
    setTabOrder(m_search, m_name);
    setTabOrder(m_name, m_ports.front());
    setTabOrder(m_ports.back(), m_levels.front());
    setTabOrder(m_levels.back(), m_description);
    setTabOrder(m_description, cancelButton());
    setTabOrder(cancelButton(), okButton());

    connect(m_list, &QListWidget::currentRowChanged, this, &CommandsScreen::onSelectionChanged);
    connect(m_search, &QLineEdit::textChanged, this, &CommandsScreen::onSearchChanged);
    connect(m_name, &QLineEdit::textChanged, this, &CommandsScreen::onNameChanged);
}

QGroupBox* CommandsScreen::buildPortsBox() {
    m_portsBox = new QGroupBox(QStringLiteral("&Port(s)"));
    auto* row = new QHBoxLayout(m_portsBox);
    for (int port = 1; port <= kPortCount; ++port) {
        QCheckBox* box = new QCheckBox(QString::number(port));
        m_ports[static_cast<std::size_t>(port - 1)] = box;
        row->addWidget(box);
        connect(box, &QCheckBox::clicked, this,
                [this, port](bool checked) { onPortClicked(port, checked); });
    }
    for (std::size_t i = 1; i < m_ports.size(); ++i)
        setTabOrder(m_ports[i - 1], m_ports[i]);
    return m_portsBox;
}

QGroupBox* CommandsScreen::buildClearanceBox() {
    m_clearanceBox = new QGroupBox(QStringLiteral("Clearance &Level"));
    m_levelGroup = new QButtonGroup(this);
    auto* row = new QHBoxLayout(m_clearanceBox);
    for (int level = 0; level < static_cast<int>(m_levels.size()); ++level) {
        auto* button = new QRadioButton(QString::number(level));
        m_levels[static_cast<std::size_t>(level)] = button;
        m_levelGroup->addButton(button, level);
        row->addWidget(button);
    }
    connect(m_levelGroup, &QButtonGroup::idClicked, this, &CommandsScreen::onClearanceClicked);
    return m_clearanceBox;
}

void CommandsScreen::loadCatalog() {
    EntryCatalog catalog =
        readEntryCatalog(m_doc.catalogPath("commands.cfg"), "commands.cfg", commandsLayout(),
                         CommandFields::Label, CommandFields::Description, m_doc.commands.size());
    m_entries = std::move(catalog.entries);
    showCatalogNotice(catalog.notice);
}

void CommandsScreen::fillList() {
    m_lines.clear();
    m_lines.reserve(m_entries.size());
    QStringList items;
    items.reserve(static_cast<qsizetype>(m_entries.size()));
    for (std::size_t i = 0; i < m_entries.size() && i < m_doc.commands.size(); ++i) {
        m_lines.push_back(commandListLine(m_doc.commands[i].name.view(), m_entries[i].label));
        items.push_back(toQString(m_lines.back()));
    }
    const QSignalBlocker block(m_list);
    m_list->clear();
    m_list->addItems(items);
}

bool CommandsScreen::hasCurrent() const {
    return m_current >= 0 && static_cast<std::size_t>(m_current) < m_lines.size();
}

CommandEntry& CommandsScreen::currentCommand() {
    return m_doc.commands[static_cast<std::size_t>(m_current)];
}

void CommandsScreen::showCurrent() {
    const bool editable = hasCurrent();
    for (QWidget* w : {static_cast<QWidget*>(m_name), static_cast<QWidget*>(m_portsBox),
                       static_cast<QWidget*>(m_clearanceBox)})
        w->setEnabled(editable);
    if (!editable) {
        m_label->clear();
        m_description->clear();
        setTextQuietly(m_name, QString());
        return;
    }
    const EntryText& text = m_entries[static_cast<std::size_t>(m_current)];
    const CommandEntry& command = currentCommand();
    m_description->setPlainText(toQString(text.description));
    m_label->setText(toQString(text.label));
    // The stored name is shown as it is; the rules apply to what the user changes.
    setTextQuietly(m_name, toQString(command.name));
    for (std::size_t p = 0; p < m_ports.size(); ++p)
        m_ports[p]->setChecked(command.portEnabled[p] != 0);
    const int level = command.clearanceLevel;
    // A level from a document outside 0..7 shows no choice at all.
    m_levelGroup->setExclusive(false);
    for (std::size_t l = 0; l < m_levels.size(); ++l)
        m_levels[l]->setChecked(static_cast<int>(l) == level);
    m_levelGroup->setExclusive(true);
    {
        const QSignalBlocker block(m_list);
        m_list->setCurrentRow(m_current);
    }
    m_saved = SavedCommand{command.name.str(), command.portEnabled, command.clearanceLevel};
}

void CommandsScreen::updateListLine(std::size_t index) {
    m_lines[index] = commandListLine(m_doc.commands[index].name.view(), m_entries[index].label);
    m_list->item(static_cast<int>(index))->setText(toQString(m_lines[index]));
}

void CommandsScreen::onNameChanged() {
    if (!hasCurrent())
        return;
    const NameCheck check = checkCommandName(m_name->text().toStdU16String());
    switch (check.outcome) {
    case NameCheck::Outcome::TooLong:
        m_prompter.inform(std::string(kNameTooLongMessage));
        m_name->setText(QString::fromStdU16String(check.text)); // stored as a change of its own
        return;
    case NameCheck::Outcome::Fixed:
        m_name->setText(QString::fromStdU16String(check.text)); // checked and stored again
        m_name->setCursorPosition(static_cast<int>(check.caret));
        return;
    case NameCheck::Outcome::Accepted:
        break;
    }
    CommandEntry& command = currentCommand();
    const std::string name = toStdString(m_name->text());
    if (command.name == name)
        return;
    command.name = name;
    updateListLine(static_cast<std::size_t>(m_current));
}

void CommandsScreen::onSearchChanged() {
    const QString typed = m_search->text();
    if (isSearchTooLong(typed.toStdU16String())) {
        m_prompter.inform(std::string(kSearchTooLongMessage));
        m_search->clear();
        return;
    }
    const auto found = firstBeginningWith(m_lines, toStdString(typed));
    if (found && static_cast<int>(*found) != m_current)
        m_list->setCurrentRow(static_cast<int>(*found));
}

void CommandsScreen::onPortClicked(int port, bool checked) {
    if (hasCurrent())
        currentCommand().portEnabled[static_cast<std::size_t>(port - 1)] = checked ? 1 : 0;
}

void CommandsScreen::onClearanceClicked(int level) {
    if (hasCurrent())
        currentCommand().clearanceLevel = level;
}

void CommandsScreen::onSelectionChanged(int row) {
    if (row < 0 || row == m_current)
        return;
    m_current = row;
    showCurrent();
}

void CommandsScreen::cancelEdits() {
    if (!hasCurrent())
        return;
    CommandEntry& command = currentCommand();
    command.name = m_saved.name;
    command.portEnabled = m_saved.ports;
    command.clearanceLevel = m_saved.clearanceLevel;
}

void CommandsScreen::refreshFromDocument() {
    // A document opened on other catalogs may have another number of commands.
    if (m_entries.size() != m_doc.commands.size()) {
        BusyGuard guard(m_busy);
        loadCatalog();
    }
    fillList();
    if (!hasCurrent())
        m_current = 0;
    showCurrent();
}

} // namespace merix
