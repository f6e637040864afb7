#include "screens/CourtesyBeepsScreen.h"
#include "screens/ApplyFieldEdit.h"

#include "document/Prompter.h"
#include "screens/Captions.h"
#include "screens/CourtesyBeepRules.h"
#include "screens/DigitFieldRules.h"
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
#include <QVBoxLayout>

namespace merix {

namespace {

constexpr BeepFields::ChordPart kParts[] = {BeepFields::Length, BeepFields::Freq1,
                                            BeepFields::Freq2, BeepFields::Pause};

// The columns of a chord row; the pause sits below the length, in a row of its own.
int columnOf(BeepFields::ChordPart part) {
    switch (part) {
    case BeepFields::Freq1:
        return 2;
    case BeepFields::Freq2:
        return 3;
    default:
        return 1;
    }
}

} // namespace

CourtesyBeepsScreen::CourtesyBeepsScreen(const ScreenContext& context, QWidget* parent)
    : EditingScreen(ScreenId::CourtesyBeeps, context, parent) {
    setWindowTitle(QStringLiteral("Courtesy Beeps"));
    buildControls();
    // 420 by 280 dialog units: the beep list beside the description and the chord grid.
    resizeInDialogUnits(420, 280);

    m_doc.clearRefreshFlag(ScreenId::CourtesyBeeps);
    loadCatalogs();
    showCurrent();
    m_list->setFocus();
}

void CourtesyBeepsScreen::buildControls() {
    auto* commandsLabel = new QLabel(QStringLiteral("&Commands:"));
    m_list = new QListWidget;
    labelControl(commandsLabel, m_list);

    auto* frame = new QFrame;
    frame->setFrameShape(QFrame::StyledPanel);
    m_title = new QLabel;
    m_title->setAlignment(Qt::AlignCenter);
    m_description = new QPlainTextEdit;
    m_description->setReadOnly(true);
    m_description->setAccessibleName(QStringLiteral("Description"));
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(m_title);
    frameLayout->addWidget(m_description, 1);
    frameLayout->addLayout(buildChordGrid());

    auto* grid = new QGridLayout(this);
    grid->addWidget(commandsLabel, 0, 0);
    grid->addWidget(m_list, 1, 0);
    grid->addWidget(frame, 1, 1);
    grid->addLayout(okCancelRow(), 2, 0, 1, 2);
    // The list takes 170 of the width's dialog units, the beep's frame the rest.
    grid->setColumnStretch(0, 170);
    grid->setColumnStretch(1, 230);
    grid->setRowStretch(1, 1);

    QList<QWidget*> order{m_list, m_description};
    for (std::size_t chord = 0; chord < kChordCount; ++chord) {
        for (BeepFields::ChordPart part : kParts)
            order << m_chords[chord][part];
        if (chord == 0)
            order << m_defaults;
    }
    order << cancelButton() << okButton();
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(m_list, &QListWidget::currentRowChanged, this,
            &CourtesyBeepsScreen::onSelectionChanged);
    connect(m_defaults, &QComboBox::activated, this, &CourtesyBeepsScreen::onDefaultSetChosen);
}

QLayout* CourtesyBeepsScreen::buildChordGrid() {
    auto* grid = new QGridLayout;
    const QString headings[] = {QStringLiteral("Length"), QStringLiteral("Freq 1"),
                                QStringLiteral("Freq 2"), QStringLiteral("Set to Defaults")};
    QLabel* defaultsHeading = nullptr;
    for (int column = 0; column < 4; ++column) {
        auto* heading = new QLabel(headings[column]);
        heading->setAlignment(Qt::AlignCenter);
        grid->addWidget(heading, 0, column + 1);
        defaultsHeading = heading;
    }
    m_defaults = new QComboBox;
    labelControl(defaultsHeading, m_defaults);

    const int fieldWidth = fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12;
    for (std::size_t chord = 0; chord < kChordCount; ++chord) {
        const int row = 1 + 2 * static_cast<int>(chord);
        const QString number = QString::number(chord + 1);
        auto* chordLabel = new QLabel(QStringLiteral("Chord %1:").arg(number));
        auto* pauseLabel = new QLabel(QStringLiteral("Pause %1:").arg(number));
        grid->addWidget(chordLabel, row, 0);
        grid->addWidget(pauseLabel, row + 1, 0);
        for (BeepFields::ChordPart part : kParts) {
            auto* field = new QLineEdit;
            field->setFixedWidth(fieldWidth);
            m_chords[chord][part] = field;
            const bool isPause = part == BeepFields::Pause;
            grid->addWidget(field, isPause ? row + 1 : row, columnOf(part));
            connect(field, &QLineEdit::textChanged, this,
                    [this, chord, part] { onFieldChanged(chord, part); });
        }
        // The row's label names the length; the frequencies take their column's heading too.
        labelControl(chordLabel, m_chords[chord][BeepFields::Length]);
        labelControl(pauseLabel, m_chords[chord][BeepFields::Pause]);
        for (BeepFields::ChordPart part : {BeepFields::Freq1, BeepFields::Freq2})
            m_chords[chord][part]->setAccessibleName(
                QStringLiteral("Chord %1: %2").arg(number, headings[columnOf(part) - 1]));
    }
    grid->addWidget(m_defaults, 1, 4);
    grid->setColumnStretch(5, 1);
    return grid;
}

void CourtesyBeepsScreen::loadCatalogs() {
    BusyGuard guard(m_busy);
    BeepCatalog beeps = readBeepCatalog(m_doc.catalogPath("beep.cfg"), m_doc.beeps.size());
    DefaultBeepCatalog defaults = readDefaultBeepCatalog(m_doc.catalogPath("dfltbeep.cfg"));
    m_info = std::move(beeps.info);
    m_sets = std::move(defaults.sets);
    std::string notice = beeps.notice;
    if (!notice.empty() && !defaults.notice.empty())
        notice += "  ";
    showCatalogNotice(notice + defaults.notice);

    for (const DefaultBeepSet& set : m_sets)
        m_defaults->addItem(toQString(set.name));
    m_defaults->addItem(toQString(kOtherBeepSet));
    const QSignalBlocker block(m_list);
    for (const BeepInfo& beep : m_info)
        m_list->addItem(toQString(beep.label));
}

bool CourtesyBeepsScreen::hasCurrent() const {
    return m_current >= 0 && static_cast<std::size_t>(m_current) < m_info.size() &&
           static_cast<std::size_t>(m_current) < m_doc.beeps.size();
}

CourtesyBeep& CourtesyBeepsScreen::currentBeep() {
    return m_doc.beeps[static_cast<std::size_t>(m_current)];
}

void CourtesyBeepsScreen::showCurrent() {
    const bool editable = hasCurrent();
    m_defaults->setEnabled(editable);
    for (const auto& fields : m_chords)
        for (QLineEdit* field : fields)
            field->setEnabled(editable);
    if (!editable) {
        m_title->clear();
        m_description->clear();
        m_defaults->setCurrentIndex(-1);
        for (const auto& fields : m_chords)
            for (QLineEdit* field : fields)
                setTextQuietly(field, QString());
        return;
    }
    const BeepInfo& info = m_info[static_cast<std::size_t>(m_current)];
    CourtesyBeep& beep = currentBeep();
    m_description->setPlainText(toQString(info.description));
    m_title->setText(toQString(info.label));
    // A name no longer among the sets selects nothing rather than a set it is not.
    const QString name =
        beep.defaultBeepName.empty() ? toQString(kOtherBeepSet) : toQString(beep.defaultBeepName);
    m_defaults->setCurrentIndex(
        m_defaults->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive));
    for (std::size_t chord = 0; chord < kChordCount; ++chord) {
        // Stored values are shown as they are; the checks apply to what the user changes.
        for (BeepFields::ChordPart part : kParts)
            setTextQuietly(m_chords[chord][part], QString::number(chordValueOf(beep, chord, part)));
    }
    m_backup = beep;
    const QSignalBlocker block(m_list);
    m_list->setCurrentRow(m_current);
}

