#include "screens/MiscSetupScreen.h"
#include "document/CatalogLoader.h"
#include "tests/screens/AccessibleTree.h"
#include "tests/screens/CommandFileOfEdits.h"
#include "tests/screens/ScreenTestFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace merix {
namespace {

const std::string kAccessCodeMessage =
    "Invalid entry!  The access code must be six digits or less.";

// Two ports set up by the catalog, each its own way; ports 3 to 8 keep zeros and empty texts.
std::string miscCatalog() {
    std::string text = "MERIX misc\r\n2\r\n";
    const char* ports[2][16] = {
        {"1", "0", "0", "0", "0", "0", "Carrier", "0", "0", "123", "1", "0", "1", "0", "D",
         "Port one"},
        {"0", "1", "1", "1", "1", "0", "PL Only", "2", "1", "4711", "0", "1", "0", "1", "#",
         "Port two, a link"},
    };
    const char* names[16] = {
        "DTMFMute",       "CoverTone",      "Bypass",    "CORPolarity",    "PLPolarity",
        "PasswordSystem", "AccessMode",     "Preaccess", "DialTone",       "AccessCode",
        "IDOnOff",        "IDRandRotating", "Chaining",  "TimedExecution", "ForceExecutionDigit",
        "Description"};
    for (const auto& port : ports)
        for (int i = 0; i < 16; ++i)
            text += std::string(names[i]) + "=" + port[i] + "\r\n";
    return text;
}

class MiscSetupScreenTest : public test::ScreenTestFixture {
  protected:
    void SetUp() override {
        test::writeWhole(folder.file("misc.cfg"), miscCatalog());
        test::writeWhole(folder.file("access.cfg"),
                         "MERIX access\r\n3\r\nCarrier,1\r\nPL Only,4\r\nCarrier Or PL,3\r\n");
        ScreenTestFixture::SetUp();
    }

    void open() { screen = openScreen<MiscSetupScreen>(); }

    // Steps through a drop-down from the keyboard, as a user does.
    static void choose(QComboBox* list, int index) {
        list->setFocus();
        if (list->currentIndex() < 0)
            QTest::keyClick(list, Qt::Key_Down);
        while (list->currentIndex() < index)
            QTest::keyClick(list, Qt::Key_Down);
        while (list->currentIndex() > index)
            QTest::keyClick(list, Qt::Key_Up);
    }
    void choosePort(int port) {
        choose(screen->portList(), port - 1);
        ASSERT_EQ(screen->shownPort(), port);
    }
    void click(int PortSetup::*setting, int value) {
        QAbstractButton* radio = screen->choice(setting, value);
        ASSERT_NE(radio, nullptr);
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(5, radio->height() / 2));
    }
    void tick(int PortSetup::*setting) {
        QCheckBox* box = screen->checkBox(setting);
        ASSERT_NE(box, nullptr);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
    }
    static void retype(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }
    bool linkShown() const { return screen->accessCodeField()->isVisible(); }

    std::unique_ptr<MiscSetupScreen> screen;
};

