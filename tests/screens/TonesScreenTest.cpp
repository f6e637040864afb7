#include "screens/TonesScreen.h"
#include "tests/screens/AccessibleTree.h"
#include "tests/screens/CommandFileOfEdits.h"
#include "tests/screens/ScreenTestFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace merix {
namespace {

const std::string kLengthMessage = "Invalid entry!  Enter in a length in the range (0 - 6000).";
const std::string kFrequencyMessage = "Invalid entry!  Enter in a four digit frequency.";
const std::string kCwSpeedMessage =
    "Invalid entry!  Enter in a CW speed in words per minute (5 - 50).";

class TonesScreenTest : public test::ScreenTestFixture {
  protected:
    void open() { screen = openScreen<TonesScreen>(); }

    QLineEdit* field(ToneValue value) const { return screen->field(value); }

    void retype(ToneValue value, const QString& text) {
        QLineEdit* f = field(value);
        f->setFocus();
        f->selectAll();
        QTest::keyClick(f, Qt::Key_Backspace);
        QTest::keyClicks(f, text);
    }

    // Chooses a port from the keyboard, as a user stepping through the drop-down does.
    void choosePort(int port) {
        QComboBox* list = screen->portList();
        list->setFocus();
        while (list->currentIndex() < port - 1)
            QTest::keyClick(list, Qt::Key_Down);
        while (list->currentIndex() > port - 1)
            QTest::keyClick(list, Qt::Key_Up);
    }

    std::unique_ptr<TonesScreen> screen;
};

TEST_F(TonesScreenTest, OpensOnPortOneWithTheDescriptionFromTheCatalog) {
    doc.tones.cwSpeed[0] = 22;
    open();
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Tones"));
    ASSERT_EQ(screen->portList()->count(), 8);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(screen->portList()->itemText(i), QStringLiteral("Port %1").arg(i + 1));
    EXPECT_EQ(screen->portList()->currentIndex(), 0);
    EXPECT_EQ(field(ToneValue::CwSpeed)->text(), QStringLiteral("22"));
    EXPECT_EQ(field(ToneValue::CwFreq1)->text(), QStringLiteral("800"));
    EXPECT_EQ(field(ToneValue::CoverToneDuration)->text(), QStringLiteral("10"));
    EXPECT_EQ(field(ToneValue::RingFreq2)->text(), QStringLiteral("480"));
    EXPECT_EQ(screen->descriptionBox()->toPlainText(), QStringLiteral("All tones"));
    EXPECT_TRUE(screen->descriptionBox()->isReadOnly());

    // The DTMF and preaccess rows are shown but cannot be edited; the ring's delay is hidden.
    for (ToneValue v : {ToneValue::DtmfToneLength, ToneValue::DtmfToneDelay,
                        ToneValue::PreaccessFreq1, ToneValue::PreaccessFreq2}) {
        EXPECT_TRUE(field(v)->isVisible()) << static_cast<int>(v);
        EXPECT_FALSE(field(v)->isEnabled()) << static_cast<int>(v);
    }
    EXPECT_EQ(field(ToneValue::DtmfToneLength)->text(), QStringLiteral("10"));
    EXPECT_FALSE(field(ToneValue::RingDelay)->isVisible());
    EXPECT_TRUE(field(ToneValue::CoverToneDelay)->isEnabled());

    EXPECT_FALSE(doc.refreshFlag(ScreenId::Tones));
    EXPECT_TRUE(doc.refreshFlag(ScreenId::CourtesyBeeps));
    EXPECT_GT(busy.shown, 0);
    EXPECT_EQ(busy.depth, 0);
    EXPECT_TRUE(prompter.boxes.empty());
    EXPECT_TRUE(statusLines.empty());
}

TEST_F(TonesScreenTest, EachKindOfFieldChecksWhatIsTyped) {
    struct Case {
        ToneValue value;
        const char* typed;
        const char* shown;
        int stored;
        const std::string* message;
    };
    const Case cases[] = {
        {ToneValue::CoverToneDuration, "6000", "6000", 6000, nullptr},
        {ToneValue::CoverToneDuration, "6001", "", 0, &kLengthMessage},
        {ToneValue::CoverToneDelay, "12a", "12", 12, nullptr},
        {ToneValue::RingDuration, "x7", "7", 7, nullptr},
        {ToneValue::CwFreq1, "12345", "", 0, &kFrequencyMessage},
        {ToneValue::RingFreq2, "9999", "9999", 9999, nullptr},
        {ToneValue::CoverToneFreq1, "4b4", "44", 44, nullptr},
        {ToneValue::CwSpeed, "51", "", 0, &kCwSpeedMessage},
        {ToneValue::CwSpeed, "4", "4", 4, nullptr}, // while typing
        {ToneValue::CwSpeed, "35", "35", 35, nullptr},
    };
    open();
    for (const Case& c : cases) {
        prompter.boxes.clear();
        retype(c.value, QString::fromUtf8(c.typed));
        EXPECT_EQ(field(c.value)->text().toStdString(), c.shown) << c.typed;
        EXPECT_EQ(toneValueOf(doc.tones, c.value, 0), c.stored) << c.typed;
        EXPECT_EQ(prompter.texts(),
                  c.message ? std::vector<std::string>{*c.message} : std::vector<std::string>{})
            << c.typed;
    }
    // A refused character goes without a trace, the caret where it was typed.
    retype(ToneValue::RingFreq1, QStringLiteral("4480"));
    field(ToneValue::RingFreq1)->setCursorPosition(2);
    QTest::keyClicks(field(ToneValue::RingFreq1), QStringLiteral(";"));
    EXPECT_EQ(field(ToneValue::RingFreq1)->text(), QStringLiteral("4480"));
    EXPECT_EQ(field(ToneValue::RingFreq1)->cursorPosition(), 2);
}

TEST_F(TonesScreenTest, ACwSpeedBelowFiveBecomesTwentyWhenTheFieldIsLeft) {
    open();
    QLineEdit* speed = field(ToneValue::CwSpeed);
    for (const char* typed : {"4", ""}) {
        retype(ToneValue::CwSpeed, QString::fromUtf8(typed));
        ASSERT_TRUE(QTest::qWaitFor([&] { return speed->hasFocus(); }));
        field(ToneValue::CwFreq1)->setFocus();
        EXPECT_EQ(speed->text(), QStringLiteral("20")) << typed;
        EXPECT_EQ(doc.tones.cwSpeed[0], 20) << typed;
    }
    retype(ToneValue::CwSpeed, QStringLiteral("5"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return speed->hasFocus(); }));
    field(ToneValue::CwFreq1)->setFocus();
    EXPECT_EQ(speed->text(), QStringLiteral("5"));
    EXPECT_EQ(doc.tones.cwSpeed[0], 5);

