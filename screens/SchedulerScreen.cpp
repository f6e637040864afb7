#include "screens/SchedulerScreen.h"

#include "document/Prompter.h"
#include "screens/ApplyFieldEdit.h"
#include "screens/Captions.h"
#include "screens/ChoiceButtons.h"
#include "screens/HiddenControls.h"
#include "screens/QtText.h"
#include "screens/SavedFields.h"
#include "screens/SchedulerRules.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace merix {

namespace {

constexpr int kAm = 0;
constexpr int kPm = 1;

QComboBox* makeList(const std::vector<std::string>& entries) {
    auto* list = new QComboBox;
    for (const std::string& entry : entries)
        list->addItem(toQString(entry));
    return list;
}

// The entry that begins with the stored text; a text no entry fits leaves the list as it was.
void selectQuietly(QComboBox* list, const std::vector<std::string>& entries,
                   const std::string& stored) {
    const int index = entryBeginningWith(entries, stored);
    if (index < 0)
        return;
    const QSignalBlocker block(list);
    list->setCurrentIndex(index);
}

QLabel* labelled(const char* caption, QWidget* control) {
    auto* label = new QLabel(QString::fromUtf8(caption));
    labelControl(label, control);
    return label;
}

} // namespace

SchedulerScreen::SchedulerScreen(const ScreenContext& context, QWidget* parent)
    : EditingScreen(ScreenId::Scheduler, context, parent) {
    setWindowTitle(QStringLiteral("Scheduler"));
    buildControls();
    resizeInDialogUnits(400, 270); // the window, in dialog units

    m_doc.clearRefreshFlag(ScreenId::Scheduler);
    showControlsFor(-1);
    loadEvents();
    showCurrent();
    m_list->setFocus();
}

QRadioButton* SchedulerScreen::periodButton(int period) const {
    return static_cast<QRadioButton*>(m_period->button(period));
}

void SchedulerScreen::buildControls() {
    auto* commandsLabel = new QLabel(QStringLiteral("&Commands:"));
    m_list = new QListWidget;
    labelControl(commandsLabel, m_list);

    auto* grid = new QGridLayout(this);
    grid->addWidget(commandsLabel, 0, 0);
    grid->addWidget(m_list, 1, 0);
    grid->addWidget(buildPanel(), 1, 1);
    grid->addLayout(okCancelRow(), 2, 0, 1, 2);
    // The list takes about two fifths of the width, the event's panel the rest.
    grid->setColumnStretch(0, 150);
    grid->setColumnStretch(1, 230);
    grid->setRowStretch(1, 1);

    connect(m_list, &QListWidget::currentRowChanged, this, &SchedulerScreen::onSelectionChanged);
    connect(m_comment, &QLineEdit::textChanged, this, &SchedulerScreen::onCommentChanged);
    connect(m_command, &QLineEdit::textChanged, this, &SchedulerScreen::onCommandChanged);
    connect(m_period, &QButtonGroup::idToggled, this, &SchedulerScreen::onPeriodChosen);
    connect(m_minutes, &QLineEdit::textChanged, this, &SchedulerScreen::onMinutesChanged);
    connect(m_hour, &QComboBox::currentIndexChanged, this, &SchedulerScreen::onHourChosen);
    connect(m_amPm, &QButtonGroup::idToggled, this, &SchedulerScreen::onAmPmChosen);
    connect(m_day, &QComboBox::currentIndexChanged, this, &SchedulerScreen::onDayChosen);
    connect(m_dayOfMonth, &QLineEdit::textChanged, this, &SchedulerScreen::onDayOfMonthChanged);
    connect(m_month, &QComboBox::currentIndexChanged, this, &SchedulerScreen::onMonthChosen);
}

