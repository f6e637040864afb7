#include "screens/MacrosScreen.h"

#include "document/CatalogFields.h"
#include "document/Prompter.h"
#include "screens/Captions.h"
#include "screens/QtText.h"
#include "screens/WordList.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
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

// The comment and the parameters are read up to this many characters.
constexpr int kTextLength = 999;

std::optional<ScrollStep> stepOf(int action) {
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        return ScrollStep::LineUp;
    case QAbstractSlider::SliderSingleStepAdd:
        return ScrollStep::LineDown;
    case QAbstractSlider::SliderPageStepSub:
        return ScrollStep::PageUp;
    case QAbstractSlider::SliderPageStepAdd:
        return ScrollStep::PageDown;
    case QAbstractSlider::SliderToMinimum:
        return ScrollStep::Top;
    case QAbstractSlider::SliderToMaximum:
        return ScrollStep::Bottom;
    default:
        return std::nullopt;
    }
}

QString fromUtf16(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

} // namespace

MacrosScreen::MacrosScreen(const ScreenContext& context, QWidget* parent)
    : EditingScreen(ScreenId::Macros, context, parent) {
    setWindowTitle(QStringLiteral("Macros"));
    buildControls();
    resizeInDialogUnits(400, 280); // the window of the screen's layout

    m_doc.clearRefreshFlag(ScreenId::Macros);
    {
        BusyGuard guard(m_busy);
        loadCatalogs();
        buildListLines();
        fillMacroList();
    }
    m_searchLabel->hide();
    m_search->hide();
    showCurrent();
    m_list->setFocus();
}

void MacrosScreen::buildControls() {
    m_listLabel = new QLabel(QStringLiteral("&Commands:"));
    m_list = new QListWidget;
    m_list->setUniformItemSizes(true);
    labelControl(m_listLabel, m_list);
    m_searchLabel = new QLabel(QStringLiteral("&Search:"));
    m_search = new QLineEdit;
    labelControl(m_searchLabel, m_search);

    auto* descriptionLabel = new QLabel(QStringLiteral("&Description:"));
    auto* frame = new QFrame;
    frame->setFrameShape(QFrame::StyledPanel);
    m_label = new QLabel;
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setWordWrap(true);
    m_description = new QPlainTextEdit;
    m_description->setReadOnly(true);
    labelControl(descriptionLabel, m_description);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(m_label);
    frameLayout->addWidget(m_description, 1);

    auto* commentLabel = new QLabel(QStringLiteral("Co&mment:"));
    m_comment = new QLineEdit;
    m_comment->setMaxLength(kTextLength);
    labelControl(commentLabel, m_comment);
    auto* commentRow = new QHBoxLayout;
    commentRow->addWidget(commentLabel);
    commentRow->addWidget(m_comment, 1);

    m_toggle = makeScreenButton(QStringLiteral("&Word List"));
    m_insert = makeScreenButton(QStringLiteral("&Insert Line"));
    m_delete = makeScreenButton(QStringLiteral("Delete &Line"));
    auto* lineButtons = new QHBoxLayout;
    lineButtons->addWidget(m_toggle);
    lineButtons->addStretch(1);
    lineButtons->addWidget(m_insert);
    lineButtons->addWidget(m_delete);

    auto* leftColumn = new QVBoxLayout;
    leftColumn->addWidget(m_listLabel);
    leftColumn->addWidget(m_list, 1);
    leftColumn->addWidget(m_searchLabel);
    leftColumn->addWidget(m_search);

    auto* rightColumn = new QVBoxLayout;
    rightColumn->addWidget(descriptionLabel);
    rightColumn->addWidget(frame, 1);
    rightColumn->addLayout(commentRow);
    rightColumn->addWidget(buildRows());
    rightColumn->addLayout(lineButtons);

    auto* columns = new QHBoxLayout;
    // The list is 150 and the macro's side 230 dialog units wide.
    columns->addLayout(leftColumn, 150);
    columns->addLayout(rightColumn, 230);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(okCancelRow());

    setTabOrder(m_list, m_search);
    setTabOrder(m_search, m_description);
    setTabOrder(m_description, m_comment);
    setTabOrder(m_comment, m_commands.front());
    setTabOrder(m_parameters.back(), m_toggle);
    setTabOrder(m_toggle, m_insert);
    setTabOrder(m_insert, m_delete);
    setTabOrder(m_delete, cancelButton());
    setTabOrder(cancelButton(), okButton());

    connect(m_list, &QListWidget::currentRowChanged, this, &MacrosScreen::onSelectionChanged);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &MacrosScreen::onWordDoubleClicked);
    connect(m_search, &QLineEdit::textChanged, this, &MacrosScreen::onSearchChanged);
    connect(m_comment, &QLineEdit::textChanged, this, &MacrosScreen::onCommentChanged);
    connect(m_toggle, &QPushButton::clicked, this, &MacrosScreen::onToggleList);
    connect(m_insert, &QPushButton::clicked, this, &MacrosScreen::onInsertLine);
    connect(m_delete, &QPushButton::clicked, this, &MacrosScreen::onDeleteLine);
    for (QWidget* w : {static_cast<QWidget*>(m_list), static_cast<QWidget*>(m_search),
                       static_cast<QWidget*>(m_description), static_cast<QWidget*>(m_comment)})
        w->installEventFilter(this);
}

