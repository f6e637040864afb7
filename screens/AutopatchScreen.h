#pragma once

#include "screens/UserSubScreen.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace merix {

// "Autopatch": the telephone autopatch settings of one user, opened modally from the Users
// screen. Cancel puts back the seven fields as they were when it opened.
class AutopatchScreen final : public UserSubScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AutopatchScreen)

  public:
    AutopatchScreen(ConfigDocument& doc, Prompter& prompter, std::size_t user, QWidget* parent);

    // For tests and the help text: the widgets by their role.
    QLineEdit* autodialField() const { return m_autodial; }
    QCheckBox* predialBox() const { return m_predial; }
    QComboBox* autodialReadbackList() const { return m_autodialReadback; }
    QComboBox* normalReadbackList() const { return m_normalReadback; }
    QComboBox* privacyList() const { return m_privacy; }
    QCheckBox* timeOutBox() const { return m_timeOut; }
    QLineEdit* downCodeField() const { return m_downCode; }

  protected:
    void restoreSaved() override;

  private:
    void buildControls();
    void showUser();

    void onAutodialChanged();
    void onDownCodeChanged();

    QLineEdit* m_autodial = nullptr;
    QCheckBox* m_predial = nullptr;
    QComboBox* m_autodialReadback = nullptr;
    QComboBox* m_normalReadback = nullptr;
    QComboBox* m_privacy = nullptr;
    QCheckBox* m_timeOut = nullptr;
    QLineEdit* m_downCode = nullptr;
};

} // namespace merix
