#include "screens/SchedulerScreen.h"
#include "generator/CommandFileGenerator.h"
#include "tests/screens/AccessibleTree.h"
#include "tests/screens/ClickButton.h"
#include "tests/screens/ScreenTestFixture.h"
#include "tests/support/TempDir.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>

namespace merix {
namespace {

constexpr int kHour = 0, kDay = 1, kWeek = 2, kMonth = 3, kYear = 4;
constexpr int kApril = 3, kJuly = 6, kAugust = 7, kFebruary = 1;
const std::string kDayMessage = "Invalid entry!  Enter in the day of the month.";

// Three events, each as the catalogs leave it: no command, once an hour, 12:00 AM, Monday,
// the 1st of January.
class SchedulerScreenTest : public test::ScreenTestFixture {
  protected:
    void SetUp() override {
        test::writeWhole(folder.file("schedule.cfg"),
                         "MERIX schedule\r\n3\r\n"
                         "Schedule01,Event 1,The first event, runs at night\r\n"
                         "Schedule02,Event 2,The second event\r\n"
                         "Schedule03,Event 3,The third event\r\n");
        ScreenTestFixture::SetUp();
    }

    void open() { screen = openScreen<SchedulerScreen>(); }

    static void retype(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }

    void choosePeriod(int period) { test::clickBox(screen->periodButton(period)); }

    std::string line(int row) const { return screen->eventList()->item(row)->text().toStdString(); }