void CourtesyBeepsScreen::onFieldChanged(std::size_t chord, ChordPart part) {
    if (!hasCurrent())
        return;
    QLineEdit* field = m_chords[chord][part];
    const DigitVerdict verdict =
        judgeDigitField(toStdString(field->text()), beepFieldLimit(beepFieldKind(part)));
    if (const auto value = applyDigitVerdict(field, verdict, m_prompter))
        chordValueOf(currentBeep(), chord, part) = *value;
}

void CourtesyBeepsScreen::onSelectionChanged(int row) {
    if (row < 0 || row == m_current)
        return;
    m_current = row;
    showCurrent();
}

void CourtesyBeepsScreen::onDefaultSetChosen(int index) {
    if (!hasCurrent() || index < 0)
        return;
    const std::string chosen = toStdString(m_defaults->itemText(index));
    const DefaultSetChoice choice =
        chooseDefaultSet(chosen, currentBeep().defaultBeepName.view(), m_sets);
    if (choice.action == DefaultSetChoice::Action::Nothing)
        return;
    currentBeep().defaultBeepName = chosen;
    if (choice.action != DefaultSetChoice::Action::ApplySet)
        return;
    const DefaultBeepSet& set = m_sets[choice.set];
    for (std::size_t chord = 0; chord < kChordCount; ++chord) {
        // Each value is typed in, as it were: the field's rules judge and store it.
        for (BeepFields::ChordPart part : kParts)
            m_chords[chord][part]->setText(QString::number(chordValueOf(set.chords[chord], part)));
    }
}

void CourtesyBeepsScreen::cancelEdits() {
    // After a New or Open not yet shown, the backup is the old document's.
    if (!hasCurrent() || m_doc.refreshFlag(ScreenId::CourtesyBeeps))
        return;
    CourtesyBeep& beep = currentBeep();
    beep.chordLength = m_backup.chordLength;
    beep.chordFreq1 = m_backup.chordFreq1;
    beep.chordFreq2 = m_backup.chordFreq2;
    beep.chordPause = m_backup.chordPause;
    beep.defaultBeepName = m_backup.defaultBeepName;
}

void CourtesyBeepsScreen::refreshFromDocument() {
    showCurrent();
}

} // namespace merix
