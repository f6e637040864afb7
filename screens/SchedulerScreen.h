#pragma once

#include "document/Records.h"
#include "screens/EditingScreen.h"
#include "screens/ScheduleCatalog.h"

#include <vector>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QRadioButton;

namespace merix {

// "Scheduler": which command or macro every scheduler event runs, and when. Each accepted
// change goes into the store at once; Cancel puts back the event shown.
class SchedulerScreen final : public EditingScreen {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SchedulerScreen)

  public:
    SchedulerScreen(const ScreenContext& context, QWidget* parent);

    // For tests and the help text: the widgets by their role.
    QListWidget* eventList() const { return m_list; }
    QLabel* panelTitle() const { return m_title; }
    QLineEdit* commentField() const { return m_comment; }
    QLineEdit* commandField() const { return m_command; }
    QGroupBox* periodGroup() const { return m_periodBox; }
    QRadioButton* periodButton(int period) const;
    QLineEdit* minutesField() const { return m_minutes; }
    QComboBox* hourList() const { return m_hour; }
    QRadioButton* amButton() const { return m_am; }
    QRadioButton* pmButton() const { return m_pm; }
    QComboBox* dayList() const { return m_day; }
    QLineEdit* dayOfMonthField() const { return m_dayOfMonth; }
    QComboBox* monthList() const { return m_month; }
    QPlainTextEdit* descriptionBox() const { return m_description; }

  protected:
    void refreshFromDocument() override;
    void cancelEdits() override;
    bool acceptEdits() override;

  private:
    void buildControls();
    QWidget* buildPanel();
    QGroupBox* buildPeriodGroup();
    void loadEvents();
    void fillList();
    bool hasCurrent() const;
    ScheduleEvent& currentEvent();
    void showCurrent();
    void showControlsFor(int period);
    void updateListLine(int row);

    void onSelectionChanged(int row);
    void onCommentChanged();
    void onCommandChanged();
    void onPeriodChosen(int period, bool checked);
    void onMinutesChanged();
    void onHourChosen(int index);
    void onAmPmChosen(int amPm, bool checked);
    void onDayChosen(int index);
    void onDayOfMonthChanged();
    void onMonthChosen(int index);

    std::vector<EventInfo> m_info;
    int m_current = 0;
    ScheduleEvent m_saved;

    QListWidget* m_list = nullptr;
    QLabel* m_title = nullptr;
    QLineEdit* m_comment = nullptr;
    QLineEdit* m_command = nullptr;
    QGroupBox* m_periodBox = nullptr;
    QButtonGroup* m_period = nullptr;
    QLineEdit* m_minutes = nullptr;
    QLabel* m_hourLabel = nullptr;
    QComboBox* m_hour = nullptr;
    QButtonGroup* m_amPm = nullptr;
    QRadioButton* m_am = nullptr;
    QRadioButton* m_pm = nullptr;
    QLabel* m_dayLabel = nullptr;
    QComboBox* m_day = nullptr;
    QLabel* m_dayOfMonthLabel = nullptr;
    QLineEdit* m_dayOfMonth = nullptr;
    QLabel* m_monthLabel = nullptr;
    QComboBox* m_month = nullptr;
    QPlainTextEdit* m_description = nullptr;
};

} // namespace merix
