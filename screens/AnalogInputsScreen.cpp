#include "screens/AnalogInputsScreen.h"

#include "document/CatalogFields.h"
#include "document/Prompter.h"
#include "screens/Captions.h"
#include "screens/QtText.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QVBoxLayout>

#include <algorithm>

namespace merix {

AnalogInputsScreen::AnalogInputsScreen(const ScreenContext& context, QWidget* parent)
    : EditingScreen(ScreenId::InputsOutputs, context, parent) {
    setWindowTitle(QStringLiteral("Analog Inputs"));
    buildControls();
    resizeInDialogUnits(361, 227); // the window of the screen's layout

    m_doc.clearRefreshFlag(ScreenId::InputsOutputs);
    {
        BusyGuard guard(m_busy);
        loadCatalogs();
        fillList();
    }
    showCurrent();
    m_list->setFocus();
}

void AnalogInputsScreen::buildControls() {
    auto* listLabel = new QLabel(QStringLiteral("&Commands:"));
    m_list = new QListWidget;
    m_list->setUniformItemSizes(true);
    labelControl(listLabel, m_list);

    auto* descriptionLabel = new QLabel(QStringLiteral("&Description:"));
    auto* frame = new QFrame;
    frame->setFrameShape(QFrame::StyledPanel);
    m_label = new QLabel;
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setWordWrap(true);
    auto* resolutionLabel = new QLabel(QStringLiteral("&Resolution:"));
    m_resolution = new QComboBox;
    m_resolution->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_resolution->setMinimumContentsLength(20);
    labelControl(resolutionLabel, m_resolution);
    auto* decimalsLabel = new QLabel(QStringLiteral("De&cimals:"));
    m_decimals = new QComboBox;
    for (int d = 0; d <= kMaxDecimals; ++d)
        m_decimals->addItem(QString::number(d));
    labelControl(decimalsLabel, m_decimals);
    auto* rangeLabel = new QLabel(QStringLiteral("&Range"));
    auto* toLabel = new QLabel(QStringLiteral("to"));
    m_low = new QLineEdit;
    m_high = new QLineEdit;
    const int rangeWidth = m_low->fontMetrics().horizontalAdvance(QStringLiteral("-000000")) + 12;
    m_low->setFixedWidth(rangeWidth);
    m_high->setFixedWidth(rangeWidth);
    labelControl(rangeLabel, m_low);
    labelControl(toLabel, m_high);
    m_description = new QPlainTextEdit;
    m_description->setTabChangesFocus(true);
    labelControl(descriptionLabel, m_description);

    auto* fields = new QGridLayout;
    fields->addWidget(resolutionLabel, 0, 0);
    fields->addWidget(m_resolution, 0, 1, 1, 4);
    fields->addWidget(decimalsLabel, 1, 0);
    fields->addWidget(m_decimals, 1, 1);
    fields->addWidget(rangeLabel, 2, 0);
    fields->addWidget(m_low, 2, 1);
    fields->addWidget(toLabel, 2, 2);
    fields->addWidget(m_high, 2, 3);
    fields->setColumnStretch(4, 1);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(m_label);
    frameLayout->addLayout(fields);
    frameLayout->addWidget(m_description, 1);

    auto* grid = new QGridLayout(this);
    grid->addWidget(listLabel, 0, 0);
    grid->addWidget(descriptionLabel, 0, 1);
    grid->addWidget(m_list, 1, 0);
    grid->addWidget(frame, 1, 1);
    grid->addLayout(okCancelRow(), 2, 0, 1, 2);
    // The list is 144 and the description frame 189 dialog units wide.
    grid->setColumnStretch(0, 144);
    grid->setColumnStretch(1, 189);
    grid->setRowStretch(1, 1);

    setTabOrder(m_list, m_resolution);
    setTabOrder(m_resolution, m_decimals);
    setTabOrder(m_decimals, m_low);
    setTabOrder(m_low, m_high);
    setTabOrder(m_high, m_description);
    setTabOrder(m_description, cancelButton());
    setTabOrder(cancelButton(), okButton());

    connect(m_list, &QListWidget::currentRowChanged, this, &AnalogInputsScreen::onSelectionChanged);
    // Only the user's choices count; the screen's own settings of the lists do not.
    connect(m_resolution, &QComboBox::activated, this, &AnalogInputsScreen::onResolutionChosen);
    connect(m_decimals, &QComboBox::activated, this, &AnalogInputsScreen::onDecimalsChosen);
    connect(m_low, &QLineEdit::textChanged, this, [this] { onRangeChanged(RangeEnd::Minimum); });
    connect(m_high, &QLineEdit::textChanged, this, [this] { onRangeChanged(RangeEnd::Maximum); });
    connect(m_description, &QPlainTextEdit::textChanged, this,
            &AnalogInputsScreen::onDescriptionChanged);
}

void AnalogInputsScreen::loadCatalogs() {
    ResolutionCatalog resolutions = readResolutionCatalog(m_doc.catalogPath("resolutn.cfg"));
    m_resolutions = std::move(resolutions.resolutions);
    EntryCatalog inputs =
        readEntryCatalog(m_doc.catalogPath("io.cfg"), "io.cfg", ioLayout(), IoFields::Label,
                         IoFields::Description, m_doc.ioPoints.size());
    m_entries = std::move(inputs.entries);
    // One status-bar line says everything that is missing.
    std::string notice = inputs.notice;
    if (!resolutions.notice.empty())
        notice += (notice.empty() ? "" : "  ") + resolutions.notice;
    showCatalogNotice(notice);

    QStringList names;
    names.reserve(static_cast<qsizetype>(m_resolutions.size()));
    for (const Resolution& r : m_resolutions)
        names.push_back(toQString(r.name));
    m_resolution->clear();
    m_resolution->addItems(names);
}

void AnalogInputsScreen::fillList() {
    QStringList labels;
    labels.reserve(static_cast<qsizetype>(m_entries.size()));
    for (const EntryText& e : m_entries)
        labels.push_back(toQString(e.label));
    const QSignalBlocker block(m_list);
    m_list->clear();
    m_list->addItems(labels);
}

bool AnalogInputsScreen::hasCurrent() const {
    return m_current >= 0 && static_cast<std::size_t>(m_current) < m_entries.size() &&
           static_cast<std::size_t>(m_current) < m_doc.ioPoints.size();
}

IoPoint& AnalogInputsScreen::currentInput() {
    return m_doc.ioPoints[static_cast<std::size_t>(m_current)];
}

QLineEdit* AnalogInputsScreen::rangeField(RangeEnd end) const {
    return end == RangeEnd::Minimum ? m_low : m_high;
}

void AnalogInputsScreen::showDecimals(int decimals) {
    // A number of decimals from a document that the list does not offer shows no choice.
    m_decimals->setCurrentIndex(decimals >= 0 && decimals <= kMaxDecimals ? decimals : -1);
}

void AnalogInputsScreen::showCurrent() {
    const bool editable = hasCurrent();
    for (QWidget* w : {static_cast<QWidget*>(m_resolution), static_cast<QWidget*>(m_decimals),
                       static_cast<QWidget*>(m_low), static_cast<QWidget*>(m_high),
                       static_cast<QWidget*>(m_description)})
        w->setEnabled(editable);
    if (!editable) {
        m_label->clear();
        m_resolution->setCurrentIndex(-1);
        m_decimals->setCurrentIndex(-1);
        setTextQuietly(m_low, QString());
        setTextQuietly(m_high, QString());
        setTextQuietly(m_description, QString());
        return;
    }
    const IoPoint& input = currentInput();
    // Stored values are shown as they are; the rules judge what the user changes.
    setTextQuietly(m_description, toQString(input.description));
    m_label->setText(toQString(m_entries[static_cast<std::size_t>(m_current)].label));
    const auto shown = resolutionShown(m_resolutions, input.resolution);
    m_resolution->setCurrentIndex(shown ? static_cast<int>(*shown) : -1);
    showDecimals(input.decimals);
    setTextQuietly(m_low, QString::number(input.rangeLow));
    setTextQuietly(m_high, QString::number(input.rangeHigh));
    {
        const QSignalBlocker block(m_list);
        m_list->setCurrentRow(m_current);
    }
    m_saved = SavedInput{input.description, input.resolution, input.rangeLow, input.rangeHigh,
                         input.decimals};
}

void AnalogInputsScreen::onSelectionChanged(int row) {
    if (row < 0 || row == m_current)
        return;
    m_current = row;
    showCurrent();
}

void AnalogInputsScreen::onResolutionChosen(int index) {
    if (!hasCurrent() || index < 0 || static_cast<std::size_t>(index) >= m_resolutions.size())
        return;
    const Resolution& chosen = m_resolutions[static_cast<std::size_t>(index)];
    IoPoint& input = currentInput();
    if (chosen.name == input.resolution)
        return;
    input.resolution = chosen.name;
    m_checkDecimals = false;
    input.decimals = chosen.decimals;
    showDecimals(chosen.decimals);
    // Both ends go through their fields' rules, as if typed.
    m_low->setText(QString::number(chosen.low));
    m_high->setText(QString::number(chosen.high));
    m_checkDecimals = true;
}

void AnalogInputsScreen::onDecimalsChosen(int decimals) {
    if (!hasCurrent() || decimals < 0)
        return;
    IoPoint& input = currentInput();
    if (decimals == input.decimals || !m_checkDecimals)
        return;
    switch (checkDecimals(decimals, input.rangeLow, input.rangeHigh)) {
    case DecimalsChoice::MinimumTooLarge:
        m_prompter.inform(decimalsTooLargeMessage(RangeEnd::Minimum, decimals, input.rangeLow));
        showDecimals(input.decimals);
        return;
    case DecimalsChoice::MaximumTooLarge:
        m_prompter.inform(decimalsTooLargeMessage(RangeEnd::Maximum, decimals, input.rangeHigh));
        showDecimals(input.decimals);
        return;
    case DecimalsChoice::Fits:
        input.decimals = decimals;
        return;
    }
}

void AnalogInputsScreen::onRangeChanged(RangeEnd end) {
    if (!hasCurrent())
        return;
    QLineEdit* field = rangeField(end);
    IoPoint& input = currentInput();
    i16& stored = end == RangeEnd::Minimum ? input.rangeLow : input.rangeHigh;
    const RangeCheck check = checkRangeField(field->text().toStdU16String());
    switch (check.outcome) {
    case RangeCheck::Outcome::OutOfRange:
        m_prompter.inform(rangeOutOfRangeMessage(end, check.value));
        // The stored value goes back as it is: checking it again could only repeat this.
        setTextQuietly(field, QString::number(stored));
        return;
    case RangeCheck::Outcome::Fixed:
        field->setText(QString::fromStdU16String(check.text)); // checked and stored again
        field->setCursorPosition(static_cast<int>(check.caret));
        return;
    case RangeCheck::Outcome::Accepted:
        break;
    }
    stored = static_cast<i16>(check.value);
    const int decimals = std::max(0, m_decimals->currentIndex());
    if (m_checkDecimals && !fitsWithDecimals(check.value, decimals)) {
        m_prompter.inform(decimalsResetMessage(end, decimals, check.value));
        input.decimals = 0;
        showDecimals(0);
    }
}

void AnalogInputsScreen::onDescriptionChanged() {
    if (!hasCurrent())
        return;
    const DescriptionCheck check = checkDescription(m_description->toPlainText().toStdU16String());
    switch (check.outcome) {
    case DescriptionCheck::Outcome::TooLong: {
        m_prompter.inform(std::string(kDescriptionTooLongMessage));
        m_description->setPlainText(QString::fromStdU16String(check.text)); // stored again
        m_description->moveCursor(QTextCursor::End);
        return;
    }
    case DescriptionCheck::Outcome::Fixed: {
        // Only the one character goes, so the view and the undo history stay.
        QTextCursor cursor = m_description->textCursor();
        cursor.setPosition(static_cast<int>(check.caret));
        cursor.deleteChar(); // checked and stored again
        m_description->setTextCursor(cursor);
        return;
    }
    case DescriptionCheck::Outcome::Accepted:
        break;
    }
    currentInput().description = toStdString(m_description->toPlainText());
}

void AnalogInputsScreen::cancelEdits() {
    if (!hasCurrent())
        return;
    IoPoint& input = currentInput();
    input.description = m_saved.description;
    input.resolution = m_saved.resolution;
    input.rangeLow = m_saved.low;
    input.rangeHigh = m_saved.high;
    input.decimals = m_saved.decimals;
}

void AnalogInputsScreen::refreshFromDocument() {
    // A document opened on other catalogs may have another number of inputs.
    if (m_entries.size() != m_doc.ioPoints.size()) {
        BusyGuard guard(m_busy);
        loadCatalogs();
        fillList();
    }
    if (!hasCurrent())
        m_current = 0;
    showCurrent();
}

} // namespace merix
