#pragma once

#include "screens/EditingScreen.h"
#include "screens/MessageCatalog.h"
#include "screens/MessageKinds.h"
#include "screens/MessageTypeAhead.h"
#include "screens/MessageVocabulary.h"

#include <QStringList>

#include <string>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace merix {

struct MessageEntry;
struct TextSpan;

// "Messages": the type, text and interrupt handling of every message, composed word by word
// from the controller's vocabulary, and the descriptions of the DVR tracks. Every accepted
// change goes into the store at once; Cancel puts back only the message shown.
class MessagesScreen final : public EditingScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MessagesScreen)

  public:
    MessagesScreen(const ScreenContext& context, QWidget* parent);

    // For tests and the help text: the widgets by their role.
    QListWidget* messageList() const { return m_list; }
    QLabel* panelTitle() const { return m_title; }
    QPlainTextEdit* descriptionBox() const { return m_description; }
    QRadioButton* typeButton(MessageKind kind) const;
    QRadioButton* interruptButton(InterruptAction action) const;
    QGroupBox* typeGroup() const { return m_typeGroup; }
    QGroupBox* interruptGroup() const { return m_interruptGroup; }
    QPushButton* clearMessageButton() const { return m_clear; }
    QLineEdit* textField() const { return m_text; }
    QLineEdit* commandField() const { return m_commandField; }
    QLineEdit* dvrDescriptionField() const { return m_dvrDescription; }
    QLabel* vocabularyTitle() const { return m_vocabularyTitle; }
    QListWidget* vocabularyList() const { return m_vocabulary; }

  protected:
    void refreshFromDocument() override;
    void cancelEdits() override;
    bool acceptEdits() override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    struct SavedMessage {
        std::string text;
        std::string messageType;
        std::string interruptCommand;
        std::string interruptAction;
    };

    void buildControls();
    QLayout* buildPanel();
    QWidget* buildFieldRows();
    void connectControls();
    void loadCatalogs();
    bool hasCurrent() const;
    MessageEntry& currentMessage();
    void displayMessage();
    void showVocabulary(Vocabulary vocabulary);
    const VocabularyLines& shownLines() const;
    void selectVocabularyLine(int row);
    void showSelectedTrackDescription();
    void showRows(MessageKind kind, InterruptAction action);
    void showTextQuietly(const std::string& text);
    bool checkText();
    std::optional<TextSpan> firstOffence(const std::string& text) const;
    void checkUnlessSuppressed();
    void discardCatalogs();

    void onMessageSelected(int row);
    void onTypeClicked(MessageKind kind);
    void onInterruptClicked(InterruptAction action);
    void onTextChanged();
    void onTextFocusLost();
    void onCommandChanged();
    void onDvrDescriptionChanged();
    void onVocabularyRowChanged(int row);
    void onVocabularyDoubleClicked(QListWidgetItem* item);
    void onClearMessage();

    MessageCatalog m_catalog;
    VocabularyLines m_wordLines;
    VocabularyLines m_cwLines;
    VocabularyLines m_dvrLines;
    QStringList m_wordItems;
    QStringList m_cwItems;
    CaseFreeNames m_knownWords;
    CaseFreeNames m_knownCw;
    CaseFreeNames m_knownTracks;

    int m_current = 0;
    Vocabulary m_shown = Vocabulary::None;
    std::string m_lastAccepted;
    std::string m_previous;
    TextChange m_change;
    SavedMessage m_saved;
    // A check failed and put the focus back on the text: the next trigger does not check.
    bool m_suppressCheck = false;
    bool m_closing = false;

    QListWidget* m_list = nullptr;
    QLabel* m_title = nullptr;
    QPlainTextEdit* m_description = nullptr;
    QGroupBox* m_typeGroup = nullptr;
    QRadioButton* m_voice = nullptr;
    QRadioButton* m_polite = nullptr;
    QRadioButton* m_cw = nullptr;
    QRadioButton* m_dvr = nullptr;
    QGroupBox* m_interruptGroup = nullptr;
    QRadioButton* m_cancelMessage = nullptr;
    QRadioButton* m_cwId = nullptr;
    QRadioButton* m_command = nullptr;
    QPushButton* m_clear = nullptr;
    QLineEdit* m_text = nullptr;
    QStackedWidget* m_fieldRows = nullptr;
    QWidget* m_commandRow = nullptr;
    QLineEdit* m_commandField = nullptr;
    QWidget* m_dvrRow = nullptr;
    QLineEdit* m_dvrDescription = nullptr;
    QLabel* m_vocabularyTitle = nullptr;
    QListWidget* m_vocabulary = nullptr;
};

} // namespace merix
