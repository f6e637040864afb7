#include "screens/CourtesyBeepsScreen.h"
#include "document/CatalogLoader.h"
#include "tests/screens/AccessibleTree.h"
#include "tests/screens/CommandFileOfEdits.h"
#include "tests/screens/ScreenTestFixture.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <memory>

namespace merix {
namespace {

using Part = BeepFields::ChordPart;
using Chords = std::array<int, kChordCount>;

const std::string kChordMessage = "Invalid entry!  Enter in the chord duration length (0 - 6000).";
const std::string kPauseMessage = "Invalid entry!  Enter in the pause duration length (0 - 6000).";
const std::string kFrequencyMessage = "Invalid entry!  Enter in a four digit frequency.";

class CourtesyBeepsScreenTest : public test::ScreenTestFixture {
  protected:
    void SetUp() override {
        test::writeWhole(
            folder.file("beep.cfg"),
            "MERIX beeps\r\n2\r\n"
            "Beep1,Beep 1,100,10,800,0,5:10,900,0,5:0,0,0,0:0,0,0,0:0,0,0,0:A beep\r\n"
            "Beep2,Beep 2,101,20,1000,0,0:0,0,0,0:0,0,0,0:0,0,0,0:0,0,0,0:Another beep\r\n");
        test::writeWhole(folder.file("dfltbeep.cfg"),
                         "MERIX default beeps\r\n3\r\n"
                         "Double Beep:60,1000,0,60:60,1000,0,0:0,0,0,0:0,0,0,0:0,0,0,0\r\n"
                         "Three Notes:50,523,0,10:50,659,0,10:50,784,0,0:0,0,0,0:0,0,0,0\r\n"
                         "Too Long:7000,440,0,0:0,0,0,0:0,0,0,0:0,0,0,0:0,0,0,0\r\n");
        ScreenTestFixture::SetUp();
    }

    void open() { screen = openScreen<CourtesyBeepsScreen>(); }

    QLineEdit* field(std::size_t chord, Part part) const { return screen->chordField(chord, part); }

    void retype(std::size_t chord, Part part, const QString& text) {
        QLineEdit* f = field(chord, part);
        f->setFocus();
        f->selectAll();
        QTest::keyClick(f, Qt::Key_Backspace);
        QTest::keyClicks(f, text);
    }

    // Picks an entry in the open drop-down with the keyboard, the same entry again included.
    void chooseDefault(const char* name) {
        QComboBox* list = screen->defaultSetList();
        const int index = list->findText(QString::fromUtf8(name));
        ASSERT_GE(index, 0) << name;
        list->showPopup();
        list->view()->setCurrentIndex(list->model()->index(index, 0));
        QTest::keyClick(list->view(), Qt::Key_Return);
        ASSERT_EQ(list->currentIndex(), index);
    }

    void selectBeep(int row) {
        QListWidget* list = screen->beepList();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
        ASSERT_EQ(list->currentRow(), row);
    }

