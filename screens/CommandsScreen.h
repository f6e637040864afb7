#pragma once

#include "screens/EditingScreen.h"
#include "screens/EntryCatalog.h"

#include <array>
#include <string>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QRadioButton;

namespace merix {

struct CommandEntry;

// "Commands": each controller command's name, the ports it may be used on and the clearance
// a user needs for it. Every change goes into the store at once; Cancel puts back only the
// command that is current.
class CommandsScreen final : public EditingScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CommandsScreen)

  public:
    CommandsScreen(const ScreenContext& context, QWidget* parent);

    // For tests and the help text: the widgets by their role.
    QListWidget* commandList() const { return m_list; }
    QLineEdit* searchField() const { return m_search; }
    QLineEdit* nameField() const { return m_name; }
    QGroupBox* portsBox() const { return m_portsBox; }
    QCheckBox* portBox(int port) const { return m_ports[static_cast<std::size_t>(port - 1)]; }
    QGroupBox* clearanceBox() const { return m_clearanceBox; }
    QRadioButton* clearanceButton(int level) const {
        return m_levels[static_cast<std::size_t>(level)];
    }
    QLabel* labelLine() const { return m_label; }
    QPlainTextEdit* descriptionBox() const { return m_description; }

  protected:
    void refreshFromDocument() override;
    void cancelEdits() override;

  private:
    void buildControls();
    QGroupBox* buildPortsBox();
    QGroupBox* buildClearanceBox();
    void loadCatalog();
    void fillList();
    bool hasCurrent() const;
    CommandEntry& currentCommand();
    void showCurrent();
    void updateListLine(std::size_t index);

    void onNameChanged();
    void onSearchChanged();
    void onPortClicked(int port, bool checked);
    void onClearanceClicked(int level);
    void onSelectionChanged(int row);

    // What Cancel puts back: the current command as it was when it became current.
    struct SavedCommand {
        std::string name;
        PortInts ports{};
        int clearanceLevel = 0;
    };

    std::vector<EntryText> m_entries;
    std::vector<std::string> m_lines; // the list's lines, for the search
    int m_current = 0;
    SavedCommand m_saved;

    QListWidget* m_list = nullptr;
    QLineEdit* m_search = nullptr;
    QLabel* m_label = nullptr;
    QLineEdit* m_name = nullptr;
    QGroupBox* m_portsBox = nullptr;
    std::array<QCheckBox*, kPortCount> m_ports{};
    QGroupBox* m_clearanceBox = nullptr;
    std::array<QRadioButton*, 8> m_levels{};
    QButtonGroup* m_levelGroup = nullptr;
    QPlainTextEdit* m_description = nullptr;
};

} // namespace merix