    std::unique_ptr<SchedulerScreen> screen;
};

TEST_F(SchedulerScreenTest, OpensOnTheFirstEventWithItsCatalogTexts) {
    doc.events[1].comment = "Net";
    open();
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Scheduler"));
    ASSERT_EQ(screen->eventList()->count(), 3);
    EXPECT_EQ(line(0), "Event 1");
    EXPECT_EQ(line(1), "Event 2 - Net");
    EXPECT_EQ(screen->eventList()->currentRow(), 0);
    EXPECT_EQ(screen->panelTitle()->text(), QStringLiteral("Event 1"));
    EXPECT_EQ(screen->descriptionBox()->toPlainText(),
              QStringLiteral("The first event, runs at night"));
    EXPECT_TRUE(screen->descriptionBox()->isReadOnly());
    EXPECT_TRUE(screen->periodButton(kHour)->isChecked());
    EXPECT_TRUE(screen->amButton()->isChecked());
    EXPECT_EQ(screen->minutesField()->text(), QStringLiteral("0"));
    EXPECT_EQ(screen->hourList()->currentText(), QStringLiteral("12"));
    EXPECT_EQ(screen->dayList()->currentText(), QStringLiteral("Monday"));
    EXPECT_EQ(screen->monthList()->currentText(), QStringLiteral("January"));
    EXPECT_FALSE(doc.refreshFlag(ScreenId::Scheduler));
    EXPECT_TRUE(doc.refreshFlag(ScreenId::Users));
    EXPECT_EQ(busy.depth, 0);
    EXPECT_GT(busy.shown, 0);
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(SchedulerScreenTest, EachPeriodShowsItsControlsAndKeepsTheHiddenValues) {
    open();
    const struct {
        int period;
        bool hour, day, dayOfMonth, month;
    } cases[] = {
        {kDay, true, false, false, false},   {kWeek, true, true, false, false},
        {kMonth, true, false, true, false},  {kYear, true, false, true, true},
        {kHour, false, false, false, false},
    };
    for (const auto& c : cases) {
        choosePeriod(c.period);
        EXPECT_EQ(doc.events[0].period, c.period);
        EXPECT_TRUE(screen->minutesField()->isVisible()) << c.period;
        EXPECT_EQ(screen->hourList()->isVisible(), c.hour) << c.period;
        EXPECT_EQ(screen->amButton()->isVisible(), c.hour) << c.period;
        EXPECT_EQ(screen->pmButton()->isVisible(), c.hour) << c.period;
        EXPECT_EQ(screen->dayList()->isVisible(), c.day) << c.period;
        EXPECT_EQ(screen->dayOfMonthField()->isVisible(), c.dayOfMonth) << c.period;
        EXPECT_EQ(screen->monthList()->isVisible(), c.month) << c.period;
    }
    EXPECT_EQ(doc.events[0].hour, 12);
    EXPECT_EQ(std::string(doc.events[0].dayName.view()), "Monday");
    EXPECT_EQ(doc.events[0].dayOfMonth, 1);
    EXPECT_EQ(std::string(doc.events[0].monthName.view()), "January");
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(SchedulerScreenTest, MinutesAcceptZeroToSixty) {
    open();
    QLineEdit* minutes = screen->minutesField();
    retype(minutes, QStringLiteral("60"));
    EXPECT_EQ(doc.events[0].minutes, 60);
    EXPECT_TRUE(prompter.boxes.empty());
    retype(minutes, QStringLiteral("61"));
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{
                                    "Invalid entry!  Enter in the minute of the hour (1 - 60)."});
    EXPECT_EQ(minutes->text(), QStringLiteral("0"));
    EXPECT_EQ(doc.events[0].minutes, 0);
    retype(minutes, QStringLiteral("12x"));
    EXPECT_EQ(minutes->text(), QStringLiteral("12"));
    EXPECT_EQ(doc.events[0].minutes, 12);
    retype(minutes, QString());
    EXPECT_EQ(doc.events[0].minutes, 0);
    EXPECT_EQ(prompter.boxes.size(), 1u);
}

TEST_F(SchedulerScreenTest, DayOfMonthFollowsTheMonthShownAndThePeriod) {
    open();
    choosePeriod(kYear);
    QLineEdit* day = screen->dayOfMonthField();
    screen->monthList()->setCurrentIndex(kFebruary);
    retype(day, QStringLiteral("29"));
    EXPECT_EQ(doc.events[0].dayOfMonth, 29);
    EXPECT_TRUE(prompter.boxes.empty());
    retype(day, QStringLiteral("30"));
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{kDayMessage});
    EXPECT_EQ(day->text(), QStringLiteral("1"));
    EXPECT_EQ(doc.events[0].dayOfMonth, 1);

    choosePeriod(kMonth); // once a month, any day up to 31
    retype(day, QStringLiteral("31"));
    EXPECT_EQ(doc.events[0].dayOfMonth, 31);
    retype(day, QStringLiteral("0"));
    EXPECT_EQ(prompter.texts().back(), kDayMessage);
    EXPECT_EQ(doc.events[0].dayOfMonth, 1);
    retype(day, QString());
    EXPECT_EQ(doc.events[0].dayOfMonth, 0);
    EXPECT_EQ(prompter.boxes.size(), 2u);
}

TEST_F(SchedulerScreenTest, ChoosingAShorterMonthResetsTheDay) {
    open();
    choosePeriod(kYear);
    screen->monthList()->setCurrentIndex(kJuly);
    retype(screen->dayOfMonthField(), QStringLiteral("31"));
    screen->monthList()->setCurrentIndex(kAugust);
    EXPECT_TRUE(prompter.boxes.empty());
    EXPECT_EQ(doc.events[0].dayOfMonth, 31);
    EXPECT_EQ(std::string(doc.events[0].monthName.view()), "August");

    screen->monthList()->setCurrentIndex(kApril);
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"The day of the month entered is invalid for this month.  "
                                       "Setting Day of Month to 1."});
    EXPECT_EQ(screen->dayOfMonthField()->text(), QStringLiteral("1"));
    EXPECT_EQ(doc.events[0].dayOfMonth, 1);
    EXPECT_EQ(std::string(doc.events[0].monthName.view()), "April");
}

TEST_F(SchedulerScreenTest, CommandNumberCommentAndChoicesGoIntoTheStore) {
    open();
    retype(screen->commandField(), QStringLiteral("2a47"));
    EXPECT_EQ(screen->commandField()->text(), QStringLiteral("247"));
    EXPECT_EQ(std::string(doc.events[0].commandNumber.view()), "247");
    QTest::keyClicks(screen->commandField(), QStringLiteral("1"));
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{
                  "Invalid entry!  Enter in a three digit command or macro number."});
    EXPECT_EQ(screen->commandField()->text(), QString());
    EXPECT_EQ(std::string(doc.events[0].commandNumber.view()), "");

    retype(screen->commentField(), QStringLiteral("Net: reminder;"));
    EXPECT_EQ(screen->commentField()->text(), QStringLiteral("Net reminder"));
    EXPECT_EQ(doc.events[0].comment, std::optional<std::string>("Net reminder"));
    EXPECT_EQ(line(0), "Event 1 - Net reminder");
    EXPECT_EQ(screen->eventList()->currentRow(), 0);
    retype(screen->commentField(), QString());
    EXPECT_EQ(doc.events[0].comment, std::nullopt);
    EXPECT_EQ(line(0), "Event 1");

    choosePeriod(kWeek);
    screen->hourList()->setCurrentIndex(6);
    test::clickBox(screen->pmButton());
    screen->dayList()->setCurrentIndex(6);
    EXPECT_EQ(doc.events[0].hour, 7);
    EXPECT_EQ(doc.events[0].amPm, 1);
    EXPECT_EQ(std::string(doc.events[0].dayName.view()), "Saturday");
    test::clickBox(screen->amButton());
    EXPECT_EQ(doc.events[0].amPm, 0);
}