QWidget* SchedulerScreen::buildPanel() {
    auto* panel = new QFrame;
    panel->setFrameShape(QFrame::StyledPanel);
    m_title = new QLabel;
    m_title->setAlignment(Qt::AlignCenter);

    m_comment = new QLineEdit;
    m_comment->setMaxLength(static_cast<int>(kEventCommentCapacity));
    m_command = new QLineEdit;
    auto* commandRow = new QHBoxLayout;
    commandRow->addWidget(labelled("Command/Macro Number to E&xecute:", m_command));
    commandRow->addWidget(m_command);
    commandRow->addStretch(1);
    auto* commentRow = new QHBoxLayout;
    commentRow->addWidget(labelled("Comme&nt:", m_comment));
    commentRow->addWidget(m_comment, 1);

    m_minutes = new QLineEdit;
    m_hour = makeList(hourChoices());
    m_hourLabel = labelled("&Hour:", m_hour);
    m_am = new QRadioButton(QStringLiteral("AM"));
    m_pm = new QRadioButton(QStringLiteral("PM"));
    m_amPm = new QButtonGroup(this);
    m_amPm->addButton(m_am, kAm);
    m_amPm->addButton(m_pm, kPm);
    m_day = makeList(dayChoices());
    m_dayLabel = labelled("D&ay:", m_day);
    m_dayOfMonth = new QLineEdit;
    m_dayOfMonthLabel = labelled("Day of Mon&th:", m_dayOfMonth);
    m_month = makeList(monthChoices());
    m_monthLabel = labelled("Month of &Year:", m_month);
    // Nothing chosen until an event's value picks an entry.
    for (QComboBox* list : {m_hour, m_day, m_month})
        list->setCurrentIndex(-1);
    for (QLineEdit* number : {m_command, m_minutes, m_dayOfMonth})
        number->setFixedWidth(number->fontMetrics().horizontalAdvance(QStringLiteral("00000")) +
                              12);
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_hourLabel, m_hour, m_am, m_pm, m_dayLabel, m_day,
                                         m_dayOfMonthLabel, m_dayOfMonth, m_monthLabel, m_month})
        keepPlaceWhenHidden(w);

    auto* when = new QGridLayout;
    when->addWidget(labelled("&Minutes:", m_minutes), 0, 0);
    when->addWidget(m_minutes, 0, 1, Qt::AlignLeft);
    when->addWidget(m_hourLabel, 0, 2, Qt::AlignRight);
    when->addWidget(m_hour, 0, 3);
    when->addWidget(m_am, 0, 4);
    when->addWidget(m_pm, 0, 5);
    when->addWidget(m_dayLabel, 1, 0);
    when->addWidget(m_day, 1, 1, 1, 3);
    when->addWidget(m_dayOfMonthLabel, 2, 0);
    when->addWidget(m_dayOfMonth, 2, 1, Qt::AlignLeft);
    when->addWidget(m_monthLabel, 3, 0);
    when->addWidget(m_month, 3, 1, 1, 3);
    when->setColumnStretch(6, 1);

    m_description = new QPlainTextEdit;
    m_description->setReadOnly(true);

    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(m_title);
    layout->addLayout(commentRow);
    layout->addLayout(commandRow);
    layout->addWidget(buildPeriodGroup());
    layout->addLayout(when);
    layout->addWidget(labelled("&Description:", m_description));
    layout->addWidget(m_description, 1);
    return panel;
}

QGroupBox* SchedulerScreen::buildPeriodGroup() {
    m_periodBox = new QGroupBox(QStringLiteral("&Event Occurs Once per"));
    m_period = new QButtonGroup(this);
    auto* periods = new QHBoxLayout(m_periodBox);
    const char* const names[kPeriodCount] = {"Hour", "Day", "Week", "Month", "Year"};
    for (int period = 0; period < kPeriodCount; ++period) {
        auto* button = new QRadioButton(QString::fromUtf8(names[period]));
        m_period->addButton(button, period);
        periods->addWidget(button);
    }
    return m_periodBox;
}

void SchedulerScreen::loadEvents() {
    BusyGuard guard(m_busy);
    ScheduleCatalog catalog =
        readScheduleCatalog(m_doc.catalogPath("schedule.cfg"), m_doc.events.size());
    m_info = std::move(catalog.events);
    showCatalogNotice(catalog.notice);
    fillList();
}

void SchedulerScreen::fillList() {
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(m_info.size()));
    for (std::size_t i = 0; i < m_info.size(); ++i)
        lines << toQString(eventListLine(m_info[i].listName, m_doc.events[i].comment.value_or("")));
    const QSignalBlocker block(m_list);
    m_list->clear();
    m_list->addItems(lines);
}

bool SchedulerScreen::hasCurrent() const {
    return m_current >= 0 && static_cast<std::size_t>(m_current) < m_doc.events.size() &&
           static_cast<std::size_t>(m_current) < m_info.size();
}

ScheduleEvent& SchedulerScreen::currentEvent() {
    return m_doc.events[static_cast<std::size_t>(m_current)];
}

void SchedulerScreen::showCurrent() {
    const bool editable = hasCurrent();
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_comment, m_command, m_periodBox, m_minutes, m_hour, m_am,
                                         m_pm, m_day, m_dayOfMonth, m_month})
        w->setEnabled(editable);
    if (!editable) {
        m_title->clear();
        m_description->clear();
        for (QLineEdit* field : {m_comment, m_command, m_minutes, m_dayOfMonth})
            setTextQuietly(field, QString());
        return;
    }
    const EventInfo& info = m_info[static_cast<std::size_t>(m_current)];
    const ScheduleEvent& event = currentEvent();
    m_description->setPlainText(toQString(info.description));
    m_title->setText(toQString(info.listName));
    setTextQuietly(m_comment, toQString(event.comment.value_or("")));
    setTextQuietly(m_command, toQString(event.commandNumber));
    setTextQuietly(m_minutes, QString::number(event.minutes));
    setTextQuietly(m_dayOfMonth, QString::number(event.dayOfMonth));
    selectQuietly(m_hour, hourChoices(), std::to_string(event.hour));
    selectQuietly(m_day, dayChoices(), event.dayName.str());
    selectQuietly(m_month, monthChoices(), event.monthName.str());
    checkQuietly(m_period, event.period);
    showControlsFor(event.period);
    checkQuietly(m_amPm, event.amPm);
    const QSignalBlocker block(m_list);
    m_list->setCurrentRow(m_current);
    m_saved = event;
}

