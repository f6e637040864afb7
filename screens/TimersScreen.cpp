#include "screens/TimersScreen.h"

#include "document/CatalogFields.h"
#include "document/Prompter.h"
#include "screens/Captions.h"
#include "screens/PointerOverMain.h"
#include "screens/QtText.h"
#include "screens/TimerRules.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace merix {

namespace {

// The arrows only count clicks; the bar's own position never means anything.
constexpr int kArrowRest = 500;

} // namespace

TimersScreen::TimersScreen(const ScreenContext& context, QWidget* parent)
    : EditingScreen(ScreenId::Timers, context, parent) {
    setWindowTitle(QStringLiteral("Set Timer Values"));
    buildControls();
    resizeInDialogUnits(361, 227); // the window of the screen's layout

    m_doc.clearRefreshFlag(ScreenId::Timers);
    m_setDefault->setChecked(false);
    loadTimers();
    showCurrent();
    m_list->setFocus();
}

void TimersScreen::buildControls() {
    auto* commandsLabel = new QLabel(QStringLiteral("&Commands:"));
    m_list = new QListWidget;
    labelControl(commandsLabel, m_list);

    auto* descriptionLabel = new QLabel(QStringLiteral("&Description:"));
    auto* frame = new QFrame;
    frame->setFrameShape(QFrame::StyledPanel);

    m_label = new QLabel;
    m_label->setAlignment(Qt::AlignCenter);
    auto* lengthLabel = new QLabel(QStringLiteral("&Length:"));
    m_length = new QLineEdit;
    m_length->setFixedWidth(m_length->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) +
                            12);
    labelControl(lengthLabel, m_length);
    m_arrows = new QScrollBar(Qt::Vertical);
    m_arrows->setRange(0, 1000);
    m_arrows->setValue(kArrowRest);
    m_arrows->setFixedHeight(m_length->sizeHint().height() + 4);
    m_setDefault = new QCheckBox(QStringLiteral("&Set to Default Length"));
    auto* maxLabel = new QLabel(QStringLiteral("Max Value:"));
    m_maximum = new QLabel;
    m_description = new QPlainTextEdit;
    m_description->setReadOnly(true);
    labelControl(descriptionLabel, m_description);

    auto* lengthRow = new QHBoxLayout;
    lengthRow->addStretch(1);
    lengthRow->addWidget(lengthLabel);
    lengthRow->addWidget(m_length);
    lengthRow->addWidget(m_arrows);
    lengthRow->addStretch(2);
    lengthRow->setSpacing(2);
    auto* defaultRow = new QHBoxLayout;
    defaultRow->addStretch(1);
    defaultRow->addWidget(m_setDefault);
    defaultRow->addStretch(2);
    auto* maxRow = new QHBoxLayout;
    maxRow->addStretch(1);
    maxRow->addWidget(maxLabel);
    maxRow->addWidget(m_maximum);
    maxRow->addStretch(2);

    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(m_label);
    frameLayout->addSpacing(8);
    frameLayout->addLayout(lengthRow);
    frameLayout->addLayout(defaultRow);
    frameLayout->addLayout(maxRow);
    frameLayout->addSpacing(8);
    frameLayout->addWidget(m_description, 1);

    auto* grid = new QGridLayout(this);
    grid->addWidget(commandsLabel, 0, 0);
    grid->addWidget(descriptionLabel, 0, 1);
    grid->addWidget(m_list, 1, 0);
    grid->addWidget(frame, 1, 1);
    grid->addLayout(okCancelRow(), 2, 0, 1, 2);
    // The list is 144 and the description frame 189 dialog units wide.
    grid->setColumnStretch(0, 144);
    grid->setColumnStretch(1, 189);
    grid->setRowStretch(1, 1);

    setTabOrder(m_list, m_length);
    setTabOrder(m_length, m_setDefault);
    setTabOrder(m_setDefault, m_description);
    setTabOrder(m_description, cancelButton());
    setTabOrder(cancelButton(), okButton());

    connect(m_length, &QLineEdit::textChanged, this, &TimersScreen::onLengthChanged);
    connect(m_arrows, &QScrollBar::actionTriggered, this, &TimersScreen::onArrow);
    connect(m_setDefault, &QCheckBox::clicked, this, &TimersScreen::onSetToDefault);
    connect(m_list, &QListWidget::currentRowChanged, this, &TimersScreen::onSelectionChanged);
    m_length->installEventFilter(this);
}

void TimersScreen::loadTimers() {
    BusyGuard guard(m_busy);
    TimerCatalog catalog = readTimerCatalog(m_doc.catalogPath("timers.cfg"), m_doc.timers.size());
    m_info = std::move(catalog.timers);
    showCatalogNotice(catalog.notice);
    const QSignalBlocker block(m_list);
    for (const TimerInfo& t : m_info)
        m_list->addItem(toQString(t.label));
}

bool TimersScreen::hasCurrent() const {
    return m_current >= 0 && static_cast<std::size_t>(m_current) < m_info.size() &&
           static_cast<std::size_t>(m_current) < m_doc.timers.size();
}

