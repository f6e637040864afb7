#include "screens/MessagesScreen.h"

#include "document/Prompter.h"
#include "screens/ApplyFieldEdit.h"
#include "screens/Captions.h"
#include "screens/MessageCheck.h"
#include "screens/MessageFieldRules.h"
#include "screens/PointerOverMain.h"
#include "screens/QtText.h"
#include "document/Utf8Text.h"

#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>

namespace merix {

namespace {

QStringList toQStringList(const std::vector<std::string>& lines) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines)
        list.push_back(toQString(line));
    return list;
}

enum FieldRow { NoFieldRow, CommandFieldRow, DvrFieldRow };

} // namespace

MessagesScreen::MessagesScreen(const ScreenContext& context, QWidget* parent)
    : EditingScreen(ScreenId::Messages, context, parent) {
    setWindowTitle(QStringLiteral("Messages"));
    buildControls();
    // The window of the screen's layout, in dialog units: it grows with the font.
    resizeInDialogUnits(490, 250);

    m_doc.clearRefreshFlag(ScreenId::Messages);
    loadCatalogs();
    displayMessage();
    m_list->setFocus();
}

void MessagesScreen::loadCatalogs() {
    BusyGuard guard(m_busy);
    m_catalog = readMessageCatalog(m_doc);
    showCatalogNotice(m_catalog.notice);
    m_wordLines = VocabularyLines(m_catalog.words);
    m_cwLines = VocabularyLines(m_catalog.cwSymbols);
    m_wordItems = toQStringList(m_catalog.words);
    m_cwItems = toQStringList(m_catalog.cwSymbols);
    m_knownWords = CaseFreeNames(m_catalog.words);
    m_knownCw = oneCharacterCwEntries(m_catalog.cwSymbols);
    QStringList names;
    names.reserve(static_cast<qsizetype>(m_catalog.messages.size()));
    for (const MessageInfo& info : m_catalog.messages)
        names.push_back(toQString(info.name));
    const QSignalBlocker block(m_list);
    m_list->addItems(names);
}

bool MessagesScreen::hasCurrent() const {
    const auto index = static_cast<std::size_t>(m_current);
    return !m_closing && m_current >= 0 && index < m_catalog.messages.size() &&
           index < m_doc.messages.size();
}

MessageEntry& MessagesScreen::currentMessage() {
    return m_doc.messages[static_cast<std::size_t>(m_current)];
}

void MessagesScreen::displayMessage() {
    const bool editable = hasCurrent();
    for (QWidget* w : {static_cast<QWidget*>(m_typeGroup), static_cast<QWidget*>(m_interruptGroup),
                       static_cast<QWidget*>(m_clear), static_cast<QWidget*>(m_text),
                       static_cast<QWidget*>(m_fieldRows), static_cast<QWidget*>(m_vocabulary)})
        w->setEnabled(editable);
    if (!editable) {
        m_title->clear();
        m_description->clear();
        showTextQuietly(std::string());
        m_lastAccepted.clear();
        showVocabulary(Vocabulary::None);
        showRows(MessageKind::Voice, InterruptAction::CancelMessage);
        return;
    }
    const MessageEntry& message = currentMessage();
    const MessageInfo& info = m_catalog.messages[static_cast<std::size_t>(m_current)];
    m_title->setText(toQString(info.name));
    m_description->setPlainText(toQString(info.description));
    showTextQuietly(message.text);
    m_lastAccepted = m_previous;
    setTextQuietly(m_commandField, toQString(message.interruptCommand));

    const MessageKind kind = messageKindOf(message.messageType.view());
    const InterruptAction action = interruptActionOf(message.interruptAction.view());
    typeButton(kind)->setChecked(true);
    showVocabulary(vocabularyOf(kind));
    interruptButton(action)->setChecked(true);
    showRows(kind, action);
    m_saved = SavedMessage{message.text, message.messageType.str(), message.interruptCommand.str(),
                           message.interruptAction.str()};
    const QSignalBlocker block(m_list);
    m_list->setCurrentRow(m_current);
}