void SchedulerScreen::showControlsFor(int period) {
    const PeriodControls shown = controlsShownFor(period);
    for (QWidget* w : std::initializer_list<QWidget*>{m_hourLabel, m_hour, m_am, m_pm})
        w->setVisible(shown.hour);
    m_dayLabel->setVisible(shown.day);
    m_day->setVisible(shown.day);
    m_dayOfMonthLabel->setVisible(shown.dayOfMonth);
    m_dayOfMonth->setVisible(shown.dayOfMonth);
    m_monthLabel->setVisible(shown.month);
    m_month->setVisible(shown.month);
}

void SchedulerScreen::updateListLine(int row) {
    QListWidgetItem* item = m_list->item(row);
    if (!item || static_cast<std::size_t>(row) >= m_info.size())
        return;
    const std::size_t i = static_cast<std::size_t>(row);
    item->setText(
        toQString(eventListLine(m_info[i].listName, m_doc.events[i].comment.value_or(""))));
}

void SchedulerScreen::onSelectionChanged(int row) {
    if (row < 0 || row == m_current)
        return;
    m_current = row;
    showCurrent();
}

void SchedulerScreen::onCommentChanged() {
    const QString text = m_comment->text();
    if (!hasCurrent() ||
        applyFieldEdit(m_comment, checkEventComment(text.toStdU16String()), m_prompter))
        return;
    ScheduleEvent& event = currentEvent();
    const std::string comment = toStdString(text);
    const bool changed = comment != event.comment.value_or("");
    if (comment.empty())
        event.comment.reset();
    else
        event.comment = comment;
    if (changed)
        updateListLine(m_current);
}

void SchedulerScreen::onCommandChanged() {
    const QString text = m_command->text();
    if (!hasCurrent() ||
        applyFieldEdit(m_command, checkCommandNumber(text.toStdU16String()), m_prompter))
        return;
    currentEvent().commandNumber = toStdString(text);
}

void SchedulerScreen::onPeriodChosen(int period, bool checked) {
    if (!checked || !hasCurrent())
        return;
    currentEvent().period = period;
    showControlsFor(period);
}

void SchedulerScreen::onMinutesChanged() {
    const std::u16string text = m_minutes->text().toStdU16String();
    if (!hasCurrent() || applyFieldEdit(m_minutes, checkMinutes(text), m_prompter))
        return;
    currentEvent().minutes = static_cast<int>(numberIn(text));
}

void SchedulerScreen::onHourChosen(int index) {
    if (index >= 0 && hasCurrent())
        currentEvent().hour = index + 1;
}

void SchedulerScreen::onAmPmChosen(int amPm, bool checked) {
    if (checked && hasCurrent())
        currentEvent().amPm = amPm;
}

void SchedulerScreen::onDayChosen(int index) {
    if (index < 0 || !hasCurrent())
        return;
    const std::string& name = dayChoices()[static_cast<std::size_t>(index)];
    if (currentEvent().dayName != name)
        currentEvent().dayName = name;
}

void SchedulerScreen::onDayOfMonthChanged() {
    const std::u16string text = m_dayOfMonth->text().toStdU16String();
    if (!hasCurrent())
        return;
    const std::string month = toStdString(m_month->currentText());
    if (applyFieldEdit(m_dayOfMonth, checkDayOfMonth(text, currentEvent().period, month),
                       m_prompter))
        return;
    currentEvent().dayOfMonth = static_cast<int>(numberIn(text));
}

void SchedulerScreen::onMonthChosen(int index) {
    if (index < 0 || !hasCurrent())
        return;
    ScheduleEvent& event = currentEvent();
    const std::string& name = monthChoices()[static_cast<std::size_t>(index)];
    if (event.monthName != name)
        event.monthName = name;
    if (!isDayValid(numberIn(m_dayOfMonth->text().toStdU16String()), event.period, name)) {
        m_prompter.inform(kDayInvalidForMonth);
        m_dayOfMonth->setText(QStringLiteral("1")); // stored through its own change
    }
}

bool SchedulerScreen::acceptEdits() {
    // Every change is stored already; the window only goes.
    m_info.clear();
    return true;
}

void SchedulerScreen::cancelEdits() {
    // Values saved from a document that has been replaced since belong to no event any more.
    if (hasCurrent() && !m_doc.refreshFlag(ScreenId::Scheduler))
        restoreEventFields(currentEvent(), m_saved);
    m_info.clear();
}

void SchedulerScreen::refreshFromDocument() {
    // A document made from other catalogs may have another number of events.
    if (m_info.size() != m_doc.events.size())
        loadEvents();
    else
        fillList();
    if (!hasCurrent())
        m_current = 0;
    showCurrent();
}

} // namespace merix