    std::unique_ptr<CourtesyBeepsScreen> screen;
};

TEST_F(CourtesyBeepsScreenTest, OpensOnTheFirstBeepWithItsChordsAndTheDefaultSets) {
    open();
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Courtesy Beeps"));
    ASSERT_EQ(screen->beepList()->count(), 2);
    EXPECT_EQ(screen->beepList()->item(1)->text(), QStringLiteral("Beep 2"));
    EXPECT_EQ(screen->beepList()->currentRow(), 0);
    EXPECT_EQ(screen->beepTitle()->text(), QStringLiteral("Beep 1"));
    EXPECT_EQ(screen->descriptionBox()->toPlainText(), QStringLiteral("A beep"));
    EXPECT_EQ(field(0, BeepFields::Length)->text(), QStringLiteral("10"));
    EXPECT_EQ(field(0, BeepFields::Freq1)->text(), QStringLiteral("800"));
    EXPECT_EQ(field(0, BeepFields::Pause)->text(), QStringLiteral("5"));
    EXPECT_EQ(field(1, BeepFields::Freq1)->text(), QStringLiteral("900"));
    EXPECT_EQ(field(4, BeepFields::Freq2)->text(), QStringLiteral("0"));

    QComboBox* sets = screen->defaultSetList();
    ASSERT_EQ(sets->count(), 4);
    const char* names[] = {"Double Beep", "Three Notes", "Too Long", "Other"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(sets->itemText(i).toStdString(), names[i]);
    EXPECT_EQ(sets->currentText(), QStringLiteral("Other")); // no set chosen yet

    EXPECT_FALSE(doc.refreshFlag(ScreenId::CourtesyBeeps));
    EXPECT_GT(busy.shown, 0);
    EXPECT_EQ(busy.depth, 0);
    EXPECT_TRUE(prompter.boxes.empty());
    EXPECT_TRUE(statusLines.empty());
}

TEST_F(CourtesyBeepsScreenTest, EachChordFieldChecksWhatIsTyped) {
    struct Case {
        std::size_t chord;
        Part part;
        const char* typed;
        const char* shown;
        int stored;
        const std::string* message;
    };
    const Case cases[] = {
        {0, BeepFields::Length, "6000", "6000", 6000, nullptr},
        {0, BeepFields::Length, "6001", "", 0, &kChordMessage},
        {2, BeepFields::Pause, "6001", "", 0, &kPauseMessage},
        {2, BeepFields::Pause, "250", "250", 250, nullptr},
        {3, BeepFields::Freq1, "12345", "", 0, &kFrequencyMessage},
        {4, BeepFields::Freq2, "9999", "9999", 9999, nullptr},
        {1, BeepFields::Length, "7k5", "75", 75, nullptr},
    };
    open();
    for (const Case& c : cases) {
        prompter.boxes.clear();
        retype(c.chord, c.part, QString::fromUtf8(c.typed));
        EXPECT_EQ(field(c.chord, c.part)->text().toStdString(), c.shown) << c.typed;
        CourtesyBeep& beep = doc.beeps[0];
        const Chords& values = c.part == BeepFields::Length  ? beep.chordLength
                               : c.part == BeepFields::Freq1 ? beep.chordFreq1
                               : c.part == BeepFields::Freq2 ? beep.chordFreq2
                                                             : beep.chordPause;
        EXPECT_EQ(values[c.chord], c.stored) << c.typed;
        EXPECT_EQ(prompter.texts(),
                  c.message ? std::vector<std::string>{*c.message} : std::vector<std::string>{})
            << c.typed;
    }
}

TEST_F(CourtesyBeepsScreenTest, StoredValuesOutOfRangeAreShownWithoutAWord) {
    // A hand-edited document: the limits judge what is typed, not what is stored.
    struct Case {
        std::size_t beep;
        std::size_t chord;
        Part part;
        int stored;
    };
    const Case cases[] = {
        {0, 0, BeepFields::Length, 7000},      {0, 2, BeepFields::Freq2, 12345},
        {1, 4, BeepFields::Pause, 6001},       {1, 1, BeepFields::Freq1, 99999},
        {1, 3, BeepFields::Length, 123456789},
    };
    auto values = [&](const Case& c) -> int& {
        CourtesyBeep& beep = doc.beeps[c.beep];
        Chords& chords = c.part == BeepFields::Length  ? beep.chordLength
                         : c.part == BeepFields::Freq1 ? beep.chordFreq1
                         : c.part == BeepFields::Freq2 ? beep.chordFreq2
                                                       : beep.chordPause;
        return chords[c.chord];
    };
    for (const Case& c : cases)
        values(c) = c.stored;
    open();
    for (const Case& c : cases) {
        if (screen->beepList()->currentRow() != static_cast<int>(c.beep))
            selectBeep(static_cast<int>(c.beep));
        EXPECT_EQ(field(c.chord, c.part)->text(), QString::number(c.stored)) << c.stored;
        EXPECT_EQ(values(c), c.stored) << c.stored;
    }
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(CourtesyBeepsScreenTest, ADefaultSetFillsAllFiveChordsOnceAndOtherOnlyRecordsItsName) {
    open();
    chooseDefault("Three Notes");
    const CourtesyBeep& beep = doc.beeps[0];
    EXPECT_EQ(beep.defaultBeepName, "Three Notes");
    EXPECT_EQ(beep.chordLength, (Chords{50, 50, 50, 0, 0}));
    EXPECT_EQ(beep.chordFreq1, (Chords{523, 659, 784, 0, 0}));
    EXPECT_EQ(beep.chordFreq2, (Chords{0, 0, 0, 0, 0}));
    EXPECT_EQ(beep.chordPause, (Chords{10, 10, 0, 0, 0}));
    EXPECT_EQ(field(2, BeepFields::Freq1)->text(), QStringLiteral("784"));
    EXPECT_EQ(field(1, BeepFields::Length)->text(), QStringLiteral("50"));

    // The set already chosen changes nothing, even after a value was edited by hand.
    retype(0, BeepFields::Freq1, QStringLiteral("600"));
    chooseDefault("Three Notes");
    EXPECT_EQ(beep.chordFreq1[0], 600);
    EXPECT_EQ(field(0, BeepFields::Freq1)->text(), QStringLiteral("600"));

    chooseDefault("Other");
    EXPECT_EQ(beep.defaultBeepName, "Other");
    EXPECT_EQ(beep.chordFreq1, (Chords{600, 659, 784, 0, 0}));
    EXPECT_TRUE(prompter.boxes.empty());

    // A set's values go through the fields' rules like typed ones.
    chooseDefault("Too Long");
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{kChordMessage});
    EXPECT_EQ(beep.chordLength, (Chords{0, 0, 0, 0, 0}));
    EXPECT_EQ(beep.chordFreq1, (Chords{440, 0, 0, 0, 0}));
    EXPECT_EQ(beep.defaultBeepName, "Too Long");
}

TEST_F(CourtesyBeepsScreenTest, CancelPutsBackOnlyTheBeepShown) {
    open();
    retype(0, BeepFields::Length, QStringLiteral("33"));
    selectBeep(1);
    EXPECT_EQ(screen->beepTitle()->text(), QStringLiteral("Beep 2"));
    EXPECT_EQ(screen->descriptionBox()->toPlainText(), QStringLiteral("Another beep"));
    EXPECT_EQ(field(0, BeepFields::Freq1)->text(), QStringLiteral("1000"));
    const CourtesyBeep before = doc.beeps[1];
    chooseDefault("Double Beep");
    retype(4, BeepFields::Pause, QStringLiteral("99"));

    QTest::mouseClick(screen->cancelButton(), Qt::LeftButton);
    EXPECT_EQ(doc.beeps[0].chordLength[0], 33);
    EXPECT_EQ(doc.beeps[1].chordLength, before.chordLength);
    EXPECT_EQ(doc.beeps[1].chordFreq1, before.chordFreq1);
    EXPECT_EQ(doc.beeps[1].chordPause, before.chordPause);
    EXPECT_EQ(doc.beeps[1].defaultBeepName, "");
    ASSERT_EQ(closed->count(), 1);
    EXPECT_EQ(closed->at(0).at(1).toBool(), false);
}

TEST_F(CourtesyBeepsScreenTest, APointerOverTheScreenShowsAReplacedDocumentAndCancelKeepsIt) {
    open();
    selectBeep(1);
    doc.beeps[1].chordFreq2[0] = 1234; // as a New or Open would leave it
    doc.beeps[1].defaultBeepName = "Double Beep";
    doc.setAllRefreshFlags();
    QTest::mouseMove(screen.get(), QPoint(10, 10));
    QTest::mouseMove(screen.get(), QPoint(12, 14));
    EXPECT_FALSE(doc.refreshFlag(ScreenId::CourtesyBeeps));
    EXPECT_EQ(screen->beepList()->currentRow(), 1);
    EXPECT_EQ(field(0, BeepFields::Freq2)->text(), QStringLiteral("1234"));
    EXPECT_EQ(screen->defaultSetList()->currentText(), QStringLiteral("Double Beep"));

    retype(0, BeepFields::Freq2, QStringLiteral("5"));
    QTest::keyClick(screen.get(), Qt::Key_Escape);
    EXPECT_EQ(doc.beeps[1].chordFreq2[0], 1234);
    EXPECT_EQ(doc.beeps[1].defaultBeepName, "Double Beep");
}

TEST_F(CourtesyBeepsScreenTest, CancelLeavesADocumentReplacedButNotYetShownAlone) {
    open();
    chooseDefault("Double Beep");
    doc.beeps[0].chordLength[0] = 300; // a New or Open, the pointer not yet over the screen
    doc.beeps[0].defaultBeepName.clear();
    doc.setAllRefreshFlags();
    QTest::keyClick(screen.get(), Qt::Key_Escape);
    EXPECT_EQ(doc.beeps[0].chordLength[0], 300);
    EXPECT_EQ(doc.beeps[0].defaultBeepName, "");
    ASSERT_EQ(closed->count(), 1);
}

TEST_F(CourtesyBeepsScreenTest, UnreadableCatalogsGiveEmptyNamesAndOnlyOtherWithOneStatusLine) {
    std::filesystem::remove(folder.file("beep.cfg"));
    std::filesystem::remove(folder.file("dfltbeep.cfg"));
    open();
    ASSERT_EQ(screen->beepList()->count(), 2); // no beep of the document is lost
    EXPECT_EQ(screen->beepList()->item(0)->text(), QString());
    EXPECT_EQ(screen->defaultSetList()->count(), 1);
    EXPECT_EQ(screen->defaultSetList()->itemText(0), QStringLiteral("Other"));
    EXPECT_EQ(statusLines,
              std::vector<std::string>{
                  "Unable to read beep.cfg in the catalog folder; its names and descriptions are "
                  "shown empty.  Unable to read dfltbeep.cfg in the catalog folder; Set to "
                  "Defaults offers only Other."});
    // The chords themselves come from the document and stay editable.
    EXPECT_EQ(field(0, BeepFields::Freq1)->text(), QStringLiteral("800"));
    retype(0, BeepFields::Freq1, QStringLiteral("850"));
    EXPECT_EQ(doc.beeps[0].chordFreq1[0], 850);
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(CourtesyBeepsScreenTest, EveryControlIsFoundByItsCaption) {
    open();
    std::vector<std::pair<std::string, QWidget*>> controls = {
        {"&Commands:", screen->beepList()},
        {"Description", screen->descriptionBox()},
        {"Set to Defaults", screen->defaultSetList()},
        {"Cancel", screen->cancelButton()},
        {"&OK", screen->okButton()},
    };
    for (std::size_t chord = 0; chord < kChordCount; ++chord) {
        const std::string n = std::to_string(chord + 1);
        controls.push_back({"Chord " + n + ":", field(chord, BeepFields::Length)});
        controls.push_back({"Chord " + n + ": Freq 1", field(chord, BeepFields::Freq1)});
        controls.push_back({"Chord " + n + ": Freq 2", field(chord, BeepFields::Freq2)});
        controls.push_back({"Pause " + n + ":", field(chord, BeepFields::Pause)});
    }
    for (const auto& [caption, widget] : controls)
        EXPECT_EQ(test::findByCaption(screen.get(), QString::fromStdString(caption)), widget)
            << caption;
}

TEST_F(CourtesyBeepsScreenTest, AnEditReachesTheCommandFile) {
    test::CommandFileOfEdits upload(doc, folder.file("site.mrx"));
    open();
    retype(0, BeepFields::Length, QStringLiteral("25"));
    const std::string commands = upload.generate(prompter);
    EXPECT_NE(commands.find("N055 100"), std::string::npos) << commands;
    EXPECT_NE(commands.find("N056 100 040 0025 0005 0800 0000"), std::string::npos);
    EXPECT_EQ(commands.find("N055 101"), std::string::npos); // only what changed
}

} // namespace
} // namespace merix