TimerEntry& TimersScreen::currentTimer() {
    return m_doc.timers[static_cast<std::size_t>(m_current)];
}

long long TimersScreen::currentMaximum() const {
    return readInt(m_info[static_cast<std::size_t>(m_current)].maximum);
}

long long TimersScreen::fieldValue() const {
    return readLengthField(m_length->text().toStdString());
}

void TimersScreen::showCurrent() {
    const bool editable = hasCurrent();
    for (QWidget* w : {static_cast<QWidget*>(m_length), static_cast<QWidget*>(m_arrows),
                       static_cast<QWidget*>(m_setDefault)})
        w->setEnabled(editable);
    if (!editable) {
        m_label->clear();
        setTextQuietly(m_length, QString());
        m_maximum->clear();
        m_description->clear();
        return;
    }
    const TimerInfo& info = m_info[static_cast<std::size_t>(m_current)];
    m_label->setText(toQString(info.label));
    // The stored value is shown as it is; the checks apply to what the user changes.
    setTextQuietly(m_length, QString::number(currentTimer().length));
    m_maximum->setText(toQString(info.maximum));
    m_description->setPlainText(toQString(info.description));
    const QSignalBlocker block(m_list);
    m_list->setCurrentRow(m_current);
    m_savedLength = currentTimer().length;
}

void TimersScreen::onLengthChanged() {
    if (!hasCurrent())
        return;
    const std::string text = m_length->text().toStdString();
    const long long value = readLengthField(text);
    TimerEntry& timer = currentTimer();
    if (value > currentMaximum()) {
        m_prompter.inform(lengthOutOfRangeMessage(value, timer.length));
        // The stored value goes back as it is: checking it again could only repeat this.
        setTextQuietly(m_length, QString::number(timer.length));
        return;
    }
    if (const auto bad = firstNonDigit(text)) {
        removeTypedCharacter(m_length, *bad); // checked and stored as a change of its own
        return;
    }
    if (isAcceptableLength(value, currentMaximum()))
        timer.length = static_cast<u16>(value);
}

void TimersScreen::onArrow(int action) {
    m_arrows->setSliderPosition(kArrowRest);
    if (!hasCurrent())
        return;
    long long value = fieldValue();
    if (action == QAbstractSlider::SliderSingleStepSub) // the upper arrow
        ++value;
    else if (action == QAbstractSlider::SliderSingleStepAdd)
        --value;
    else
        return;
    if (isAcceptableLength(value, currentMaximum()))
        m_length->setText(QString::number(value));
}

void TimersScreen::onSetToDefault(bool checked) {
    if (!checked || !hasCurrent())
        return;
    const std::string& text = m_info[static_cast<std::size_t>(m_current)].defaultLength;
    m_length->setText(toQString(text));
    const long long value = readLengthField(text);
    if (isAcceptableLength(value, currentMaximum()))
        currentTimer().length = static_cast<u16>(value);
    m_setDefault->setChecked(false);
}

void TimersScreen::onSelectionChanged(int row) {
    if (row < 0 || row == m_current)
        return;
    if (hasCurrent()) {
        const long long value = fieldValue();
        if (!isAcceptableLength(value, currentMaximum())) {
            m_length->setText(toQString(m_info[static_cast<std::size_t>(m_current)].defaultLength));
            m_prompter.inform(lengthResetMessage(false));
            const QSignalBlocker block(m_list);
            m_list->setCurrentRow(m_current);
            m_list->setFocus();
            return;
        }
        currentTimer().length = static_cast<u16>(value);
    }
    m_current = row;
    showCurrent();
}

bool TimersScreen::acceptEdits() {
    if (hasCurrent()) {
        const long long value = fieldValue();
        if (!isAcceptableLength(value, currentMaximum())) {
            m_length->setText(toQString(m_info[static_cast<std::size_t>(m_current)].defaultLength));
            m_prompter.inform(lengthResetMessage(true));
            return false;
        }
        currentTimer().length = static_cast<u16>(value);
    }
    m_info.clear();
    return true;
}

void TimersScreen::cancelEdits() {
    // After a New or Open not yet shown, the saved length is the old document's.
    if (hasCurrent() && !m_doc.refreshFlag(ScreenId::Timers))
        currentTimer().length = m_savedLength;
    m_info.clear();
}

void TimersScreen::refreshFromDocument() {
    showCurrent();
}

bool TimersScreen::eventFilter(QObject* watched, QEvent* e) {
    // Leaving the field for the main window must not leave a bad value behind; nothing is
    // stored and nothing is said, because the user is busy elsewhere.
    if (watched == m_length && e->type() == QEvent::FocusOut && m_pointer.isOver() &&
        hasCurrent() && !isAcceptableLength(fieldValue(), currentMaximum()))
        setTextQuietly(m_length,
                       toQString(m_info[static_cast<std::size_t>(m_current)].defaultLength));
    return EditingScreen::eventFilter(watched, e);
}

} // namespace merix
