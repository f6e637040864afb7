#include "screens/Captions.h"
#include "screens/HiddenControls.h"
#include "screens/MessageFieldRules.h"
#include "screens/MessagesScreen.h"

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
#include <QStackedWidget>
#include <QVBoxLayout>

namespace merix {

namespace {

QListWidget* makeList() {
    auto* list = new QListWidget;
    // Thousands of words: rows of one height are laid out without measuring each.
    list->setUniformItemSizes(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

// A label and its field on one row, shown and hidden together.
QWidget* labelledRow(const QString& caption, QLineEdit* field) {
    auto* row = new QWidget;
    auto* label = new QLabel(caption);
    labelControl(label, field);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(field, 1);
    return row;
}

} // namespace

void MessagesScreen::buildControls() {
    auto* commandsLabel = new QLabel(QStringLiteral("&Commands:"));
    m_list = makeList();
    labelControl(commandsLabel, m_list);
    auto* descriptionLabel = new QLabel(QStringLiteral("&Description"));
    m_description = new QPlainTextEdit;
    m_description->setReadOnly(true);
    m_description->setFocusPolicy(Qt::StrongFocus);
    m_description->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    labelControl(descriptionLabel, m_description);
    m_vocabularyTitle = new QLabel;
    m_vocabulary = makeList();

    m_clear = makeScreenButton(QStringLiteral("Clear &Message"));
    m_text = new QLineEdit;
    m_text->setMaxLength(static_cast<int>(kMessageTextCapacity));
    // The field has no label of its own; screen readers still need to name it.
    m_text->setAccessibleName(QStringLiteral("Message Text"));
    auto* textRow = new QHBoxLayout;
    textRow->addWidget(m_clear);
    textRow->addWidget(m_text, 1);

    auto* grid = new QGridLayout(this);
    grid->addWidget(commandsLabel, 0, 0);
    grid->addWidget(descriptionLabel, 0, 1);
    grid->addWidget(m_vocabularyTitle, 0, 2);
    grid->addWidget(m_list, 1, 0, 3, 1);
    grid->addLayout(buildPanel(), 1, 1);
    grid->addWidget(m_vocabulary, 1, 2);
    grid->addLayout(textRow, 2, 1, 1, 2);
    grid->addWidget(buildFieldRows(), 3, 1, 1, 2);
    grid->addLayout(okCancelRow(), 4, 0, 1, 3);
    // The message list, the panel and the vocabulary list are 125, 190 and 150 dialog units
    // wide.
    grid->setColumnStretch(0, 125);
    grid->setColumnStretch(1, 190);
    grid->setColumnStretch(2, 150);
    grid->setRowStretch(1, 1);

    QWidget* const order[] = {
        m_list,           m_description, m_voice,        m_polite,  m_cw,   m_dvr,
        m_cancelMessage,  m_cwId,        m_command,      m_clear,   m_text, m_commandField,
        m_dvrDescription, m_vocabulary,  cancelButton(), okButton()};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    connectControls();
}

QLayout* MessagesScreen::buildPanel() {
    m_title = new QLabel;
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setFrameShape(QFrame::StyledPanel);

    m_typeGroup = new QGroupBox(QStringLiteral("Message &Type"));
    m_voice = new QRadioButton(QStringLiteral("Vo&ice"));
    m_polite = new QRadioButton(QStringLiteral("&Polite Voice"));
    m_cw = new QRadioButton(QStringLiteral("C&W"));
    m_dvr = new QRadioButton(QStringLiteral("D&VR"));
    auto* types = new QGridLayout(m_typeGroup);
    types->addWidget(m_voice, 0, 0);
    types->addWidget(m_polite, 1, 0);
    types->addWidget(m_cw, 0, 1);
    types->addWidget(m_dvr, 1, 1);

    m_interruptGroup = new QGroupBox(QStringLiteral("If Interrupted E&xecute"));
    m_cancelMessage = new QRadioButton(QStringLiteral("Cancel Message"));
    m_cwId = new QRadioButton(QStringLiteral("CW ID"));
    m_command = new QRadioButton(QStringLiteral("Command"));
    auto* actions = new QVBoxLayout(m_interruptGroup);
    actions->addWidget(m_cancelMessage);
    actions->addWidget(m_cwId);
    actions->addWidget(m_command);
    keepPlaceWhenHidden(m_interruptGroup);

    auto* groups = new QHBoxLayout;
    groups->addWidget(m_typeGroup, 1);
    groups->addWidget(m_interruptGroup, 1);
    auto* panel = new QVBoxLayout;
    panel->addWidget(m_title);
    panel->addWidget(m_description, 1);
    panel->addLayout(groups);
    return panel;
}

QWidget* MessagesScreen::buildFieldRows() {
    m_commandField = new QLineEdit;
    m_commandField->setMaxLength(static_cast<int>(kCommandFieldCapacity));
    m_commandRow =
        labelledRow(QStringLiteral("Command to &Execute if Interrupted:"), m_commandField);
    m_dvrDescription = new QLineEdit;
    m_dvrDescription->setMaxLength(static_cast<int>(kDvrDescriptionCapacity));
    m_dvrRow = labelledRow(QStringLiteral("DV&R Description:"), m_dvrDescription);
    // The command row and the DVR description row share one place; an empty page keeps it
    // when neither is shown, so the window does not jump as the type changes.
    m_fieldRows = new QStackedWidget;
    m_fieldRows->addWidget(new QWidget);
    m_fieldRows->addWidget(m_commandRow);
    m_fieldRows->addWidget(m_dvrRow);
    return m_fieldRows;
}

void MessagesScreen::connectControls() {
    connect(m_list, &QListWidget::currentRowChanged, this, &MessagesScreen::onMessageSelected);
    const std::pair<QRadioButton*, MessageKind> types[] = {
        {m_voice, MessageKind::Voice},
        {m_polite, MessageKind::PoliteVoice},
        {m_cw, MessageKind::Cw},
        {m_dvr, MessageKind::Dvr},
    };
    for (const auto& [button, kind] : types)
        connect(button, &QRadioButton::clicked, this, [this, kind = kind] { onTypeClicked(kind); });
    const std::pair<QRadioButton*, InterruptAction> actions[] = {
        {m_cancelMessage, InterruptAction::CancelMessage},
        {m_cwId, InterruptAction::CwId},
        {m_command, InterruptAction::Command},
    };
    for (const auto& [button, action] : actions)
        connect(button, &QRadioButton::clicked, this,
                [this, action = action] { onInterruptClicked(action); });
    connect(m_clear, &QPushButton::clicked, this, &MessagesScreen::onClearMessage);
    connect(m_text, &QLineEdit::textChanged, this, &MessagesScreen::onTextChanged);
    connect(m_commandField, &QLineEdit::textChanged, this, &MessagesScreen::onCommandChanged);
    connect(m_dvrDescription, &QLineEdit::textChanged, this,
            &MessagesScreen::onDvrDescriptionChanged);
    connect(m_vocabulary, &QListWidget::currentRowChanged, this,
            &MessagesScreen::onVocabularyRowChanged);
    connect(m_vocabulary, &QListWidget::itemDoubleClicked, this,
            &MessagesScreen::onVocabularyDoubleClicked);
    for (QWidget* w :
         {static_cast<QWidget*>(m_list), static_cast<QWidget*>(m_description),
          static_cast<QWidget*>(m_commandField), static_cast<QWidget*>(m_dvrDescription),
          static_cast<QWidget*>(m_text), m_list->viewport()})
        w->installEventFilter(this);
}

QRadioButton* MessagesScreen::typeButton(MessageKind kind) const {
    switch (kind) {
    case MessageKind::Voice:
        return m_voice;
    case MessageKind::PoliteVoice:
        return m_polite;
    case MessageKind::Cw:
        return m_cw;
    case MessageKind::Dvr:
        break;
    }
    return m_dvr;
}

QRadioButton* MessagesScreen::interruptButton(InterruptAction action) const {
    switch (action) {
    case InterruptAction::CancelMessage:
        return m_cancelMessage;
    case InterruptAction::CwId:
        return m_cwId;
    case InterruptAction::Command:
        break;
    }
    return m_command;
}

} // namespace merix