// The screen's own change of the text: the type-ahead does not judge it, and the next
// completion appends.
void MessagesScreen::showTextQuietly(const std::string& text) {
    setTextQuietly(m_text, toQString(text));
    m_previous = toStdString(m_text->text());
    m_change = TextChange{};
}

void MessagesScreen::showVocabulary(Vocabulary vocabulary) {
    if (vocabulary != m_shown) {
        const QSignalBlocker block(m_vocabulary);
        m_vocabulary->clear();
        if (vocabulary == Vocabulary::Words) {
            m_vocabulary->addItems(m_wordItems);
        } else if (vocabulary == Vocabulary::Cw) {
            m_vocabulary->addItems(m_cwItems);
        } else if (vocabulary == Vocabulary::Dvr) {
            std::vector<std::string> lines;
            std::vector<std::string> names;
            for (const DvrTrack& track : m_doc.dvrTracks) {
                lines.push_back(dvrListLine(track.trackName.view(), track.description));
                names.push_back(track.trackName.str());
            }
            m_dvrLines = VocabularyLines(lines);
            m_knownTracks = CaseFreeNames(names);
            m_vocabulary->addItems(toQStringList(lines));
        }
        m_vocabularyTitle->setText(toQString(merix::vocabularyTitle(vocabulary)));
        labelControl(m_vocabularyTitle, m_vocabulary);
        m_shown = vocabulary;
    }
    selectVocabularyLine(0);
    showSelectedTrackDescription();
}

const VocabularyLines& MessagesScreen::shownLines() const {
    static const VocabularyLines none;
    switch (m_shown) {
    case Vocabulary::Words:
        return m_wordLines;
    case Vocabulary::Cw:
        return m_cwLines;
    case Vocabulary::Dvr:
        return m_dvrLines;
    case Vocabulary::None:
        break;
    }
    return none;
}

void MessagesScreen::selectVocabularyLine(int row) {
    if (row < 0 || row >= m_vocabulary->count())
        return;
    m_vocabulary->setCurrentRow(row);
    m_vocabulary->scrollToItem(m_vocabulary->item(row));
}

void MessagesScreen::showSelectedTrackDescription() {
    if (m_shown != Vocabulary::Dvr)
        return;
    const int row = m_vocabulary->currentRow();
    const bool known = row >= 0 && static_cast<std::size_t>(row) < m_doc.dvrTracks.size();
    const QString description =
        known ? toQString(m_doc.dvrTracks[static_cast<std::size_t>(row)].description) : QString();
    if (m_dvrDescription->text() != description)
        setTextQuietly(m_dvrDescription, description);
}

void MessagesScreen::showRows(MessageKind kind, InterruptAction action) {
    const MessageRowsShown shown = rowsShownFor(kind, action);
    m_interruptGroup->setVisible(shown.interrupt);
    m_fieldRows->setCurrentIndex(shown.command          ? CommandFieldRow
                                 : shown.dvrDescription ? DvrFieldRow
                                                        : NoFieldRow);
}

void MessagesScreen::onMessageSelected(int row) {
    if (row < 0 || row == m_current)
        return;
    if (hasCurrent())
        currentMessage().text = toStdString(m_text->text());
    m_current = row;
    displayMessage();
}

void MessagesScreen::onTypeClicked(MessageKind kind) {
    if (!hasCurrent())
        return;
    const Vocabulary needed = vocabularyOf(kind);
    if (needed != m_shown)
        m_text->clear(); // words, CW characters and track names do not carry over
    showVocabulary(needed);
    currentMessage().messageType = messageTypeName(kind);
    const InterruptAction action =
        m_command->isChecked() ? InterruptAction::Command : InterruptAction::CancelMessage;
    showRows(kind, action);
    checkUnlessSuppressed();
}

