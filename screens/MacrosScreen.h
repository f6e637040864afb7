#pragma once

#include "document/LookupList.h"
#include "screens/EditingScreen.h"
#include "screens/EntryCatalog.h"
#include "screens/MacroRules.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class QWidget;

namespace merix {

struct MacroEntry;

// "Macros": the command lines of every macro, six rows at a time over up to twenty lines, and
// its comment. The list can show the voice words instead, whose numbers a double-click
// appends to the parameters of the row the cursor was in. Every change goes into the store at
// once; Cancel puts back only the macro that is current.
class MacrosScreen final : public EditingScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MacrosScreen)

  public:
    MacrosScreen(const ScreenContext& context, QWidget* parent);

    // For tests and the help text: the widgets by their role; rows count from 1.
    QLabel* listLabel() const { return m_listLabel; }
    QListWidget* list() const { return m_list; }
    QLineEdit* searchField() const { return m_search; }
    QLabel* labelLine() const { return m_label; }
    QPlainTextEdit* descriptionBox() const { return m_description; }
    QLineEdit* commentField() const { return m_comment; }
    QLineEdit* commandField(int row) const { return m_commands[index(row)]; }
    QLineEdit* parametersField(int row) const { return m_parameters[index(row)]; }
    QScrollBar* lineScroller() const { return m_scroll; }
    QPushButton* wordListButton() const { return m_toggle; }
    QPushButton* insertLineButton() const { return m_insert; }
    QPushButton* deleteLineButton() const { return m_delete; }
    int topLine() const { return m_top; }
    int cursorRow() const { return m_cursorRow; }

  protected:
    void refreshFromDocument() override;
    void cancelEdits() override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    static std::size_t index(int row) { return static_cast<std::size_t>(row - 1); }

    void buildControls();
    QWidget* buildRows();
    void loadCatalogs();
    void buildListLines();
    bool hasCurrent() const;
    MacroEntry& currentMacro();
    void showCurrent();
    void showRows();
    void resetTopLine();
    void fillMacroList();
    void showMacroList();
    void showWordList();
    void setListCaption(const QString& caption);
    void focusCursorRow();
    void appendWord(int word);
    bool moveThroughRows(QObject* field, int key);

    void onSelectionChanged(int row);
    void onCommandNumberChanged(int row);
    void onParametersChanged(int row);
    void onCommentChanged();
    void onScrollAction(int action);
    void onScrolled(int top);
    void onInsertLine();
    void onDeleteLine();
    void onToggleList();
    void onSearchChanged();
    void onWordDoubleClicked(QListWidgetItem* item);

    // What Cancel puts back: the current macro as it was when it became current.
    struct SavedMacro {
        std::vector<MacroLine> lines;
        std::optional<std::string> comment;
    };

    std::vector<EntryText> m_entries;
    std::vector<std::string> m_listLines;
    LookupList m_words;
    std::vector<std::string> m_wordNames; // for the search
    int m_current = 0;
    int m_top = 0;
    int m_cursorRow = 0; // 0: no row has had the cursor since the last reset
    bool m_wordMode = false;
    SavedMacro m_saved;

    QLabel* m_listLabel = nullptr;
    QListWidget* m_list = nullptr;
    QLabel* m_searchLabel = nullptr;
    QLineEdit* m_search = nullptr;
    QLabel* m_label = nullptr;
    QPlainTextEdit* m_description = nullptr;
    QLineEdit* m_comment = nullptr;
    QWidget* m_rows = nullptr;
    std::array<QLineEdit*, kMacroRows> m_commands{};
    std::array<QLineEdit*, kMacroRows> m_parameters{};
    QScrollBar* m_scroll = nullptr;
    QPushButton* m_toggle = nullptr;
    QPushButton* m_insert = nullptr;
    QPushButton* m_delete = nullptr;
};

} // namespace merix
