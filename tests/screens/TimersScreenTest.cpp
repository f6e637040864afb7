#include "screens/TimersScreen.h"
#include "tests/screens/AccessibleTree.h"
#include "tests/screens/ScreenTestFixture.h"
#include "tests/support/TempDir.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleOptionSlider>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace merix {
namespace {

constexpr int kHang = 0; // default 30, maximum 255
constexpr int kId = 1;   // default 600, maximum 9999

class TimersScreenTest : public test::ScreenTestFixture {
  protected:
    void open() { screen = openScreen<TimersScreen>(); }

    QLineEdit* field() const { return screen->lengthField(); }

    void retype(const QString& text) {
        field()->setFocus();
        field()->selectAll();
        QTest::keyClick(field(), Qt::Key_Backspace);
        QTest::keyClicks(field(), text);
    }

    void clickArrow(QStyle::SubControl arrow) {
        QScrollBar* bar = screen->lengthArrows();
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = bar->orientation();
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = bar->sliderPosition();
        option.sliderValue = bar->value();
        option.singleStep = bar->singleStep();
        option.pageStep = bar->pageStep();
        option.subControls = QStyle::SC_All;
        const QRect r = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, arrow, bar);
        ASSERT_TRUE(r.isValid());
        QTest::mouseClick(bar, Qt::LeftButton, {}, r.center());
    }

    std::unique_ptr<TimersScreen> screen;
};