void MessagesScreen::onInterruptClicked(InterruptAction action) {
    if (!hasCurrent())
        return;
    currentMessage().interruptAction = interruptActionName(action);
    showRows(messageKindOf(currentMessage().messageType.view()), action);
    checkUnlessSuppressed();
}

void MessagesScreen::onTextChanged() {
    if (!hasCurrent())
        return;
    const std::string text = toStdString(m_text->text());
    const TypeAhead result = typeAhead(text, m_previous, m_shown, shownLines());
    m_change = result.change;
    if (result.refused) {
        setTextQuietly(m_text, toQString(m_previous));
        m_text->setCursorPosition(qtIndex(m_previous, result.change.position.value_or(0)));
        return;
    }
    if (result.selected) {
        selectVocabularyLine(static_cast<int>(*result.selected));
        showSelectedTrackDescription();
    }
    m_previous = text;
}

void MessagesScreen::onVocabularyRowChanged(int) {
    showSelectedTrackDescription();
}

void MessagesScreen::onVocabularyDoubleClicked(QListWidgetItem* item) {
    const int row = m_vocabulary->row(item);
    const auto index = static_cast<std::size_t>(row);
    if (!hasCurrent() || row < 0 || index >= shownLines().size())
        return;
    if (m_shown == Vocabulary::Dvr && index >= m_doc.dvrTracks.size())
        return;
    const std::string entry = m_shown == Vocabulary::Dvr ? m_doc.dvrTracks[index].trackName.str()
                                                         : shownLines().lines()[index];
    const Completion completion =
        completeWith(toStdString(m_text->text()), m_change, entry, m_shown, kMessageTextCapacity);
    if (completion.kind == Completion::Kind::Unchanged)
        return;
    showTextQuietly(completion.text);
    currentMessage().text = completion.text;
    if (completion.kind == Completion::Kind::Replaced) {
        m_text->setFocus();
        m_text->setCursorPosition(qtIndex(completion.text, completion.caret));
    }
}

void MessagesScreen::onClearMessage() {
    if (!hasCurrent())
        return;
    m_text->clear();
    selectVocabularyLine(0);
}

void MessagesScreen::onCommandChanged() {
    if (!hasCurrent())
        return;
    const FieldEdit edit = commandFieldEdit(m_commandField->text().toStdU16String());
    if (applyFieldEdit(m_commandField, edit, m_prompter))
        return; // stored by the change the correction made
    currentMessage().interruptCommand = toUtf8(edit.text);
}

void MessagesScreen::onDvrDescriptionChanged() {
    if (!hasCurrent() || m_shown != Vocabulary::Dvr)
        return;
    const FieldEdit edit = dvrDescriptionEdit(m_dvrDescription->text().toStdU16String());
    if (applyFieldEdit(m_dvrDescription, edit, m_prompter))
        return;
    const int row = m_vocabulary->currentRow();
    const auto index = static_cast<std::size_t>(row);
    if (row < 0 || index >= m_doc.dvrTracks.size() || index >= m_dvrLines.size())
        return;
    DvrTrack& track = m_doc.dvrTracks[index];
    const std::string typed = toUtf8(edit.text);
    if (track.description == typed)
        return;
    track.description = typed;
    std::string line = dvrListLine(track.trackName.view(), typed);
    m_vocabulary->item(row)->setText(toQString(line));
    m_dvrLines.replace(index, std::move(line));
}

// A list that could not be read judges nothing: the status line has said why it is empty,
// and every stored text failing would leave the user no way out but Cancel.
std::optional<TextSpan> MessagesScreen::firstOffence(const std::string& text) const {
    switch (m_shown) {
    case Vocabulary::Words:
        if (!m_catalog.wordsRead)
            break;
        return firstUnknownWord(text, m_knownWords);
    case Vocabulary::Dvr:
        return firstUnknownWord(text, m_knownTracks);
    case Vocabulary::Cw:
        if (!m_catalog.cwRead)
            break;
        return firstUnknownCwCharacter(text, m_knownCw);
    case Vocabulary::None:
        break;
    }
    return std::nullopt;
}

