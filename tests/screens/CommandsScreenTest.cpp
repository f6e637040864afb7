#include "screens/CommandsScreen.h"
#include "document/CatalogLoader.h"
#include "tests/screens/AccessibleTree.h"
#include "tests/screens/GeneratedCommandFile.h"
#include "tests/screens/ScreenTestFixture.h"
#include "tests/support/TempDir.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace merix {
namespace {

constexpr const char* kCommands = "MERIX commands\r\n3\r\n"
                                  "Command020,Set Timer,SETTIM,7,Sets a timer\r\n"
                                  "Command021,Say Timer,SAYTIM,3,Speaks a timer, with its value\r\n"
                                  "Command100,Log On,000,0,Logs a user on\r\n";

class CommandsScreenTest : public test::ScreenTestFixture {
  protected:
    void SetUp() override {
        ScreenTestFixture::SetUp();
        test::writeWhole(folder.file("commands.cfg"), kCommands);
        ASSERT_TRUE(loadCatalogs(doc, prompter));
        doc.setAllRefreshFlags();
    }

    void open() { screen = openScreen<CommandsScreen>(); }
    QLineEdit* name() const { return screen->nameField(); }
    QString line(int row) const { return screen->commandList()->item(row)->text(); }

    static void retype(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }

    std::unique_ptr<CommandsScreen> screen;
};

TEST_F(CommandsScreenTest, OpensOnTheFirstCommandWithNameTabAndLabelInTheList) {
    doc.commands[0].portEnabled[4] = 0;
    open();
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Commands"));
    ASSERT_EQ(screen->commandList()->count(), 3);
    EXPECT_EQ(line(0), QStringLiteral("SETTIM\t - Set Timer"));
    EXPECT_EQ(line(2), QStringLiteral("000\t - Log On"));
    EXPECT_EQ(screen->commandList()->currentRow(), 0);
    EXPECT_TRUE(screen->commandList()->hasFocus());
    EXPECT_EQ(name()->text(), QStringLiteral("SETTIM"));
    EXPECT_EQ(screen->labelLine()->text(), QStringLiteral("Set Timer"));
    EXPECT_EQ(screen->descriptionBox()->toPlainText(), QStringLiteral("Sets a timer"));
    for (int port = 1; port <= 8; ++port)
        EXPECT_EQ(screen->portBox(port)->isChecked(), port != 5) << port;
    EXPECT_TRUE(screen->clearanceButton(7)->isChecked());
    EXPECT_FALSE(doc.refreshFlag(ScreenId::Commands));
    EXPECT_TRUE(doc.refreshFlag(ScreenId::Macros));
    EXPECT_EQ(busy.depth, 0);
    EXPECT_GT(busy.shown, 0);
    EXPECT_TRUE(prompter.boxes.empty());

    screen->commandList()->setCurrentRow(1);
    EXPECT_EQ(name()->text(), QStringLiteral("SAYTIM"));
    EXPECT_EQ(screen->descriptionBox()->toPlainText(),
              QStringLiteral("Speaks a timer, with its value"));
    EXPECT_TRUE(screen->clearanceButton(3)->isChecked());
    EXPECT_TRUE(screen->portBox(5)->isChecked());
}

TEST_F(CommandsScreenTest, NameIsRaisedCleanedAndCutAsItIsTyped) {
    const std::string tooLong = "The Command Name must be six characters or less.";
    const struct {
        const char* typed;
        const char* field;
        int caret;
        std::vector<std::string> messages;
    } cases[] = {
        {"ab", "AB", 2, {}},
        {"A:", "A", 1, {}}, // the caret stays after the A
        {"A:B", "AB", 2, {}},
        {"A B", "AB", 2, {}},
        {"A;B", "AB", 2, {}},
        {"12x#", "12X#", 4, {}},
        {"ABCDEF", "ABCDEF", 6, {}},
        {"ABCDEFG", "ABCDEF", 6, {tooLong}},
        {"abcdefg", "ABCDEF", 6, {tooLong}},
        {"", "", 0, {}}, // an empty name is stored empty
    };
    open();
    for (const auto& c : cases) {
        prompter.boxes.clear();
        retype(name(), QString::fromUtf8(c.typed));
        EXPECT_EQ(name()->text(), QString::fromUtf8(c.field)) << c.typed;
        EXPECT_EQ(name()->cursorPosition(), c.caret) << c.typed;
        EXPECT_EQ(doc.commands[0].name.str(), c.field) << c.typed;
        EXPECT_EQ(prompter.texts(), c.messages) << c.typed;
        EXPECT_EQ(line(0), QString::fromUtf8(c.field) + QStringLiteral("\t - Set Timer"))
            << c.typed;
        EXPECT_EQ(screen->commandList()->currentRow(), 0) << c.typed;
    }

    // A letter typed in the middle is raised with the caret just after it.
    retype(name(), QStringLiteral("ABC"));
    name()->setCursorPosition(1);
    QTest::keyClicks(name(), QStringLiteral("x"));
    EXPECT_EQ(name()->text(), QStringLiteral("AXBC"));
    EXPECT_EQ(name()->cursorPosition(), 2);
}

TEST_F(CommandsScreenTest, SearchSelectsTheFirstNameBeginningWithTheTextInAnyCase) {
    open();
    retype(screen->searchField(), QStringLiteral("sa"));
    EXPECT_EQ(screen->commandList()->currentRow(), 1);
    EXPECT_EQ(name()->text(), QStringLiteral("SAYTIM"));
    EXPECT_EQ(screen->labelLine()->text(), QStringLiteral("Say Timer"));

    QTest::keyClicks(screen->searchField(), QStringLiteral("ytimx"));
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"The Search Command Name must be six characters or less."});
    EXPECT_EQ(screen->searchField()->text(), QString());
    EXPECT_EQ(screen->commandList()->currentRow(), 1); // emptied, the selection stays

    QTest::keyClicks(screen->searchField(), QStringLiteral("0"));
    EXPECT_EQ(screen->commandList()->currentRow(), 2);
    QTest::keyClicks(screen->searchField(), QStringLiteral("9"));
    EXPECT_EQ(screen->commandList()->currentRow(), 2); // no match moves nothing
    EXPECT_EQ(prompter.boxes.size(), 1u);
}

