#include "screens/TonesScreen.h"
#include "screens/ApplyFieldEdit.h"

#include "document/Prompter.h"
#include "screens/Captions.h"
#include "screens/PortChoice.h"
#include "screens/QtText.h"
#include "screens/ToneCatalog.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace merix {

namespace {

enum class FieldState { Editable, Disabled, Hidden };

// The grid: five rows, each value in its row and column.
const char* const kRowCaptions[] = {
    "&CW Frequencies:",  "DTMF Tone &Length and Delay:", "Preaccess Tone &Frequencies:",
    "D&TMF Cover Tone:", "&Reverse Patch Ring:",
};
const char* const kColumnHeadings[] = {"CW Speed", "Length", "Freq1", "Freq2", "Pause Length"};
constexpr int kPortRows = 3; // the rows inside "Port Specific Tones"

struct FieldPlace {
    ToneValue value;
    int row;
    int column;
    FieldState state;
};

const FieldPlace kPlaces[] = {
    {ToneValue::CwSpeed, 0, 0, FieldState::Editable},
    {ToneValue::CwFreq1, 0, 2, FieldState::Editable},
    {ToneValue::CwFreq2, 0, 3, FieldState::Editable},
    {ToneValue::DtmfToneLength, 1, 1, FieldState::Disabled},
    {ToneValue::DtmfToneDelay, 1, 4, FieldState::Disabled},
    {ToneValue::PreaccessFreq1, 2, 2, FieldState::Disabled},
    {ToneValue::PreaccessFreq2, 2, 3, FieldState::Disabled},
    {ToneValue::CoverToneDuration, 3, 1, FieldState::Editable},
    {ToneValue::CoverToneFreq1, 3, 2, FieldState::Editable},
    {ToneValue::CoverToneFreq2, 3, 3, FieldState::Editable},
    {ToneValue::CoverToneDelay, 3, 4, FieldState::Editable},
    {ToneValue::RingDuration, 4, 1, FieldState::Editable},
    {ToneValue::RingFreq1, 4, 2, FieldState::Editable},
    {ToneValue::RingFreq2, 4, 3, FieldState::Editable},
    {ToneValue::RingDelay, 4, 4, FieldState::Hidden},
};

std::size_t index(ToneValue value) {
    return static_cast<std::size_t>(value);
}

QString uncaptioned(const char* caption) {
    QString text = QString::fromUtf8(caption);
    text.remove(QLatin1Char('&'));
    return text;
}

} // namespace

TonesScreen::TonesScreen(const ScreenContext& context, QWidget* parent)
    : EditingScreen(ScreenId::Tones, context, parent) {
    setWindowTitle(QStringLiteral("Tones"));
    buildControls();
    // 330 by 230 dialog units: the grid of five rows, the description and the buttons.
    resizeInDialogUnits(330, 230);

    m_doc.clearRefreshFlag(ScreenId::Tones);
    {
        BusyGuard guard(m_busy);
        ToneCatalog catalog = readToneCatalog(m_doc.catalogPath("tones.cfg"));
        m_description->setPlainText(toQString(catalog.description));
        showCatalogNotice(catalog.notice);
    }
    m_ports->setCurrentIndex(0);
    m_port = 1;
    showValues();
    m_backup = m_doc.tones;
    m_ports->setFocus();
}