TEST_F(TimersScreenTest, OpensOnTheFirstTimerFromTheCatalog) {
    doc.timers[kHang].length = 45;
    open();
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Set Timer Values"));
    ASSERT_EQ(screen->timerList()->count(), 3);
    EXPECT_EQ(screen->timerList()->item(2)->text(), QStringLiteral("Time Out Timer"));
    EXPECT_EQ(screen->timerList()->currentRow(), 0);
    EXPECT_EQ(field()->text(), QStringLiteral("45"));
    EXPECT_EQ(screen->maximumLabel()->text(), QStringLiteral("255"));
    EXPECT_FALSE(doc.refreshFlag(ScreenId::Timers));
    EXPECT_TRUE(doc.refreshFlag(ScreenId::Tones)); // only its own flag
    EXPECT_EQ(busy.depth, 0);
    EXPECT_GT(busy.shown, 0);
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(TimersScreenTest, TypedCharactersAreCheckedOnEveryChange) {
    open();
    retype(QStringLiteral("12a"));
    EXPECT_EQ(field()->text(), QStringLiteral("12"));
    EXPECT_EQ(field()->cursorPosition(), 2);
    EXPECT_EQ(doc.timers[kHang].length, 12);
    EXPECT_TRUE(prompter.boxes.empty());

    // A letter in the middle goes too, and the caret stays where it was typed.
    field()->setCursorPosition(1);
    QTest::keyClicks(field(), QStringLiteral("x"));
    EXPECT_EQ(field()->text(), QStringLiteral("12"));
    EXPECT_EQ(field()->cursorPosition(), 1);

    // A character of several bytes goes whole, an accented letter as much as an emoji.
    for (const char* typed : {"\xc3\xa9", "\xf0\x9f\x93\xbb"}) {
        field()->setCursorPosition(1);
        QTest::sendKeyEvent(QTest::Click, field(), Qt::Key_unknown, QString::fromUtf8(typed),
                            Qt::NoModifier);
        EXPECT_EQ(field()->text(), QStringLiteral("12")) << typed;
        EXPECT_EQ(field()->cursorPosition(), 1) << typed;
    }

    retype(QString());
    EXPECT_EQ(field()->text(), QString());
    EXPECT_EQ(doc.timers[kHang].length, 0);
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(TimersScreenTest, OneAboveTheMaximumPutsTheStoredValueBack) {
    open();
    retype(QStringLiteral("256"));
    ASSERT_EQ(prompter.texts(),
              std::vector<std::string>{"The entered length 256 is not in the acceptable range.  "
                                       "Setting length to the last entry of 25."});
    EXPECT_EQ(field()->text(), QStringLiteral("25"));
    EXPECT_EQ(doc.timers[kHang].length, 25);

    retype(QStringLiteral("255"));
    EXPECT_EQ(doc.timers[kHang].length, 255);
    EXPECT_EQ(prompter.boxes.size(), 1u);
}

TEST_F(TimersScreenTest, ArrowsStepByOneAndStopAtTheLimits) {
    open();
    retype(QStringLiteral("255"));
    clickArrow(QStyle::SC_ScrollBarSubLine); // the upper arrow
    EXPECT_EQ(field()->text(), QStringLiteral("255"));
    clickArrow(QStyle::SC_ScrollBarAddLine);
    EXPECT_EQ(field()->text(), QStringLiteral("254"));
    EXPECT_EQ(doc.timers[kHang].length, 254);

    retype(QStringLiteral("0"));
    clickArrow(QStyle::SC_ScrollBarAddLine);
    EXPECT_EQ(field()->text(), QStringLiteral("0"));
    clickArrow(QStyle::SC_ScrollBarSubLine);
    clickArrow(QStyle::SC_ScrollBarSubLine);
    EXPECT_EQ(field()->text(), QStringLiteral("2"));
    EXPECT_EQ(doc.timers[kHang].length, 2);
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(TimersScreenTest, SetToDefaultLengthStoresTheDefaultAndUnchecksItself) {
    open();
    retype(QStringLiteral("99"));
    QTest::mouseClick(screen->setToDefaultBox(), Qt::LeftButton);
    EXPECT_EQ(field()->text(), QStringLiteral("30"));
    EXPECT_EQ(doc.timers[kHang].length, 30);
    EXPECT_FALSE(screen->setToDefaultBox()->isChecked());
}

TEST_F(TimersScreenTest, CancelPutsBackOnlyTheCurrentTimer) {
    open();
    retype(QStringLiteral("40"));
    screen->timerList()->setCurrentRow(kId);
    EXPECT_EQ(field()->text(), QStringLiteral("600"));
    EXPECT_EQ(screen->maximumLabel()->text(), QStringLiteral("9999"));
    retype(QStringLiteral("700"));
    EXPECT_EQ(doc.timers[kId].length, 700);

    QTest::mouseClick(screen->cancelButton(), Qt::LeftButton);
    EXPECT_EQ(doc.timers[kHang].length, 40);
    EXPECT_EQ(doc.timers[kId].length, 600);
    ASSERT_EQ(closed->count(), 1);
    EXPECT_EQ(closed->at(0).at(1).toBool(), false);
}

TEST_F(TimersScreenTest, EscapeAndTheCloseBoxAreCancelAndEnterDoesNothing) {
    open();
    retype(QStringLiteral("7"));
    QTest::keyClick(field(), Qt::Key_Return);
    EXPECT_EQ(closed->count(), 0);
    QTest::keyClick(field(), Qt::Key_Escape);
    EXPECT_EQ(doc.timers[kHang].length, 30);
    screen->close();
    ASSERT_EQ(closed->count(), 1); // reported once
}

TEST_F(TimersScreenTest, SelectionAndOkRefuseAValueOutsideTheRange) {
    doc.timers[kHang].length = 300; // above the maximum, from a document
    open();
    EXPECT_EQ(field()->text(), QStringLiteral("300"));

    screen->timerList()->setCurrentRow(kId);
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"The entered length is not in the acceptable range.  "
                                       "Setting to default value"});
    EXPECT_EQ(screen->timerList()->currentRow(), kHang);
    EXPECT_EQ(field()->text(), QStringLiteral("30"));

    doc.timers[kHang].length = 300;
    doc.setAllRefreshFlags();
    QTest::mouseMove(screen.get(), QPoint(5, 5));
    QTest::mouseMove(screen.get(), QPoint(8, 8));
    ASSERT_EQ(field()->text(), QStringLiteral("300"));
    QTest::mouseClick(screen->okButton(), Qt::LeftButton);
    EXPECT_EQ(prompter.texts().back(), "The entered length is not in the acceptable range.  "
                                       "Setting to default value.");
    EXPECT_EQ(closed->count(), 0);
    EXPECT_EQ(field()->text(), QStringLiteral("30"));

    QTest::mouseClick(screen->okButton(), Qt::LeftButton);
    ASSERT_EQ(closed->count(), 1);
    EXPECT_EQ(closed->at(0).at(1).toBool(), true);
    EXPECT_EQ(doc.timers[kHang].length, 30);
}

TEST_F(TimersScreenTest, CancelLeavesADocumentReplacedSinceTheScreenOpenedAlone) {
    open();
    retype(QStringLiteral("45"));
    doc.timers[kHang].length = 77; // as a New or Open would leave it, the pointer elsewhere
    doc.setAllRefreshFlags();
    QTest::keyClick(screen.get(), Qt::Key_Escape);
    ASSERT_EQ(closed->count(), 1);
    EXPECT_EQ(doc.timers[kHang].length, 77);
}

TEST_F(TimersScreenTest, PointerOverTheScreenShowsAReplacedDocument) {
    open();
    screen->timerList()->setCurrentRow(kId);
    pointer.set(true);
    doc.timers[kId].length = 1234; // as a New or Open would leave it
    doc.setAllRefreshFlags();
    EXPECT_EQ(field()->text(), QStringLiteral("600"));

    QTest::mouseMove(screen.get(), QPoint(10, 10));
    QTest::mouseMove(screen.get(), QPoint(12, 14));
    EXPECT_FALSE(pointer.isOver());
    EXPECT_FALSE(doc.refreshFlag(ScreenId::Timers));
    EXPECT_EQ(field()->text(), QStringLiteral("1234"));
    EXPECT_EQ(screen->timerList()->currentRow(), kId);

    retype(QStringLiteral("5"));
    QTest::mouseClick(screen->cancelButton(), Qt::LeftButton);
    EXPECT_EQ(doc.timers[kId].length, 1234); // the refreshed value is what Cancel restores
}

TEST_F(TimersScreenTest, LeavingTheFieldForTheMainWindowResetsABadValueQuietly) {
    doc.timers[kHang].length = 300;
    open();
    field()->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return field()->hasFocus(); }));
    pointer.set(true);
    screen->timerList()->setFocus();
    EXPECT_EQ(field()->text(), QStringLiteral("30"));
    EXPECT_EQ(doc.timers[kHang].length, 300); // nothing stored
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(TimersScreenTest, ACatalogShortenedOnDiskLosesNoTimerAndSaysSoInTheStatusBar) {
    test::writeWhole(folder.file("timers.cfg"),
                     "MERIX timers\r\n3\r\nTimerHang,Hang Timer,5,30,255,Keeps it up\r\n");
    open();
    ASSERT_EQ(screen->timerList()->count(), 3);
    EXPECT_EQ(screen->timerList()->item(0)->text(), QStringLiteral("Hang Timer"));
    EXPECT_EQ(screen->timerList()->item(2)->text(), QString());
    EXPECT_EQ(statusLines, (std::vector<std::string>{
                               "timers.cfg describes 1 of the 3 entries of the document; the "
                               "others are shown without names and descriptions."}));
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(TimersScreenTest, EveryControlIsFoundByItsCaption) {
    open();
    const std::pair<const char*, QWidget*> controls[] = {
        {"&Commands:", screen->timerList()},
        {"&Length:", screen->lengthField()},
        {"&Description:", screen->descriptionBox()},
        {"&Set to Default Length", screen->setToDefaultBox()},
        {"Cancel", screen->cancelButton()},
        {"&OK", screen->okButton()},
    };
    for (const auto& [caption, widget] : controls)
        EXPECT_EQ(test::findByCaption(screen.get(), QString::fromUtf8(caption)), widget) << caption;
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Set Timer Values"));
}

} // namespace
} // namespace merix