TEST_F(MiscSetupScreenTest, OpensOnPortOneWithTheAccessModesOfTheCatalog) {
    open();
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Misc Setup"));
    ASSERT_EQ(screen->portList()->count(), 8);
    EXPECT_EQ(screen->portList()->itemText(7), QStringLiteral("Port 8"));
    EXPECT_EQ(screen->portList()->currentText(), QStringLiteral("Port 1"));
    EXPECT_TRUE(screen->checkBox(&PortSetup::DTMFMute)->isChecked());
    EXPECT_FALSE(screen->checkBox(&PortSetup::CoverTone)->isChecked());
    EXPECT_TRUE(screen->checkBox(&PortSetup::Chaining)->isChecked());
    EXPECT_FALSE(screen->passwordBox()->isChecked());
    EXPECT_TRUE(screen->choice(&PortSetup::Preaccess, 0)->isChecked());
    EXPECT_TRUE(screen->choice(&PortSetup::IDOnOff, 1)->isChecked());
    EXPECT_TRUE(screen->choice(&PortSetup::IDRandRotating, 0)->isChecked());
    EXPECT_FALSE(linkShown());
    EXPECT_FALSE(screen->checkBox(&PortSetup::DialTone)->isVisible());
    // The polarities are kept in the document but not offered.
    EXPECT_FALSE(screen->choice(&PortSetup::CORPolarity, 0)->isVisible());
    EXPECT_FALSE(screen->choice(&PortSetup::PLPolarity, 1)->isVisible());

    QComboBox* modes = screen->accessModeList();
    ASSERT_EQ(modes->count(), 3);
    EXPECT_EQ(modes->itemText(2), QStringLiteral("Carrier Or PL"));
    EXPECT_EQ(modes->currentText(), QStringLiteral("Carrier"));
    EXPECT_EQ(screen->executerField()->text(), QStringLiteral("D"));
    EXPECT_EQ(screen->accessCodeField()->text(), QStringLiteral("123"));
    EXPECT_EQ(screen->descriptionBox()->toPlainText(), QStringLiteral("Port one"));
    EXPECT_TRUE(screen->descriptionBox()->isReadOnly());

    EXPECT_FALSE(doc.refreshFlag(ScreenId::MiscSetup));
    EXPECT_GT(busy.shown, 0);
    EXPECT_EQ(busy.depth, 0);
    EXPECT_TRUE(prompter.boxes.empty());
    EXPECT_TRUE(statusLines.empty());
}