// True when every word (or CW character) of the text is in the vocabulary shown; the text is
// then stored. Otherwise the user either gets the offending part selected, or, gone to the
// main window, finds the last accepted text back without a word said.
bool MessagesScreen::checkText() {
    if (!hasCurrent() || m_shown == Vocabulary::None)
        return true;
    const std::string text = toStdString(m_text->text());
    const std::optional<TextSpan> offence = firstOffence(text);
    if (!offence) {
        m_lastAccepted = std::string(firstFieldCharacters(text, kMessageTextCapacity));
        currentMessage().text = m_lastAccepted;
        return true;
    }
    if (m_pointer.isOver() && !okButton()->isDown() && !okButton()->hasFocus()) {
        showTextQuietly(m_lastAccepted);
        return false;
    }
    const int start = qtIndex(text, offence->start);
    const int end = qtIndex(text, offence->start + offence->length);
    m_text->setFocus();
    m_text->setSelection(start, end - start);
    m_suppressCheck = true;
    return false;
}

void MessagesScreen::checkUnlessSuppressed() {
    if (!m_suppressCheck)
        checkText();
    m_suppressCheck = false;
}

void MessagesScreen::onTextFocusLost() {
    if (!hasCurrent() || !m_pointer.isOver())
        return;
    const QWidget* next = QApplication::focusWidget();
    const bool leavingByButton =
        next == cancelButton() || next == m_clear || cancelButton()->isDown() || m_clear->isDown();
    if (!leavingByButton && !checkText())
        okButton()->setDown(false);
}

bool MessagesScreen::eventFilter(QObject* watched, QEvent* e) {
    if (watched == m_text && e->type() == QEvent::FocusOut) {
        // The field drops its selection and hides its caret as it loses the focus: that comes
        // first, so the part a failing check selects, and the focus it puts back, stay.
        m_text->event(e);
        onTextFocusLost();
        return true;
    }
    if (e->type() == QEvent::FocusIn &&
        (watched == m_list || watched == m_description || watched == m_commandField ||
         watched == m_dvrDescription)) {
        checkUnlessSuppressed();
    } else if (watched == m_list->viewport() && e->type() == QEvent::MouseButtonPress &&
               !m_list->hasFocus()) {
        // The click brought the focus to the list and the text failed its check on the way:
        // the offending word is selected, and the click must not carry the user to another
        // message, which would store that text.
        return true;
    }
    return EditingScreen::eventFilter(watched, e);
}

bool MessagesScreen::acceptEdits() {
    // After a New or Open not yet shown, the field holds the old document's text.
    if (hasCurrent() && !m_doc.refreshFlag(ScreenId::Messages)) {
        // Checked even after a failed check set the mark: OK never closes on a text the
        // controller cannot say.
        const bool passed = checkText();
        m_suppressCheck = false;
        if (!passed)
            return false;
        currentMessage().text = toStdString(m_text->text());
    }
    discardCatalogs();
    m_closing = true;
    return true;
}

void MessagesScreen::cancelEdits() {
    // After a New or Open not yet shown, the saved values are the old document's.
    if (hasCurrent() && !m_doc.refreshFlag(ScreenId::Messages)) {
        MessageEntry& message = currentMessage();
        message.text = m_saved.text;
        message.messageType = m_saved.messageType;
        message.interruptCommand = m_saved.interruptCommand;
        message.interruptAction = m_saved.interruptAction;
    }
    m_closing = true;
    discardCatalogs();
}

void MessagesScreen::discardCatalogs() {
    m_catalog = MessageCatalog{};
    m_wordLines = VocabularyLines();
    m_cwLines = VocabularyLines();
    m_dvrLines = VocabularyLines();
}

void MessagesScreen::refreshFromDocument() {
    if (m_shown == Vocabulary::Dvr)
        m_shown = Vocabulary::None; // the new document's tracks are listed afresh
    displayMessage();
}

} // namespace merix