TEST_F(SchedulerScreenTest, StoredValuesSelectTheListsByTheirBeginning) {
    doc.events[1].hour = 1;
    doc.events[1].dayName = "Fri";
    doc.events[1].monthName = "";
    doc.events[2].hour = 0; // no entry fits: the lists stay as they were
    doc.events[2].dayName = "Someday";
    open();
    screen->eventList()->setCurrentRow(1);
    EXPECT_EQ(screen->hourList()->currentText(), QStringLiteral("1"));
    EXPECT_EQ(screen->dayList()->currentText(), QStringLiteral("Friday"));
    EXPECT_EQ(screen->monthList()->currentText(), QStringLiteral("January"));
    screen->eventList()->setCurrentRow(2);
    EXPECT_EQ(screen->hourList()->currentText(), QStringLiteral("1"));
    EXPECT_EQ(screen->dayList()->currentText(), QStringLiteral("Friday"));
    EXPECT_EQ(doc.events[2].hour, 0); // showing changes nothing
    EXPECT_EQ(std::string(doc.events[2].dayName.view()), "Someday");
}

TEST_F(SchedulerScreenTest, CancelPutsBackOnlyTheEventShown) {
    open();
    retype(screen->commandField(), QStringLiteral("26"));
    screen->eventList()->setCurrentRow(2);
    retype(screen->commandField(), QStringLiteral("99"));
    retype(screen->commentField(), QStringLiteral("Later"));
    choosePeriod(kYear);
    screen->monthList()->setCurrentIndex(kApril);
    retype(screen->minutesField(), QStringLiteral("45"));
    test::clickBox(screen->pmButton());

    QTest::mouseClick(screen->cancelButton(), Qt::LeftButton);
    EXPECT_EQ(std::string(doc.events[0].commandNumber.view()), "26");
    const ScheduleEvent& third = doc.events[2];
    EXPECT_EQ(std::string(third.commandNumber.view()), "");
    EXPECT_EQ(third.comment, std::nullopt);
    EXPECT_EQ(third.period, kHour);
    EXPECT_EQ(std::string(third.monthName.view()), "January");
    EXPECT_EQ(third.minutes, 0);
    EXPECT_EQ(third.amPm, 0);
    ASSERT_EQ(closed->count(), 1);
    EXPECT_EQ(closed->at(0).at(1).toBool(), false);
}

TEST_F(SchedulerScreenTest, AYearlyEventReachesTheCommandFile) {
    open();
    retype(screen->commandField(), QStringLiteral("247"));
    choosePeriod(kYear);
    screen->monthList()->setCurrentIndex(kJuly);
    retype(screen->dayOfMonthField(), QStringLiteral("4"));
    screen->hourList()->setCurrentIndex(6);
    retype(screen->minutesField(), QStringLiteral("5"));
    test::clickBox(screen->pmButton());
    QTest::mouseClick(screen->okButton(), Qt::LeftButton);
    ASSERT_EQ(closed->count(), 1);
    EXPECT_EQ(closed->at(0).at(1).toBool(), true);

    doc.setDocumentPath(folder.file("site.mrx"));
    const CommandFileResult result = generateCommandFile(doc, UploadOption::Everything, prompter);
    ASSERT_TRUE(result.produced()) << result.message;
    std::ifstream in(result.path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("N082 01 247 07 04 07 05 1;schedule command 247\r\n"),
              std::string::npos)
        << text.str();
}

