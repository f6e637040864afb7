#pragma once

#include "screens/EditingScreen.h"
#include "screens/TimerCatalog.h"

#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;

namespace merix {

struct TimerEntry;

// "Set Timer Values": the length of every timer. Each accepted keystroke goes into the
// store at once; Cancel puts back only the timer that is current.
class TimersScreen final : public EditingScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TimersScreen)

  public:
    TimersScreen(const ScreenContext& context, QWidget* parent);

    // For tests and the help text: the widgets by their role.
    QListWidget* timerList() const { return m_list; }
    QLineEdit* lengthField() const { return m_length; }
    QScrollBar* lengthArrows() const { return m_arrows; }
    QCheckBox* setToDefaultBox() const { return m_setDefault; }
    QLabel* maximumLabel() const { return m_maximum; }
    QPlainTextEdit* descriptionBox() const { return m_description; }

  protected:
    void refreshFromDocument() override;
    void cancelEdits() override;
    bool acceptEdits() override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void buildControls();
    void loadTimers();
    bool hasCurrent() const;
    TimerEntry& currentTimer();
    long long currentMaximum() const;
    long long fieldValue() const;
    void showCurrent();

    void onLengthChanged();
    void onArrow(int action);
    void onSetToDefault(bool checked);
    void onSelectionChanged(int row);

    std::vector<TimerInfo> m_info;
    int m_current = 0;
    u16 m_savedLength = 0;

    QListWidget* m_list = nullptr;
    QLabel* m_label = nullptr;
    QLineEdit* m_length = nullptr;
    QScrollBar* m_arrows = nullptr;
    QCheckBox* m_setDefault = nullptr;
    QLabel* m_maximum = nullptr;
    QPlainTextEdit* m_description = nullptr;
};

} // namespace merix