TEST_F(CommandsScreenTest, PortsAndClearanceGoIntoTheStoreAtOnce) {
    open();
    QTest::mouseClick(screen->portBox(3), Qt::LeftButton);
    EXPECT_EQ(doc.commands[0].portEnabled[2], 0);
    QTest::mouseClick(screen->portBox(3), Qt::LeftButton);
    EXPECT_EQ(doc.commands[0].portEnabled[2], 1);
    QTest::mouseClick(screen->clearanceButton(2), Qt::LeftButton);
    EXPECT_EQ(doc.commands[0].clearanceLevel, 2);
    EXPECT_FALSE(screen->clearanceButton(7)->isChecked());
}

TEST_F(CommandsScreenTest, CancelPutsBackOnlyTheCurrentCommand) {
    open();
    QTest::mouseClick(screen->portBox(1), Qt::LeftButton);
    screen->commandList()->setCurrentRow(1);
    retype(name(), QStringLiteral("NEW"));
    QTest::mouseClick(screen->portBox(8), Qt::LeftButton);
    QTest::mouseClick(screen->clearanceButton(0), Qt::LeftButton);
    ASSERT_EQ(doc.commands[1].name.str(), "NEW");

    QTest::keyClick(screen.get(), Qt::Key_Escape);
    EXPECT_EQ(doc.commands[1].name.str(), "SAYTIM");
    EXPECT_EQ(doc.commands[1].portEnabled, (PortInts{1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(doc.commands[1].clearanceLevel, 3);
    EXPECT_EQ(doc.commands[0].portEnabled[0], 0); // edited before the selection moved on
    ASSERT_EQ(closed->count(), 1);
    EXPECT_FALSE(closed->at(0).at(1).toBool());
}

TEST_F(CommandsScreenTest, OkKeepsEveryEdit) {
    open();
    retype(name(), QStringLiteral("KEEP"));
    QTest::mouseClick(screen->okButton(), Qt::LeftButton);
    EXPECT_EQ(doc.commands[0].name.str(), "KEEP");
    ASSERT_EQ(closed->count(), 1);
    EXPECT_TRUE(closed->at(0).at(1).toBool());
}

TEST_F(CommandsScreenTest, PointerOverTheScreenShowsAReplacedDocument) {
    open();
    screen->commandList()->setCurrentRow(1);
    doc.commands[0].name = "FIRST";
    doc.commands[1].name = "OTHER";
    doc.commands[1].clearanceLevel = 6;
    doc.setAllRefreshFlags();

    QTest::mouseMove(screen.get(), QPoint(10, 10));
    QTest::mouseMove(screen.get(), QPoint(12, 14));
    EXPECT_FALSE(doc.refreshFlag(ScreenId::Commands));
    EXPECT_EQ(line(0), QStringLiteral("FIRST\t - Set Timer"));
    EXPECT_EQ(line(1), QStringLiteral("OTHER\t - Say Timer"));
    EXPECT_EQ(screen->commandList()->currentRow(), 1);
    EXPECT_EQ(name()->text(), QStringLiteral("OTHER"));
    EXPECT_TRUE(screen->clearanceButton(6)->isChecked());

    retype(name(), QStringLiteral("X"));
    QTest::mouseClick(screen->cancelButton(), Qt::LeftButton);
    EXPECT_EQ(doc.commands[1].name.str(), "OTHER"); // the refreshed name is what Cancel restores
}

TEST_F(CommandsScreenTest, AMissingOrShortCatalogLosesNoCommandAndSaysSoInTheStatusBar) {
    const struct {
        const char* text; // nullptr: no file
        std::string notice;
    } cases[] = {
        {"MERIX commands\r\n3\r\nCommand020,Set Timer,SETTIM,7,Sets a timer\r\n",
         "commands.cfg describes 1 of the 3 entries of the document; the others are shown "
         "without names and descriptions."},
        {nullptr, "Unable to read commands.cfg in the catalog folder; its names and descriptions "
                  "are shown empty."},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(folder.file("commands.cfg"));
        if (c.text)
            test::writeWhole(folder.file("commands.cfg"), c.text);
        statusLines.clear();
        doc.commands[2].name = "000";
        open();
        ASSERT_EQ(screen->commandList()->count(), 3);
        EXPECT_EQ(line(2), QStringLiteral("000\t - "));
        EXPECT_EQ(statusLines, std::vector<std::string>{c.notice});
        screen->commandList()->setCurrentRow(2);
        EXPECT_EQ(screen->labelLine()->text(), QString());
        retype(name(), QStringLiteral("999"));
        EXPECT_EQ(doc.commands[2].name.str(), "999");
        EXPECT_TRUE(prompter.boxes.empty());
    }
}

TEST_F(CommandsScreenTest, EveryControlIsFoundByItsCaption) {
    open();
    const std::pair<const char*, QWidget*> controls[] = {
        {"&Commands:", screen->commandList()},
        {"&Search For Command Name:", screen->searchField()},
        {"&Description:", screen->descriptionBox()},
        {"&Name:", screen->nameField()},
        {"&Port(s)", screen->portsBox()},
        {"Clearance &Level", screen->clearanceBox()},
        {"Cancel", screen->cancelButton()},
        {"&OK", screen->okButton()},
    };
    for (const auto& [caption, widget] : controls)
        EXPECT_EQ(test::findByCaption(screen.get(), QString::fromUtf8(caption)), widget) << caption;
    for (int n = 1; n <= 8; ++n)
        EXPECT_EQ(test::findByCaption(screen->portsBox(), QString::number(n)), screen->portBox(n));
    for (int n = 0; n <= 7; ++n)
        EXPECT_EQ(test::findByCaption(screen->clearanceBox(), QString::number(n)),
                  screen->clearanceButton(n));
}

TEST_F(CommandsScreenTest, AnEditReachesTheCommandFile) {
    open();
    retype(name(), QStringLiteral("xyz"));
    QTest::mouseClick(screen->portBox(3), Qt::LeftButton);
    QTest::mouseClick(screen->clearanceButton(5), Qt::LeftButton);
    QTest::mouseClick(screen->okButton(), Qt::LeftButton);

    const std::string file = test::generatedCommandFile(doc, folder.path(), prompter);
    EXPECT_NE(file.find("N010 020 XYZ;change command name 020 to XYZ\r\n"), std::string::npos)
        << file;
    EXPECT_NE(file.find("N130 3 020;block command 020 on port 3\r\n"), std::string::npos);
    EXPECT_NE(file.find("N131 4 020;allow command 020 on port 4\r\n"), std::string::npos);
    EXPECT_NE(file.find("N190 020 5;set clearance to 5 for command 020\r\n"), std::string::npos);
}

} // namespace
} // namespace merix