TEST_F(SchedulerScreenTest, PointerOverTheScreenShowsAReplacedDocument) {
    open();
    screen->eventList()->setCurrentRow(1);
    doc.events[1].comment = "New";
    doc.events[1].period = kYear;
    doc.events[0].comment = "Also new";
    doc.setAllRefreshFlags();
    QTest::mouseMove(screen.get(), QPoint(10, 10));
    QTest::mouseMove(screen.get(), QPoint(12, 14));
    EXPECT_FALSE(doc.refreshFlag(ScreenId::Scheduler));
    EXPECT_EQ(screen->commentField()->text(), QStringLiteral("New"));
    EXPECT_TRUE(screen->periodButton(kYear)->isChecked());
    EXPECT_TRUE(screen->monthList()->isVisible());
    EXPECT_EQ(line(0), "Event 1 - Also new");
    EXPECT_EQ(screen->eventList()->currentRow(), 1);

    choosePeriod(kDay);
    QTest::keyClick(screen->eventList(), Qt::Key_Escape);
    EXPECT_EQ(doc.events[1].period, kYear); // the refreshed value is what Cancel restores
}

TEST_F(SchedulerScreenTest, ACatalogThatCannotBeReadLosesNoEvent) {
    test::writeWhole(folder.file("schedule.cfg"), "MERIX schedule\r\n3\r\nSchedule01,Event 1\r\n");
    doc.events[2].comment = "Kept";
    open();
    ASSERT_EQ(screen->eventList()->count(), 3);
    EXPECT_EQ(line(0), "Event 1");
    EXPECT_EQ(line(2), " - Kept");
    EXPECT_EQ(statusLines,
              (std::vector<std::string>{"schedule.cfg describes 1 of the 3 entries of the "
                                        "document; the others are shown without names and "
                                        "descriptions."}));
    EXPECT_EQ(screen->descriptionBox()->toPlainText(), QString());

    std::filesystem::remove(folder.file("schedule.cfg"));
    statusLines.clear();
    screen.reset();
    open();
    ASSERT_EQ(screen->eventList()->count(), 3);
    EXPECT_EQ(statusLines, (std::vector<std::string>{"Unable to read schedule.cfg in the catalog "
                                                     "folder; its names and descriptions are "
                                                     "shown empty."}));
    screen->eventList()->setCurrentRow(2);
    EXPECT_EQ(screen->commentField()->text(), QStringLiteral("Kept"));
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(SchedulerScreenTest, AControllerWithoutEventsOpensWithNothingToEdit) {
    doc.events.clear(); // a catalog whose count is 0
    open();
    EXPECT_EQ(screen->eventList()->count(), 0);
    EXPECT_FALSE(screen->commandField()->isEnabled());
    EXPECT_FALSE(screen->minutesField()->isEnabled());
    EXPECT_FALSE(screen->hourList()->isVisible());
    QTest::mouseClick(screen->okButton(), Qt::LeftButton);
    EXPECT_EQ(closed->count(), 1);
}

TEST_F(SchedulerScreenTest, EveryControlIsFoundByItsCaption) {
    open();
    choosePeriod(kWeek);
    const std::pair<const char*, QWidget*> controls[] = {
        {"&Commands:", screen->eventList()},
        {"Comme&nt:", screen->commentField()},
        {"Command/Macro Number to E&xecute:", screen->commandField()},
        {"&Event Occurs Once per", screen->periodGroup()},
        {"Hour", screen->periodButton(kHour)},
        {"Year", screen->periodButton(kYear)},
        {"&Minutes:", screen->minutesField()},
        {"&Hour:", screen->hourList()},
        {"AM", screen->amButton()},
        {"PM", screen->pmButton()},
        {"D&ay:", screen->dayList()},
        {"&Description:", screen->descriptionBox()},
        {"Cancel", screen->cancelButton()},
        {"&OK", screen->okButton()},
    };
    for (const auto& [caption, widget] : controls)
        EXPECT_EQ(test::findByCaption(screen.get(), QString::fromUtf8(caption)), widget) << caption;
    choosePeriod(kYear);
    EXPECT_EQ(test::findByCaption(screen.get(), QStringLiteral("Day of Mon&th:")),
              screen->dayOfMonthField());
    EXPECT_EQ(test::findByCaption(screen.get(), QStringLiteral("Month of &Year:")),
              screen->monthList());
}

} // namespace
} // namespace merix