    // Going to another port leaves the field: the port typed into gets the 20, not the next.
    doc.tones.cwSpeed[1] = 30;
    retype(ToneValue::CwSpeed, QStringLiteral("2"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return speed->hasFocus(); }));
    choosePort(2);
    EXPECT_EQ(doc.tones.cwSpeed[0], 20);
    EXPECT_EQ(doc.tones.cwSpeed[1], 30);
    EXPECT_EQ(speed->text(), QStringLiteral("30"));
    choosePort(1);
    EXPECT_EQ(speed->text(), QStringLiteral("20"));

    // OK by its access letter leaves the field too, though the focus never moves.
    screen->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
    retype(ToneValue::CwSpeed, QStringLiteral("3"));
    QTest::keyClick(speed, Qt::Key_O, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return closed->count() == 1; }));
    EXPECT_EQ(doc.tones.cwSpeed[0], 20);
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(TonesScreenTest, EachPortShowsAndKeepsItsOwnValues) {
    for (std::size_t p = 0; p < 8; ++p) {
        doc.tones.cwSpeed[p] = 10 + static_cast<int>(p);
        doc.tones.cwFreq1[p] = 700 + static_cast<int>(p);
        doc.tones.dtmfToneLength[p] = 50 + static_cast<int>(p);
    }
    open();
    choosePort(2);
    EXPECT_EQ(screen->shownPort(), 2);
    EXPECT_EQ(field(ToneValue::CwSpeed)->text(), QStringLiteral("11"));
    EXPECT_EQ(field(ToneValue::DtmfToneLength)->text(), QStringLiteral("51"));
    retype(ToneValue::CwFreq1, QStringLiteral("440"));
    EXPECT_EQ(doc.tones.cwFreq1[1], 440);

    choosePort(3);
    EXPECT_EQ(field(ToneValue::CwFreq1)->text(), QStringLiteral("702"));
    EXPECT_EQ(field(ToneValue::CoverToneDuration)->text(), QStringLiteral("10")); // shared
    choosePort(8);
    EXPECT_EQ(field(ToneValue::CwSpeed)->text(), QStringLiteral("17"));
    choosePort(2);
    EXPECT_EQ(field(ToneValue::CwFreq1)->text(), QStringLiteral("440"));
    for (std::size_t p = 0; p < 8; ++p)
        EXPECT_EQ(doc.tones.cwFreq1[p], p == 1 ? 440 : 700 + static_cast<int>(p)) << p;
}