TEST_F(MiscSetupScreenTest, EachPortShowsItsOwnValuesAndDescription) {
    open();
    choosePort(2);
    EXPECT_FALSE(screen->checkBox(&PortSetup::DTMFMute)->isChecked());
    EXPECT_TRUE(screen->checkBox(&PortSetup::Bypass)->isChecked());
    EXPECT_TRUE(screen->checkBox(&PortSetup::TimedExecution)->isChecked());
    EXPECT_TRUE(screen->choice(&PortSetup::Preaccess, 2)->isChecked());
    EXPECT_TRUE(linkShown());
    EXPECT_TRUE(screen->checkBox(&PortSetup::DialTone)->isChecked());
    EXPECT_EQ(screen->accessCodeField()->text(), QStringLiteral("4711"));
    EXPECT_TRUE(screen->choice(&PortSetup::IDRandRotating, 1)->isChecked());
    EXPECT_EQ(screen->accessModeList()->currentText(), QStringLiteral("PL Only"));
    EXPECT_EQ(screen->executerField()->text(), QStringLiteral("#"));
    EXPECT_EQ(screen->descriptionBox()->toPlainText(), QStringLiteral("Port two, a link"));

    choosePort(6); // all zero, and an access mode the list does not hold: none selected
    EXPECT_FALSE(linkShown());
    EXPECT_EQ(screen->accessModeList()->currentIndex(), -1);
    EXPECT_EQ(screen->descriptionBox()->toPlainText(), QString());

    choosePort(1);
    EXPECT_EQ(screen->accessCodeField()->text(), QStringLiteral("123"));
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(MiscSetupScreenTest, EveryChoiceIsWrittenIntoTheShownPortAtOnce) {
    open();
    choosePort(3);
    const std::array<PortSetup, kPortCount> before = doc.ports;
    struct Case {
        int PortSetup::*setting;
        int clickValue; // -1: a check box ticked
        int stored;
    };
    const Case cases[] = {
        {&PortSetup::DTMFMute, -1, 1},       {&PortSetup::CoverTone, -1, 1},
        {&PortSetup::Bypass, -1, 1},         {&PortSetup::Chaining, -1, 1},
        {&PortSetup::TimedExecution, -1, 1}, {&PortSetup::TimedExecution, -1, 0},
        {&PortSetup::IDOnOff, 1, 1},         {&PortSetup::IDOnOff, 0, 0},
        {&PortSetup::IDRandRotating, 1, 1},  {&PortSetup::Preaccess, 1, 1},
        {&PortSetup::Preaccess, 2, 2},       {&PortSetup::DialTone, -1, 1},
        {&PortSetup::Preaccess, 0, 0},
    };
    for (const Case& c : cases) {
        if (c.clickValue < 0)
            tick(c.setting);
        else
            click(c.setting, c.clickValue);
        EXPECT_EQ(doc.ports[2].*c.setting, c.stored);
    }
    for (std::size_t p : {0u, 1u, 3u, 7u}) {
        EXPECT_EQ(doc.ports[p].DTMFMute, before[p].DTMFMute) << p;
        EXPECT_EQ(doc.ports[p].Preaccess, before[p].Preaccess) << p;
    }

    choose(screen->accessModeList(), 2);
    EXPECT_EQ(doc.ports[2].AccessMode, "Carrier Or PL");
    EXPECT_EQ(doc.ports[0].AccessMode, "Carrier");
}

TEST_F(MiscSetupScreenTest, LinkShowsTheDialToneAndAccessCodeAndTheOthersHideButKeepThem) {
    open();
    click(&PortSetup::Preaccess, 2);
    EXPECT_TRUE(linkShown());
    EXPECT_TRUE(screen->checkBox(&PortSetup::DialTone)->isVisible());
    tick(&PortSetup::DialTone);
    retype(screen->accessCodeField(), QStringLiteral("2468"));
    click(&PortSetup::Preaccess, 1);
    EXPECT_FALSE(linkShown());
    EXPECT_FALSE(screen->checkBox(&PortSetup::DialTone)->isVisible());
    EXPECT_EQ(doc.ports[0].Preaccess, 1);
    EXPECT_EQ(doc.ports[0].DialTone, 1);
    EXPECT_EQ(doc.ports[0].AccessCode, "2468");
    click(&PortSetup::Preaccess, 0);
    EXPECT_FALSE(linkShown());
    EXPECT_EQ(doc.ports[0].AccessCode, "2468");

    // The arrow keys step through a group's buttons and choose as they go.
    screen->choice(&PortSetup::Preaccess, 0)->setFocus();
    QTest::keyClick(screen->choice(&PortSetup::Preaccess, 0), Qt::Key_Down);
    QTest::keyClick(screen->choice(&PortSetup::Preaccess, 1), Qt::Key_Down);
    EXPECT_TRUE(screen->choice(&PortSetup::Preaccess, 2)->isChecked());
    EXPECT_EQ(doc.ports[0].Preaccess, 2);
    EXPECT_TRUE(linkShown());
}

TEST_F(MiscSetupScreenTest, OnlyLinkShowsItsControlsAndAValueNoButtonNamesTicksNone) {
    struct Case {
        int port;
        int preaccess;
        int idOnOff;
        bool link;
    };
    // Hand-edited documents may hold values no button names; they stay as they are.
    const Case cases[] = {
        {3, 2, 1, true},   {4, 3, 0, false},  {5, 0, 5, false},
        {6, -1, 1, false}, {7, 1, -1, false}, {8, 2, 0, true},
    };
    for (const Case& c : cases) {
        doc.ports[static_cast<std::size_t>(c.port - 1)].Preaccess = c.preaccess;
        doc.ports[static_cast<std::size_t>(c.port - 1)].IDOnOff = c.idOnOff;
    }
    open();
    for (const Case& c : cases) {
        choosePort(c.port);
        EXPECT_EQ(linkShown(), c.link) << c.port;
        EXPECT_EQ(screen->checkBox(&PortSetup::DialTone)->isVisible(), c.link) << c.port;
        for (int value = 0; value < 3; ++value)
            EXPECT_EQ(screen->choice(&PortSetup::Preaccess, value)->isChecked(),
                      value == c.preaccess)
                << c.port << '/' << value;
        for (int value = 0; value < 2; ++value)
            EXPECT_EQ(screen->choice(&PortSetup::IDOnOff, value)->isChecked(), value == c.idOnOff)
                << c.port << '/' << value;
    }
    for (const Case& c : cases) {
        EXPECT_EQ(doc.ports[static_cast<std::size_t>(c.port - 1)].Preaccess, c.preaccess);
        EXPECT_EQ(doc.ports[static_cast<std::size_t>(c.port - 1)].IDOnOff, c.idOnOff);
    }
    choosePort(4);
    click(&PortSetup::Preaccess, 2); // a click chooses as ever
    EXPECT_EQ(doc.ports[3].Preaccess, 2);
    EXPECT_TRUE(linkShown());
}

TEST_F(MiscSetupScreenTest, TheAccessModeListShowsWholeNamesAndEachPortKeepsWhatItHolds) {
    const std::string longName = "Carrier And PL Or Tone Squelch";
    // A port holds 24 bytes; the 24th falls inside the U with two dots.
    const std::string umlaut = "Carrier And PL Or Tone \xC3\x9C"
                               "bergang";
    test::writeWhole(folder.file("access.cfg"), "MERIX access\r\n3\r\nCarrier,1\r\n" + longName +
                                                    ",2\r\n" + umlaut + ",3\r\n");
    doc.ports[2].AccessMode = longName; // a document holds the beginning
    doc.ports[3].AccessMode = umlaut;
    open();
    QComboBox* modes = screen->accessModeList();
    ASSERT_EQ(modes->count(), 3);
    EXPECT_EQ(modes->itemText(1).toStdString(), longName);
    EXPECT_EQ(modes->itemText(2).toStdString(), umlaut);
    const std::pair<int, int> shown[] = {{1, 0}, {3, 1}, {4, 2}, {5, -1}};
    for (const auto& [port, line] : shown) {
        choosePort(port);
        EXPECT_EQ(modes->currentIndex(), line) << port;
    }

    choose(modes, 2);
    EXPECT_EQ(doc.ports[4].AccessMode, "Carrier And PL Or Tone "); // whole characters
    choose(modes, 1);
    EXPECT_EQ(doc.ports[4].AccessMode, "Carrier And PL Or Tone S");
    choosePort(1);
    choosePort(5);
    EXPECT_EQ(modes->currentText().toStdString(), longName);
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(MiscSetupScreenTest, ThePasswordSystemIsOneForAllPorts) {
    open();
    choosePort(3);
    QTest::mouseClick(screen->passwordBox(), Qt::LeftButton, {},
                      QPoint(5, screen->passwordBox()->height() / 2));
    for (const PortSetup& port : doc.ports)
        EXPECT_EQ(port.PasswordSystem, 1);
    choosePort(8);
    EXPECT_TRUE(screen->passwordBox()->isChecked());
    QTest::keyClick(screen->passwordBox(), Qt::Key_Space);
    for (const PortSetup& port : doc.ports)
        EXPECT_EQ(port.PasswordSystem, 0);
}

TEST_F(MiscSetupScreenTest, TheTwoTextFieldsKeepTheirLengthAndNothingTheDocumentCannotRead) {
    open();
    QLineEdit* code = screen->accessCodeField();
    QLineEdit* executer = screen->executerField();
    struct Case {
        QLineEdit* field;
        const char* typed;
        const char* shown;
        int caret;
        bool message;
    };
    const Case cases[] = {
        {code, "1234567", "123456", 6, true},
        {code, "12;34", "1234", 4, false},
        {code, "A*#", "A*#", 3, false}, // only the length matters
        {code, "", "", 0, false},
        {executer, "DE", "D", 0, false},
        {executer, ";", "", 0, false},
        {executer, ":", "", 0, false},
        {executer, "9", "9", 1, false},
    };
    for (const Case& c : cases) {
        prompter.boxes.clear();
        retype(c.field, QString::fromUtf8(c.typed));
        EXPECT_EQ(c.field->text().toStdString(), c.shown) << c.typed;
        EXPECT_EQ(c.field->cursorPosition(), c.caret) << c.typed;
        const std::string stored = c.field == code ? doc.ports[0].AccessCode.str()
                                                   : doc.ports[0].ForceExecutionDigit.str();
        EXPECT_EQ(stored, c.shown) << c.typed;
        EXPECT_EQ(prompter.texts(), c.message ? std::vector<std::string>{kAccessCodeMessage}
                                              : std::vector<std::string>{})
            << c.typed;
    }
}

TEST_F(MiscSetupScreenTest, CancelPutsBackAllEightPorts) {
    open();
    const std::array<PortSetup, kPortCount> before = doc.ports;
    tick(&PortSetup::Bypass);
    QTest::mouseClick(screen->passwordBox(), Qt::LeftButton, {},
                      QPoint(5, screen->passwordBox()->height() / 2));
    choosePort(4);
    click(&PortSetup::Preaccess, 2);
    retype(screen->accessCodeField(), QStringLiteral("99"));
    choose(screen->accessModeList(), 1);
    QTest::mouseClick(screen->cancelButton(), Qt::LeftButton);
    for (std::size_t p = 0; p < kPortCount; ++p) {
        EXPECT_EQ(doc.ports[p].Bypass, before[p].Bypass) << p;
        EXPECT_EQ(doc.ports[p].PasswordSystem, before[p].PasswordSystem) << p;
        EXPECT_EQ(doc.ports[p].Preaccess, before[p].Preaccess) << p;
        EXPECT_EQ(doc.ports[p].AccessCode, before[p].AccessCode) << p;
        EXPECT_EQ(doc.ports[p].AccessMode, before[p].AccessMode) << p;
        EXPECT_EQ(doc.ports[p].portDescription, before[p].portDescription) << p;
    }
    ASSERT_EQ(closed->count(), 1);
    EXPECT_EQ(closed->at(0).at(1).toBool(), false);
}

TEST_F(MiscSetupScreenTest, APointerOverTheScreenShowsAReplacedDocumentAndCancelKeepsIt) {
    open();
    choosePort(2);
    doc.ports[1].Preaccess = 0; // as a New or Open would leave it
    doc.ports[1].ForceExecutionDigit = "*";
    doc.ports[1].portDescription = "Replaced";
    doc.setAllRefreshFlags();
    QTest::mouseMove(screen.get(), QPoint(10, 10));
    QTest::mouseMove(screen.get(), QPoint(12, 14));
    EXPECT_FALSE(doc.refreshFlag(ScreenId::MiscSetup));
    EXPECT_EQ(screen->shownPort(), 2);
    EXPECT_FALSE(linkShown());
    EXPECT_EQ(screen->executerField()->text(), QStringLiteral("*"));
    EXPECT_EQ(screen->descriptionBox()->toPlainText(), QStringLiteral("Replaced"));

    retype(screen->executerField(), QStringLiteral("1"));
    QTest::keyClick(screen.get(), Qt::Key_Escape);
    EXPECT_EQ(doc.ports[1].ForceExecutionDigit, "*");
}

TEST_F(MiscSetupScreenTest, CancelLeavesADocumentReplacedButNotYetShownAlone) {
    open();
    tick(&PortSetup::Bypass);
    doc.ports[0].Bypass = 0; // a New or Open, the pointer not yet over the screen
    doc.ports[5].PasswordSystem = 1;
    doc.setAllRefreshFlags();
    QTest::keyClick(screen.get(), Qt::Key_Escape);
    EXPECT_EQ(doc.ports[0].Bypass, 0);
    EXPECT_EQ(doc.ports[5].PasswordSystem, 1);
    ASSERT_EQ(closed->count(), 1);
}

TEST_F(MiscSetupScreenTest, AnUnreadableAccessCatalogGivesAnEmptyListAndAStatusLine) {
    std::filesystem::remove(folder.file("access.cfg"));
    open();
    EXPECT_EQ(screen->accessModeList()->count(), 0);
    EXPECT_EQ(statusLines, std::vector<std::string>{"Unable to read access.cfg in the catalog "
                                                    "folder; the Access Mode list is empty."});
    EXPECT_EQ(doc.ports[0].AccessMode, "Carrier"); // kept as the document has it
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(MiscSetupScreenTest, EveryControlIsFoundByItsCaption) {
    open();
    click(&PortSetup::Preaccess, 2);
    const std::pair<const char*, QWidget*> controls[] = {
        {"Port", screen->portList()},
        {"&DTMF Mute", screen->checkBox(&PortSetup::DTMFMute)},
        {"&Cover Tone", screen->checkBox(&PortSetup::CoverTone)},
        {"&Bypass", screen->checkBox(&PortSetup::Bypass)},
        {"&Active Password System", screen->passwordBox()},
        {"D&ial Tone", screen->checkBox(&PortSetup::DialTone)},
        {"Acce&ss Code:", screen->accessCodeField()},
        {"Access &Mode", screen->accessModeList()},
        {"Repeater", screen->choice(&PortSetup::Preaccess, 1)},
        {"Link", screen->choice(&PortSetup::Preaccess, 2)},
        {"Rotating", screen->choice(&PortSetup::IDRandRotating, 0)},
        {"Random", screen->choice(&PortSetup::IDRandRotating, 1)},
        {"On", screen->choice(&PortSetup::IDOnOff, 1)},
        {"Command Chaining", screen->checkBox(&PortSetup::Chaining)},
        {"Timed Execution", screen->checkBox(&PortSetup::TimedExecution)},
        {"Command Executer:", screen->executerField()},
        {"Description", screen->descriptionBox()},
        {"Cancel", screen->cancelButton()},
        {"&OK", screen->okButton()},
    };
    for (const auto& [caption, widget] : controls)
        EXPECT_EQ(test::findByCaption(screen.get(), QString::fromUtf8(caption)), widget) << caption;
    // Group boxes by their titles, each holding its own buttons.
    const std::pair<const char*, QWidget*> groups[] = {
        {"Pr&eaccess", screen->choice(&PortSetup::Preaccess, 0)},
        {"E&xecuter Options", screen->executerField()},
    };
    for (const auto& [title, inside] : groups) {
        QWidget* group = test::findByCaption(screen.get(), QString::fromUtf8(title));
        ASSERT_NE(group, nullptr) << title;
        EXPECT_TRUE(group->isAncestorOf(inside)) << title;
    }
    int idGroups = 0;
    for (QGroupBox* group : screen->findChildren<QGroupBox*>())
        idGroups += group->title() == QStringLiteral("ID's") ? 1 : 0;
    EXPECT_EQ(idGroups, 2);
    EXPECT_EQ(test::findByCaption(screen->choice(&PortSetup::IDOnOff, 0)->parentWidget(),
                                  QStringLiteral("Off")),
              screen->choice(&PortSetup::IDOnOff, 0));
}

TEST_F(MiscSetupScreenTest, AccessLettersMoveTheFocus) {
    open();
    click(&PortSetup::Preaccess, 2);
    screen->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
    const std::pair<Qt::Key, QWidget*> letters[] = {
        {Qt::Key_S, screen->accessCodeField()},
        {Qt::Key_M, screen->accessModeList()},
        {Qt::Key_X, screen->checkBox(&PortSetup::Chaining)}, // the group's first control
    };
    for (const auto& [key, widget] : letters) {
        QTest::keyClick(screen.get(), key, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), widget)
            << QKeySequence(key).toString().toStdString();
    }
}

TEST_F(MiscSetupScreenTest, AnEditReachesTheCommandFile) {
    test::CommandFileOfEdits upload(doc, folder.file("site.mrx"));
    open();
    QTest::mouseClick(screen->passwordBox(), Qt::LeftButton, {},
                      QPoint(5, screen->passwordBox()->height() / 2));
    choosePort(3);
    click(&PortSetup::Preaccess, 2);
    retype(screen->accessCodeField(), QStringLiteral("654321"));
    const std::string commands = upload.generate(prompter);
    EXPECT_NE(commands.find("N190 000 0;activate password system"), std::string::npos) << commands;
    EXPECT_NE(commands.find("N071 3 0 654321;set port 3 as a link with (dial tone - off) and "
                            "access code of 654321"),
              std::string::npos);
    EXPECT_EQ(commands.find("N071 2 "), std::string::npos); // only what changed
}

} // namespace
} // namespace merix