void TonesScreen::buildControls() {
    m_description = new QPlainTextEdit;
    m_description->setReadOnly(true);
    m_description->setAccessibleName(QStringLiteral("Description"));
    m_beeps = makeScreenButton(QStringLiteral("Courtesy &Beeps"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buildGrid());
    layout->addWidget(m_description, 1);
    QHBoxLayout* buttons = okCancelRow();
    buttons->insertWidget(0, m_beeps);
    layout->addLayout(buttons);

    QList<QWidget*> order{m_ports};
    for (const FieldPlace& place : kPlaces)
        order << m_fields[index(place.value)];
    order << m_description << m_beeps << cancelButton() << okButton();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    for (const FieldPlace& place : kPlaces) {
        if (place.state != FieldState::Editable)
            continue;
        const ToneValue value = place.value;
        connect(m_fields[index(value)], &QLineEdit::textChanged, this,
                [this, value] { onFieldChanged(value); });
    }
    m_fields[index(ToneValue::CwSpeed)]->installEventFilter(this);
    connect(m_ports, &QComboBox::activated, this, &TonesScreen::onPortChosen);
    connect(m_beeps, &QPushButton::clicked, this, &TonesScreen::onCourtesyBeeps);
}

QLayout* TonesScreen::buildGrid() {
    auto* group = new QGroupBox(QStringLiteral("&Port Specific Tones"));
    auto* inner = new QGridLayout(group);
    auto* outer = new QGridLayout;
    m_ports = new QComboBox;
    m_ports->setAccessibleName(QStringLiteral("Port"));
    for (int port = 1; port <= kPortCount; ++port)
        m_ports->addItem(toQString(portChoiceText(port)));
    inner->addWidget(m_ports, 0, 0);

    int fieldWidth = m_ports->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12;
    for (int column = 0; column < 5; ++column) {
        auto* heading = new QLabel(QString::fromUtf8(kColumnHeadings[column]));
        heading->setAlignment(Qt::AlignCenter);
        fieldWidth = std::max(fieldWidth, heading->sizeHint().width());
        inner->addWidget(heading, 0, column + 1);
    }

    QLabel* rowLabels[5] = {};
    int labelWidth = 0;
    for (int row = 0; row < 5; ++row) {
        rowLabels[row] = new QLabel(QString::fromUtf8(kRowCaptions[row]));
        labelWidth = std::max(labelWidth, rowLabels[row]->sizeHint().width());
        QGridLayout* grid = row < kPortRows ? inner : outer;
        grid->addWidget(rowLabels[row], row < kPortRows ? row + 1 : row - kPortRows, 0);
    }

    bool rowCaptioned[5] = {};
    for (const FieldPlace& place : kPlaces) {
        auto* field = new QLineEdit;
        field->setFixedWidth(fieldWidth);
        m_fields[index(place.value)] = field;
        // The row's label names its first field (and its access letter goes there); the
        // others are named by their row and column, as a screen reader should say them.
        if (!rowCaptioned[place.row]) {
            labelControl(rowLabels[place.row], field);
            rowCaptioned[place.row] = true;
        } else {
            field->setAccessibleName(uncaptioned(kRowCaptions[place.row]) + QLatin1Char(' ') +
                                     QString::fromUtf8(kColumnHeadings[place.column]));
        }
        field->setEnabled(place.state != FieldState::Disabled);
        field->setVisible(place.state != FieldState::Hidden);
        const bool inGroup = place.row < kPortRows;
        (inGroup ? inner : outer)
            ->addWidget(field, inGroup ? place.row + 1 : place.row - kPortRows, place.column + 1);
    }

    // Both grids share their columns, so the rows below the group line up with those in it.
    m_ports->setMaximumWidth(labelWidth);
    constexpr int kInset = 6;
    inner->setContentsMargins(kInset, kInset, kInset, kInset);
    outer->setContentsMargins(group->contentsMargins().left() + kInset, 0,
                              group->contentsMargins().right() + kInset, 0);
    for (QGridLayout* grid : {inner, outer}) {
        grid->setHorizontalSpacing(kInset);
        grid->setColumnMinimumWidth(0, labelWidth);
        for (int column = 1; column <= 5; ++column)
            grid->setColumnMinimumWidth(column, fieldWidth);
        grid->setColumnStretch(6, 1);
    }
    // Below the group the CW speed column is empty, and an empty column gets no spacing.
    outer->setColumnMinimumWidth(1, fieldWidth + kInset);

    auto* both = new QVBoxLayout;
    both->addWidget(group);
    both->addLayout(outer);
    return both;
}

void TonesScreen::showValues() {
    const std::size_t port = static_cast<std::size_t>(m_port - 1);
    for (const FieldPlace& place : kPlaces) {
        // Stored values are shown as they are; the checks apply to what the user changes.
        setTextQuietly(m_fields[index(place.value)],
                       QString::number(toneValueOf(m_doc.tones, place.value, port)));
    }
    m_ports->setCurrentIndex(m_port - 1);
}

void TonesScreen::onFieldChanged(ToneValue value) {
    QLineEdit* field = m_fields[index(value)];
    const DigitVerdict verdict =
        judgeDigitField(toStdString(field->text()), toneFieldLimit(toneFieldKind(value)));
    if (const auto stored = applyDigitVerdict(field, verdict, m_prompter))
        toneValueOf(m_doc.tones, value, static_cast<std::size_t>(m_port - 1)) = *stored;
}

void TonesScreen::onPortChosen(int index) {
    m_port = portFromChoiceText(toStdString(m_ports->itemText(index)));
    showValues();
}

void TonesScreen::onCourtesyBeeps() {
    Q_EMIT openScreenRequested(ScreenId::CourtesyBeeps);
}

void TonesScreen::cancelEdits() {
    // After a New or Open not yet shown, the backup is the old document's.
    if (!m_doc.refreshFlag(ScreenId::Tones))
        m_doc.tones = m_backup;
}

void TonesScreen::refreshFromDocument() {
    showValues();
    m_backup = m_doc.tones;
}

bool TonesScreen::acceptEdits() {
    // OK by its access letter closes the window without taking the focus from the field.
    if (m_fields[index(ToneValue::CwSpeed)]->hasFocus())
        leaveCwSpeed();
    return true;
}

void TonesScreen::leaveCwSpeed() {
    QLineEdit* speed = m_fields[index(ToneValue::CwSpeed)];
    if (const auto corrected = cwSpeedOnLeaving(toStdString(speed->text())))
        speed->setText(toQString(*corrected)); // stored by the change rule
}

bool TonesScreen::eventFilter(QObject* watched, QEvent* e) {
    if (watched == m_fields[index(ToneValue::CwSpeed)] && e->type() == QEvent::FocusOut)
        leaveCwSpeed();
    return EditingScreen::eventFilter(watched, e);
}

} // namespace merix