QWidget* MacrosScreen::buildRows() {
    m_rows = new QWidget;
    auto* grid = new QGridLayout(m_rows);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    grid->addWidget(new QLabel(QStringLiteral("Command #")), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Parameters")), 0, 1);
    const int numberWidth = m_rows->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12;
    for (int row = 1; row <= kMacroRows; ++row) {
        auto* number = new QLineEdit;
        auto* parameters = new QLineEdit;
        number->setFixedWidth(numberWidth);
        parameters->setMaxLength(kTextLength);
        // Six fields share each column's heading; a screen reader tells them by their row.
        number->setAccessibleName(QStringLiteral("Command # %1").arg(row));
        parameters->setAccessibleName(QStringLiteral("Parameters %1").arg(row));
        m_commands[index(row)] = number;
        m_parameters[index(row)] = parameters;
        grid->addWidget(number, row, 0);
        grid->addWidget(parameters, row, 1);
        number->installEventFilter(this);
        parameters->installEventFilter(this);
        connect(number, &QLineEdit::textChanged, this,
                [this, row] { onCommandNumberChanged(row); });
        connect(parameters, &QLineEdit::textChanged, this,
                [this, row] { onParametersChanged(row); });
        if (row > 1)
            setTabOrder(m_parameters[index(row - 1)], number);
        setTabOrder(number, parameters);
    }
    m_scroll = new QScrollBar(Qt::Vertical);
    m_scroll->setRange(0, kLastTopLine);
    m_scroll->setSingleStep(1);
    m_scroll->setPageStep(kPageLines);
    // While the thumb is dragged the rows stay; they follow when it is let go.
    m_scroll->setTracking(false);
    m_scroll->setAccessibleName(QStringLiteral("Macro lines"));
    grid->addWidget(m_scroll, 1, 2, kMacroRows, 1);
    grid->setColumnStretch(1, 1);
    m_rows->installEventFilter(this);
    connect(m_scroll, &QScrollBar::actionTriggered, this, &MacrosScreen::onScrollAction);
    connect(m_scroll, &QScrollBar::valueChanged, this, &MacrosScreen::onScrolled);
    return m_rows;
}

void MacrosScreen::loadCatalogs() {
    EntryCatalog macros =
        readEntryCatalog(m_doc.catalogPath("macros.cfg"), "macros.cfg", macrosLayout(),
                         MacroFields::Label, MacroFields::Description, m_doc.macros.size());
    m_entries = std::move(macros.entries);
    WordList words = readWordList(m_doc.catalogPath("wordlist.cfg"));
    m_words = std::move(words.words);
    m_wordNames.clear();
    m_wordNames.reserve(m_words.size());
    for (const LookupEntry& word : m_words)
        m_wordNames.push_back(word.name);
    // One status-bar line says everything that is missing.
    std::string notice = macros.notice;
    if (!words.notice.empty())
        notice += (notice.empty() ? "" : "  ") + words.notice;
    showCatalogNotice(notice);
}

void MacrosScreen::buildListLines() {
    m_listLines.clear();
    m_listLines.reserve(m_entries.size());
    for (std::size_t i = 0; i < m_entries.size() && i < m_doc.macros.size(); ++i)
        m_listLines.push_back(macroListLine(m_entries[i].label, m_doc.macros[i].comment));
}

bool MacrosScreen::hasCurrent() const {
    return m_current >= 0 && static_cast<std::size_t>(m_current) < m_listLines.size();
}

MacroEntry& MacrosScreen::currentMacro() {
    return m_doc.macros[static_cast<std::size_t>(m_current)];
}

void MacrosScreen::showCurrent() {
    const bool editable = hasCurrent();
    for (QWidget* w : {static_cast<QWidget*>(m_comment), static_cast<QWidget*>(m_rows),
                       static_cast<QWidget*>(m_insert), static_cast<QWidget*>(m_delete)})
        w->setEnabled(editable);
    if (!editable) {
        m_label->clear();
        m_description->clear();
        setTextQuietly(m_comment, QString());
        showRows();
        return;
    }
    const EntryText& text = m_entries[static_cast<std::size_t>(m_current)];
    const MacroEntry& macro = currentMacro();
    m_description->setPlainText(toQString(text.description));
    m_label->setText(toQString(text.label));
    setTextQuietly(m_comment, toQString(macro.comment.value_or(std::string())));
    showRows();
    if (!m_wordMode) {
        const QSignalBlocker block(m_list);
        m_list->setCurrentRow(m_current);
    }
    m_saved = SavedMacro{macro.lines, macro.comment};
}

void MacrosScreen::showRows() {
    static const std::vector<MacroLine> none;
    const std::vector<MacroLine>& lines = hasCurrent() ? currentMacro().lines : none;
    for (int row = 1; row <= kMacroRows; ++row) {
        const std::size_t line = lineOfRow(m_top, row);
        const bool shown = line < lines.size();
        // Stored values are shown as they are; the rules judge what the user types.
        setTextQuietly(commandField(row), shown ? toQString(lines[line].commandNumber) : QString());
        setTextQuietly(parametersField(row), shown ? toQString(lines[line].parameters) : QString());
    }
}

void MacrosScreen::resetTopLine() {
    m_top = 0;
    const QSignalBlocker block(m_scroll);
    m_scroll->setValue(0);
}

void MacrosScreen::fillMacroList() {
    QStringList items;
    items.reserve(static_cast<qsizetype>(m_listLines.size()));
    for (const std::string& line : m_listLines)
        items.push_back(toQString(line));
    const QSignalBlocker block(m_list);
    m_list->clear();
    m_list->addItems(items);
    m_list->setCurrentRow(m_current);
}

void MacrosScreen::showMacroList() {
    m_wordMode = false;
    m_cursorRow = 0;
    m_toggle->setText(QStringLiteral("&Word List"));
    // Back from the words the caption reads "&Commands", without the colon it opened with.
    setListCaption(QStringLiteral("&Commands"));
    fillMacroList();
    m_searchLabel->hide();
    m_search->hide();
}

void MacrosScreen::showWordList() {
    m_wordMode = true;
    m_cursorRow = 0;
    m_toggle->setText(QStringLiteral("&Commands"));
    setListCaption(QStringLiteral("&Word List"));
    QStringList items;
    items.reserve(static_cast<qsizetype>(m_words.size()));
    for (const LookupEntry& word : m_words)
        items.push_back(toQString(word.name));
    {
        const QSignalBlocker block(m_list);
        m_list->clear();
        m_list->addItems(items);
        m_list->setCurrentRow(0);
    }
    setTextQuietly(m_search, QString());
    m_searchLabel->show();
    m_search->show();
}

void MacrosScreen::setListCaption(const QString& caption) {
    m_listLabel->setText(caption);
    labelControl(m_listLabel, m_list);
}

void MacrosScreen::focusCursorRow() {
    if (m_cursorRow >= 1 && m_cursorRow <= kMacroRows)
        commandField(m_cursorRow)->setFocus();
}

void MacrosScreen::onSelectionChanged(int row) {
    if (m_wordMode || row < 0 || row == m_current)
        return;
    m_current = row;
    resetTopLine();
    showCurrent();
}

void MacrosScreen::onCommandNumberChanged(int row) {
    if (!hasCurrent())
        return;
    QLineEdit* field = commandField(row);
    const CommandNumberEdit edit =
        editCommandNumber(currentMacro().lines, lineOfRow(m_top, row),
                          field->text().toStdU16String(), parametersField(row)->text().isEmpty());
    switch (edit.outcome) {
    case CommandNumberEdit::Outcome::Stored:
        return;
    case CommandNumberEdit::Outcome::Cut:
        field->setText(fromUtf16(edit.field)); // checked again as a change of its own
        parametersField(row)->setFocus();
        return;
    case CommandNumberEdit::Outcome::Invalid:
        m_prompter.inform(edit.message);
        field->clear(); // emptied as an edit, so an empty last line goes
        return;
    }
}

void MacrosScreen::onParametersChanged(int row) {
    if (!hasCurrent())
        return;
    QLineEdit* field = parametersField(row);
    const auto fix =
        editParameters(currentMacro().lines, lineOfRow(m_top, row), field->text().toStdU16String(),
                       commandField(row)->text().isEmpty());
    if (fix) {
        field->setText(fromUtf16(fix->text)); // stored as a change of its own
        field->setCursorPosition(static_cast<int>(fix->caret));
    }
}

void MacrosScreen::onCommentChanged() {
    if (!hasCurrent())
        return;
    if (m_wordMode)
        showMacroList();
    const CommentEdit edit = editComment(currentMacro(), m_comment->text().toStdU16String());
    if (edit.fix) {
        m_comment->setText(fromUtf16(edit.fix->text)); // stored as a change of its own
        m_comment->setCursorPosition(static_cast<int>(edit.fix->caret));
        return;
    }
    if (!edit.changed)
        return;
    const auto i = static_cast<std::size_t>(m_current);
    m_listLines[i] = macroListLine(m_entries[i].label, currentMacro().comment);
    m_list->item(m_current)->setText(toQString(m_listLines[i]));
}

void MacrosScreen::onScrollAction(int action) {
    // The bar has moved its thumb already; the rules say where it ends.
    if (const auto step = stepOf(action))
        m_scroll->setSliderPosition(scrolledTop(m_top, *step));
}

void MacrosScreen::onScrolled(int top) {
    m_top = keptInRange(top);
    showRows();
}

bool MacrosScreen::moveThroughRows(QObject* field, int key) {
    std::optional<ScrollStep> step;
    if (key == Qt::Key_Up)
        step = ScrollStep::LineUp;
    else if (key == Qt::Key_Down)
        step = ScrollStep::LineDown;
    else if (key == Qt::Key_PageUp)
        step = ScrollStep::PageUp;
    else if (key == Qt::Key_PageDown)
        step = ScrollStep::PageDown;
    for (int row = 1; step && row <= kMacroRows; ++row) {
        const bool inNumber = field == commandField(row);
        if (!inNumber && field != parametersField(row))
            continue;
        // The keyboard reaches every line, not only the six the rows show.
        const RowPosition to = movedCursor(RowPosition{m_top, row}, *step);
        if (to.top != m_top)
            m_scroll->setValue(to.top);
        (inNumber ? commandField(to.row) : parametersField(to.row))->setFocus();
        return true;
    }
    return false;
}

void MacrosScreen::onInsertLine() {
    if (!hasCurrent())
        return;
    switch (insertBlankLine(currentMacro().lines, m_top, m_cursorRow)) {
    case LineChange::Full:
        m_prompter.inform(std::string(kMacroFullMessage));
        break;
    case LineChange::NoCursorRow:
        m_prompter.inform(std::string(kNoInsertRowMessage));
        break;
    case LineChange::Done:
        showRows();
        break;
    case LineChange::BelowLastLine:
        break;
    }
    focusCursorRow();
}

void MacrosScreen::onDeleteLine() {
    if (!hasCurrent())
        return;
    switch (deleteLine(currentMacro().lines, m_top, m_cursorRow)) {
    case LineChange::NoCursorRow:
        m_prompter.inform(std::string(kNoDeleteRowMessage));
        break;
    case LineChange::Done:
        showRows();
        // A blank line left last by the deletion goes too.
        if (m_cursorRow > 1)
            onCommandNumberChanged(m_cursorRow - 1);
        break;
    case LineChange::Full:
    case LineChange::BelowLastLine:
        break;
    }
    focusCursorRow();
}

void MacrosScreen::onToggleList() {
    if (m_wordMode)
        showMacroList();
    else
        showWordList();
}

void MacrosScreen::onSearchChanged() {
    if (!m_wordMode)
        return;
    if (const auto found = firstBeginningWith(m_wordNames, toStdString(m_search->text())))
        m_list->setCurrentRow(static_cast<int>(*found));
}

void MacrosScreen::onWordDoubleClicked(QListWidgetItem* item) {
    if (m_wordMode && item)
        appendWord(m_list->row(item));
}

void MacrosScreen::appendWord(int word) {
    if (!hasCurrent() || word < 0 || static_cast<std::size_t>(word) >= m_words.size())
        return;
    const LookupEntry& entry = m_words[static_cast<std::size_t>(word)];
    if (m_cursorRow < 1 || m_cursorRow > kMacroRows) {
        m_prompter.inform(noWordRowMessage(entry.name));
        return;
    }
    QLineEdit* field = parametersField(m_cursorRow);
    field->setText(fromUtf16(
        withWordNumber(field->text().toStdU16String(), toQString(entry.code).toStdU16String())));
    field->setFocus();
}

void MacrosScreen::cancelEdits() {
    if (!hasCurrent())
        return;
    currentMacro().lines = std::move(m_saved.lines);
    currentMacro().comment = std::move(m_saved.comment);
}

void MacrosScreen::refreshFromDocument() {
    // A document opened on other catalogs may have another number of macros.
    if (m_entries.size() != m_doc.macros.size()) {
        BusyGuard guard(m_busy);
        loadCatalogs();
    }
    buildListLines();
    if (!hasCurrent())
        m_current = 0;
    if (!m_wordMode)
        fillMacroList();
    resetTopLine();
    showCurrent();
}

bool MacrosScreen::eventFilter(QObject* watched, QEvent* e) {
    switch (e->type()) {
    case QEvent::FocusIn:
        for (int row = 1; row <= kMacroRows; ++row)
            if (watched == commandField(row) || watched == parametersField(row))
                m_cursorRow = row;
        if (watched == m_comment || watched == m_description || watched == m_search ||
            (watched == m_list && !m_wordMode))
            m_cursorRow = 0;
        break;
    case QEvent::FocusOut:
        if (watched == m_search)
            m_search->clear();
        break;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(e)->key();
        // Enter on a word does what a double-click does, for those who use the keyboard.
        if (watched == m_list && m_wordMode && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            appendWord(m_list->currentRow());
            return true;
        }
        if (moveThroughRows(watched, key))
            return true;
        break;
    }
    case QEvent::Wheel:
        // The wheel over the rows scrolls them like the bar beside them.
        if (watched == m_rows) {
            QApplication::sendEvent(m_scroll, e);
            return true;
        }
        break;
    default:
        break;
    }
    return EditingScreen::eventFilter(watched, e);
}

} // namespace merix
