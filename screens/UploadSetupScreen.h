#pragma once

#include "link/PortMap.h"
#include "link/UploadSettings.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace merix {

struct UploadSession;

// "Upload Setup": how to reach the controller and what to send. Every change goes into the
// session's settings at once; Cancel puts the whole record (and the port devices) back, OK
// writes the settings file and regenerates the command file when the upload option changed.
class UploadSetupScreen final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UploadSetupScreen)

  public:
    UploadSetupScreen(UploadSession& session, QWidget* parent);

    // For tests: the controls by their role.
    QRadioButton* connectionButton(ConnectionType type) const {
        return m_type.at(static_cast<std::size_t>(type));
    }
    QLineEdit* phoneField() const { return m_phone; }
    QComboBox* baudList() const { return m_baud; }
    QRadioButton* portButton(int index) const { return m_port.at(index); }
    QComboBox* deviceList(int index) const { return m_device.at(index); }
    QCheckBox* stripCommentsBox() const { return m_strip; }
    QRadioButton* optionButton(UploadOption option) const {
        return m_option.at(static_cast<std::size_t>(option));
    }
    QLineEdit* beforeField() const { return m_beforeFile; }
    QLineEdit* afterField() const { return m_afterFile; }
    QPushButton* beforeEditButton() const { return m_beforeEdit; }
    QPushButton* afterEditButton() const { return m_afterEdit; }
    QCheckBox* uploadBeforeBox() const { return m_uploadBefore; }
    QCheckBox* uploadAfterBox() const { return m_uploadAfter; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

    void reject() override;

  private:
    QWidget* buildConnection();
    QWidget* buildPorts();
    QWidget* buildOptions();
    QWidget* buildSideFiles();
    void connectControls();
    void showRecord();

    void onPhoneChanged();
    void onOk();

    UploadSession& m_session;
    const UploadSettings m_saved;
    const PortMap m_savedPorts;

    std::array<QRadioButton*, 2> m_type{};
    QButtonGroup* m_typeGroup = nullptr;
    QLineEdit* m_phone = nullptr;
    QComboBox* m_baud = nullptr;
    std::array<QRadioButton*, PortMap::kPortCount> m_port{};
    std::array<QComboBox*, PortMap::kPortCount> m_device{};
    QButtonGroup* m_portGroup = nullptr;
    QCheckBox* m_strip = nullptr;
    std::array<QRadioButton*, 3> m_option{};
    QButtonGroup* m_optionGroup = nullptr;
    QLineEdit* m_beforeFile = nullptr;
    QPushButton* m_beforeEdit = nullptr;
    QCheckBox* m_uploadBefore = nullptr;
    QLineEdit* m_afterFile = nullptr;
    QPushButton* m_afterEdit = nullptr;
    QCheckBox* m_uploadAfter = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_ok = nullptr;
};

} // namespace merix