TEST_F(TonesScreenTest, CancelPutsBackTheTonesOfEveryPortAndOkKeepsThem) {
    open();
    const ToneSettings before = doc.tones;
    retype(ToneValue::CwFreq2, QStringLiteral("900"));
    choosePort(5);
    retype(ToneValue::CwSpeed, QStringLiteral("30"));
    retype(ToneValue::CoverToneDelay, QStringLiteral("77"));
    ASSERT_NE(doc.tones, before);
    QTest::mouseClick(screen->cancelButton(), Qt::LeftButton);
    EXPECT_EQ(doc.tones, before);
    ASSERT_EQ(closed->count(), 1);
    EXPECT_EQ(closed->at(0).at(1).toBool(), false);

    open();
    retype(ToneValue::RingDuration, QStringLiteral("2500"));
    QTest::mouseClick(screen->okButton(), Qt::LeftButton);
    EXPECT_EQ(doc.tones.reversePatchRingDuration, 2500);
    ASSERT_EQ(closed->count(), 1);
    EXPECT_EQ(closed->at(0).at(1).toBool(), true);
}

TEST_F(TonesScreenTest, APointerOverTheScreenShowsAReplacedDocumentAndCancelKeepsIt) {
    open();
    choosePort(4);
    doc.tones.cwSpeed[3] = 41; // as a New or Open would leave it
    doc.tones.coverToneFreq2 = 620;
    doc.setAllRefreshFlags();
    EXPECT_EQ(field(ToneValue::CwSpeed)->text(), QStringLiteral("20"));

    QTest::mouseMove(screen.get(), QPoint(10, 10));
    QTest::mouseMove(screen.get(), QPoint(12, 14));
    EXPECT_FALSE(doc.refreshFlag(ScreenId::Tones));
    EXPECT_EQ(screen->shownPort(), 4);
    EXPECT_EQ(field(ToneValue::CwSpeed)->text(), QStringLiteral("41"));
    EXPECT_EQ(field(ToneValue::CoverToneFreq2)->text(), QStringLiteral("620"));

    retype(ToneValue::CoverToneFreq2, QStringLiteral("1"));
    QTest::keyClick(screen.get(), Qt::Key_Escape);
    EXPECT_EQ(doc.tones.coverToneFreq2, 620); // the replaced document is what Cancel restores
    EXPECT_EQ(doc.tones.cwSpeed[3], 41);
}

TEST_F(TonesScreenTest, CancelLeavesADocumentReplacedButNotYetShownAlone) {
    open();
    retype(ToneValue::CwFreq1, QStringLiteral("900"));
    doc.tones.cwFreq1[0] = 1500; // a New or Open, the pointer not yet over the screen
    doc.tones.coverToneDelay = 44;
    doc.setAllRefreshFlags();
    QTest::keyClick(screen.get(), Qt::Key_Escape);
    EXPECT_EQ(doc.tones.cwFreq1[0], 1500);
    EXPECT_EQ(doc.tones.coverToneDelay, 44);
    ASSERT_EQ(closed->count(), 1);
}

TEST_F(TonesScreenTest, CourtesyBeepsIsAskedOfTheMainScreen) {
    open();
    QSignalSpy asked(screen.get(), &EditingScreen::openScreenRequested);
    QTest::mouseClick(screen->courtesyBeepsButton(), Qt::LeftButton);
    ASSERT_EQ(asked.count(), 1);
    EXPECT_EQ(asked.at(0).at(0).value<ScreenId>(), ScreenId::CourtesyBeeps);
    EXPECT_EQ(closed->count(), 0); // the Tones screen stays open
}

