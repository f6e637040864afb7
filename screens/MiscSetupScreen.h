#pragma once

#include "document/Records.h"
#include "screens/EditingScreen.h"

#include <array>
#include <string>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace merix {

// "Misc Setup": the setup of each of the eight ports, one port at a time. Every change goes
// into the store at once; Cancel puts back all eight ports as they were when the screen
// opened.
class MiscSetupScreen final : public EditingScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MiscSetupScreen)

  public:
    MiscSetupScreen(const ScreenContext& context, QWidget* parent);

    // For tests and the help text: the widgets by their role.
    QComboBox* portList() const { return m_ports; }
    QComboBox* accessModeList() const { return m_accessMode; }
    QLineEdit* accessCodeField() const { return m_accessCode; }
    QLineEdit* executerField() const { return m_executer; }
    QPlainTextEdit* descriptionBox() const { return m_description; }
    QCheckBox* checkBox(int PortSetup::*setting) const;
    QCheckBox* passwordBox() const { return m_password; }
    // The radio button that gives `setting` the value `value`.
    QAbstractButton* choice(int PortSetup::*setting, int value) const;
    int shownPort() const { return m_port; }

  protected:
    void refreshFromDocument() override;
    void cancelEdits() override;

  private:
    struct CheckSetting {
        int PortSetup::*setting;
        QCheckBox* box;
    };
    struct ChoiceSetting {
        int PortSetup::*setting;
        QButtonGroup* buttons;
    };

    void buildControls();
    QCheckBox* addCheck(const char* caption, int PortSetup::*setting);
    QGroupBox* addChoice(const char* title, std::vector<const char*> captions,
                         int PortSetup::*setting);
    QGroupBox* buildPreaccess();
    QGroupBox* buildExecuter();
    void loadAccessModes();
    PortSetup& shownSetup();
    void showPort();
    void showLinkControls(bool link);

    void onPortChosen(int index);
    void onCheckClicked(int PortSetup::*setting, bool checked);
    void onPasswordClicked(bool checked);
    void onChoiceClicked(int PortSetup::*setting, int value);
    void onAccessModeChosen(int index);
    void onAccessCodeChanged();
    void onExecuterChanged();

    std::vector<CheckSetting> m_checks;
    std::vector<ChoiceSetting> m_choices;
    std::vector<std::string> m_accessModes; // whole, as the list shows them
    int m_port = 1;
    std::array<PortSetup, kPortCount> m_backup;

    QComboBox* m_ports = nullptr;
    QCheckBox* m_password = nullptr;
    QCheckBox* m_dialTone = nullptr;
    QLabel* m_accessCodeLabel = nullptr;
    QLineEdit* m_accessCode = nullptr;
    QComboBox* m_accessMode = nullptr;
    QLineEdit* m_executer = nullptr;
    QPlainTextEdit* m_description = nullptr;
};

} // namespace merix
