#pragma once

#include "document/Records.h"
#include "screens/EditingScreen.h"
#include "screens/ToneRules.h"

#include <array>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace merix {

// "Tones": the CW settings of each port, the DTMF cover tone and the reverse patch ring. Each
// accepted keystroke goes into the store at once; Cancel puts back the tones of every port as
// they were when the screen opened.
class TonesScreen final : public EditingScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TonesScreen)

  public:
    TonesScreen(const ScreenContext& context, QWidget* parent);

    // For tests and the help text: the widgets by their role.
    QComboBox* portList() const { return m_ports; }
    QLineEdit* field(ToneValue value) const { return m_fields[static_cast<std::size_t>(value)]; }
    QPlainTextEdit* descriptionBox() const { return m_description; }
    QPushButton* courtesyBeepsButton() const { return m_beeps; }
    int shownPort() const { return m_port; }

  protected:
    void refreshFromDocument() override;
    void cancelEdits() override;
    bool acceptEdits() override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void buildControls();
    QLayout* buildGrid();
    void showValues();
    void leaveCwSpeed();

    void onFieldChanged(ToneValue value);
    void onPortChosen(int index);
    void onCourtesyBeeps();

    std::array<QLineEdit*, kToneValueCount> m_fields{};
    QComboBox* m_ports = nullptr;
    QPlainTextEdit* m_description = nullptr;
    QPushButton* m_beeps = nullptr;
    int m_port = 1;
    ToneSettings m_backup;
};

} // namespace merix