TEST_F(TonesScreenTest, AnUnreadableTonesCatalogGivesAnEmptyDescriptionAndAStatusLine) {
    std::filesystem::remove(folder.file("tones.cfg"));
    open();
    EXPECT_EQ(screen->descriptionBox()->toPlainText(), QString());
    EXPECT_EQ(field(ToneValue::CwFreq1)->text(), QStringLiteral("800")); // from the document
    EXPECT_EQ(statusLines, std::vector<std::string>{"Unable to read tones.cfg in the catalog "
                                                    "folder; the description is shown empty."});
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(TonesScreenTest, EveryControlIsFoundByItsCaption) {
    open();
    const std::pair<const char*, QWidget*> controls[] = {
        {"&CW Frequencies:", field(ToneValue::CwSpeed)},
        {"CW Frequencies: Freq1", field(ToneValue::CwFreq1)},
        {"CW Frequencies: Freq2", field(ToneValue::CwFreq2)},
        {"DTMF Tone &Length and Delay:", field(ToneValue::DtmfToneLength)},
        {"DTMF Tone Length and Delay: Pause Length", field(ToneValue::DtmfToneDelay)},
        {"Preaccess Tone &Frequencies:", field(ToneValue::PreaccessFreq1)},
        {"Preaccess Tone Frequencies: Freq2", field(ToneValue::PreaccessFreq2)},
        {"D&TMF Cover Tone:", field(ToneValue::CoverToneDuration)},
        {"DTMF Cover Tone: Freq1", field(ToneValue::CoverToneFreq1)},
        {"DTMF Cover Tone: Freq2", field(ToneValue::CoverToneFreq2)},
        {"DTMF Cover Tone: Pause Length", field(ToneValue::CoverToneDelay)},
        {"&Reverse Patch Ring:", field(ToneValue::RingDuration)},
        {"Reverse Patch Ring: Freq1", field(ToneValue::RingFreq1)},
        {"Reverse Patch Ring: Freq2", field(ToneValue::RingFreq2)},
        {"Port", screen->portList()},
        {"Description", screen->descriptionBox()},
        {"Courtesy &Beeps", screen->courtesyBeepsButton()},
        {"Cancel", screen->cancelButton()},
        {"&OK", screen->okButton()},
    };
    for (const auto& [caption, widget] : controls)
        EXPECT_EQ(test::findByCaption(screen.get(), QString::fromUtf8(caption)), widget) << caption;
    QWidget* group = test::findByCaption(screen.get(), QStringLiteral("&Port Specific Tones"));
    ASSERT_NE(group, nullptr);
    EXPECT_TRUE(group->isAncestorOf(screen->portList()));
    EXPECT_TRUE(group->isAncestorOf(field(ToneValue::PreaccessFreq2)));
    EXPECT_FALSE(group->isAncestorOf(field(ToneValue::CoverToneDuration)));
}

TEST_F(TonesScreenTest, AccessLettersMoveTheFocus) {
    open();
    screen->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
    const std::pair<Qt::Key, QWidget*> letters[] = {
        {Qt::Key_T, field(ToneValue::CoverToneDuration)},
        {Qt::Key_P, screen->portList()}, // the group's letter: its first control
        {Qt::Key_C, field(ToneValue::CwSpeed)},
        {Qt::Key_R, field(ToneValue::RingDuration)},
    };
    for (const auto& [key, widget] : letters) {
        QTest::keyClick(screen.get(), key, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), widget)
            << QKeySequence(key).toString().toStdString();
    }
}

TEST_F(TonesScreenTest, AnEditReachesTheCommandFile) {
    test::CommandFileOfEdits upload(doc, folder.file("site.mrx"));
    open();
    choosePort(3);
    retype(ToneValue::CwFreq2, QStringLiteral("1200"));
    retype(ToneValue::RingFreq1, QStringLiteral("450"));
    const std::string commands = upload.generate(prompter);
    EXPECT_NE(commands.find("N043 3 0800 1200;set cw frequencies for port 3"), std::string::npos)
        << commands;
    EXPECT_NE(commands.find("N136 0020 0450 0480;set reverse patch ring tone"), std::string::npos);
    EXPECT_EQ(commands.find("N043 2 "), std::string::npos); // only what changed
}

} // namespace
} // namespace merix
