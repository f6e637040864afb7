#pragma once

#include "document/Records.h"
#include "screens/EditingScreen.h"

#include <string>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace merix {

class UserSubScreen;

// "Users": name, call sign, password, clearance and description of every user slot, with the
// Autopatch (and, disabled, the Paging) screen for the user shown. Each accepted change goes
// into the store at once; Cancel puts back the user shown, Autopatch changes included.
class UsersScreen final : public EditingScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UsersScreen)

  public:
    UsersScreen(const ScreenContext& context, QWidget* parent);

    // For tests and the help text: the widgets by their role.
    QListWidget* userList() const { return m_list; }
    QLabel* panelTitle() const { return m_title; }
    QLineEdit* nameField() const { return m_name; }
    QLineEdit* callSignField() const { return m_callSign; }
    QCheckBox* enabledBox() const { return m_enabled; }
    QLineEdit* passwordField() const { return m_password; }
    QRadioButton* wholePasswordButton() const { return m_whole; }
    QRadioButton* challengeButton() const { return m_challenge; }
    QLineEdit* challengeField() const { return m_digits; }
    QGroupBox* clearanceGroup() const { return m_clearanceBox; }
    QRadioButton* clearanceButton(int level) const;
    QPlainTextEdit* descriptionBox() const { return m_description; }
    QPushButton* autopatchButton() const { return m_autopatch; }
    QPushButton* pagingButton() const { return m_paging; }

  protected:
    void refreshFromDocument() override;
    void cancelEdits() override;
    bool acceptEdits() override;

  private:
    void buildControls();
    QWidget* buildPanel();
    void loadListNames();
    void fillList();
    bool hasCurrent() const;
    UserEntry& currentUser();
    bool challengeOn() const;
    void showCurrent();
    void showChallengeField(bool shown);
    void updateListLine(int row);
    void runSubScreen(UserSubScreen& screen);

    void onSelectionChanged(int row);
    void onNameChanged();
    void onCallSignChanged();
    void onPasswordChanged();
    void onChallengeDigitsChanged();
    void onPasswordModeChosen(int mode, bool checked);
    void onClearanceChosen(int level, bool checked);
    void onEnabledToggled(bool on);
    void onDescriptionChanged();
    void onAutopatch();
    void onPaging();

    std::vector<std::string> m_listNames;
    int m_current = 0;
    UserEntry m_saved;

    QListWidget* m_list = nullptr;
    QLabel* m_title = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_callSign = nullptr;
    QCheckBox* m_enabled = nullptr;
    QLineEdit* m_password = nullptr;
    QButtonGroup* m_mode = nullptr;
    QRadioButton* m_whole = nullptr;
    QRadioButton* m_challenge = nullptr;
    QLabel* m_digitsLabel = nullptr;
    QLineEdit* m_digits = nullptr;
    QGroupBox* m_clearanceBox = nullptr;
    QButtonGroup* m_clearance = nullptr;
    QPlainTextEdit* m_description = nullptr;
    QPushButton* m_autopatch = nullptr;
    QPushButton* m_paging = nullptr;
};

} // namespace merix
