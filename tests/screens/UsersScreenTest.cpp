#include "screens/UsersScreen.h"
#include "generator/CommandFileGenerator.h"
#include "screens/AutopatchScreen.h"
#include "tests/screens/AccessibleTree.h"
#include "tests/screens/ClickButton.h"
#include "tests/screens/ModalAnswer.h"
#include "tests/screens/ScreenTestFixture.h"
#include "tests/support/TempDir.h"

#include <QCheckBox>
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

const std::string kChallengeMessage =
    "The number of digits to check must not exceed the length of the password.";

// Three users; the defaults give each clearance 3, the whole password and 2 challenge digits.
class UsersScreenTest : public test::ScreenTestFixture {
  protected:
    void SetUp() override {
        test::writeWhole(folder.file("users.cfg"), "MERIX users\r\n3\r\n"
                                                   "USER001,User 1,The first user\r\n"
                                                   "USER002,User 2,The second user\r\n"
                                                   "USER003,User 3,The third user\r\n");
        ScreenTestFixture::SetUp();
    }

    void open() { screen = openScreen<UsersScreen>(); }

    static void retype(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }

    std::string line(int row) const { return screen->userList()->item(row)->text().toStdString(); }

    // Opens the Autopatch screen from the button and runs `answer` on it while it is up.
    void withAutopatch(std::function<void(AutopatchScreen*)> answer) {
        bool answered = false;
        const auto modal = test::whenModal<AutopatchScreen>([&](AutopatchScreen* autopatch) {
            answer(autopatch);
            answered = true;
        });
        QTest::mouseClick(screen->autopatchButton(), Qt::LeftButton);
        EXPECT_TRUE(answered);
    }

    std::unique_ptr<UsersScreen> screen;
};

TEST_F(UsersScreenTest, OpensOnTheFirstUserWithItsListNameAndValues) {
    doc.users[1].name = "Ann";
    doc.users[0].callSign = "W1AW";
    doc.users[0].description = "Club station";
    open();
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Users"));
    ASSERT_EQ(screen->userList()->count(), 3);
    EXPECT_EQ(line(0), "User 1");
    EXPECT_EQ(line(1), "User 2 - Ann");
    EXPECT_EQ(screen->userList()->currentRow(), 0);
    EXPECT_EQ(screen->panelTitle()->text(), QStringLiteral("User 1"));
    EXPECT_EQ(screen->callSignField()->text(), QStringLiteral("W1AW"));
    EXPECT_EQ(screen->descriptionBox()->toPlainText(), QStringLiteral("Club station"));
    EXPECT_TRUE(screen->wholePasswordButton()->isChecked());
    EXPECT_FALSE(screen->challengeField()->isVisible());
    EXPECT_TRUE(screen->clearanceButton(3)->isChecked());
    EXPECT_FALSE(screen->enabledBox()->isChecked());
    EXPECT_FALSE(screen->pagingButton()->isEnabled());
    EXPECT_TRUE(screen->autopatchButton()->isEnabled());
    EXPECT_FALSE(doc.refreshFlag(ScreenId::Users));
    EXPECT_TRUE(doc.refreshFlag(ScreenId::Scheduler)); // only its own flag
    EXPECT_EQ(busy.depth, 0);
    EXPECT_GT(busy.shown, 0);
    EXPECT_TRUE(prompter.boxes.empty());
    EXPECT_TRUE(statusLines.empty());
}

TEST_F(UsersScreenTest, CallSignIsTypedInCapitalsUpToEightCharacters) {
    open();
    QLineEdit* call = screen->callSignField();
    call->setFocus();
    QTest::keyClicks(call, QStringLiteral("ab1"));
    EXPECT_EQ(call->text(), QStringLiteral("AB1"));
    EXPECT_EQ(call->cursorPosition(), 3);
    EXPECT_EQ(doc.users[0].callSign, "AB1");

    call->setCursorPosition(1);
    QTest::keyClicks(call, QStringLiteral(":"));
    QTest::keyClicks(call, QStringLiteral(";"));
    EXPECT_EQ(call->text(), QStringLiteral("AB1"));
    EXPECT_EQ(call->cursorPosition(), 1);
    EXPECT_TRUE(prompter.boxes.empty());

    call->end(false);
    QTest::keyClicks(call, QStringLiteral("/w1aw9"));
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"The Call Sign must be eight characters or less."});
    EXPECT_EQ(call->text(), QStringLiteral("AB1/W1AW"));
    EXPECT_EQ(doc.users[0].callSign, "AB1/W1AW");

    retype(call, QString());
    EXPECT_EQ(doc.users[0].callSign, "");
}

TEST_F(UsersScreenTest, NamingAUserEnablesItAndShowsInItsListLine) {
    open();
    screen->userList()->setCurrentRow(1);
    retype(screen->nameField(), QStringLiteral("Bo:b;"));
    EXPECT_EQ(screen->nameField()->text(), QStringLiteral("Bob"));
    EXPECT_EQ(doc.users[1].name, "Bob");
    EXPECT_EQ(line(1), "User 2 - Bob");
    EXPECT_EQ(screen->userList()->currentRow(), 1);
    EXPECT_EQ(doc.users[1].enabled, 1);
    EXPECT_TRUE(screen->enabledBox()->isChecked());
    EXPECT_TRUE(prompter.boxes.empty());

    retype(screen->nameField(), QString());
    EXPECT_EQ(doc.users[1].name, "");
    EXPECT_EQ(line(1), "User 2");
    EXPECT_EQ(doc.users[1].enabled, 1); // clearing the name does not disable

    test::clickBox(screen->enabledBox());
    EXPECT_EQ(doc.users[1].enabled, 0);
    EXPECT_EQ(doc.users[0].enabled, 0); // the others untouched
}

TEST_F(UsersScreenTest, ChallengeDigitsNeverExceedThePassword) {
    doc.users[0].password = "12345";
    doc.users[0].passwordMode = 1;
    doc.users[0].challengeDigits = 4;
    open();
    QLineEdit* password = screen->passwordField();
    ASSERT_TRUE(screen->challengeButton()->isChecked());
    EXPECT_TRUE(screen->challengeField()->isVisible());
    EXPECT_EQ(screen->challengeField()->text(), QStringLiteral("4"));

    password->setFocus();
    password->end(false);
    QTest::keyClick(password, Qt::Key_Backspace);
    EXPECT_TRUE(prompter.boxes.empty());
    QTest::keyClick(password, Qt::Key_Backspace);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{kChallengeMessage});
    EXPECT_EQ(screen->challengeField()->text(), QStringLiteral("3"));
    EXPECT_EQ(doc.users[0].challengeDigits, 3);
    EXPECT_EQ(doc.users[0].password, "123");

    // X takes digits only, never more than the password's length.
    retype(screen->challengeField(), QStringLiteral("2x"));
    EXPECT_EQ(screen->challengeField()->text(), QStringLiteral("2"));
    EXPECT_EQ(doc.users[0].challengeDigits, 2);
    retype(screen->challengeField(), QStringLiteral("7"));
    EXPECT_EQ(prompter.texts().back(), kChallengeMessage);
    EXPECT_EQ(screen->challengeField()->text(), QStringLiteral("3"));
    retype(screen->challengeField(), QString());
    EXPECT_EQ(doc.users[0].challengeDigits, 0);

    // The whole password hides X and clamps nothing.
    prompter.boxes.clear();
    retype(screen->challengeField(), QStringLiteral("3"));
    test::clickBox(screen->wholePasswordButton());
    EXPECT_EQ(doc.users[0].passwordMode, 0);
    EXPECT_FALSE(screen->challengeField()->isVisible());
    retype(password, QStringLiteral("1"));
    EXPECT_EQ(doc.users[0].challengeDigits, 3);
    EXPECT_TRUE(prompter.boxes.empty());

    // Back to the challenge: the clamp comes with the choice.
    test::clickBox(screen->challengeButton());
    EXPECT_EQ(doc.users[0].passwordMode, 1);
    EXPECT_TRUE(screen->challengeField()->isVisible());
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{kChallengeMessage});
    EXPECT_EQ(doc.users[0].challengeDigits, 1);
}

TEST_F(UsersScreenTest, PasswordIsEightCharactersAtMost) {
    open();
    retype(screen->passwordField(), QStringLiteral("Ab c*:#9x"));
    EXPECT_EQ(screen->passwordField()->text(), QStringLiteral("Ab c*#9x"));
    EXPECT_TRUE(prompter.boxes.empty());
    QTest::keyClicks(screen->passwordField(), QStringLiteral("y"));
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"Your Password must be eight characters or less."});
    EXPECT_EQ(doc.users[0].password, "Ab c*#9x");
}

TEST_F(UsersScreenTest, ClearanceAndDescriptionGoIntoTheStore) {
    open();
    test::clickBox(screen->clearanceButton(7));
    EXPECT_EQ(doc.users[0].clearanceLevel, 7);
    test::clickBox(screen->clearanceButton(0));
    EXPECT_EQ(doc.users[0].clearanceLevel, 0);

    QPlainTextEdit* description = screen->descriptionBox();
    description->setFocus();
    description->selectAll();
    QTest::keyClicks(description, QStringLiteral("Net: Monday"));
    EXPECT_EQ(description->toPlainText(), QStringLiteral("Net Monday"));
    EXPECT_EQ(doc.users[0].description, "Net Monday");
    EXPECT_TRUE(prompter.boxes.empty());

    description->selectAll();
    description->insertPlainText(QString(1600, QLatin1Char('d'))); // as a paste does
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"The description edit is limited to 1500 characters."});
    EXPECT_EQ(doc.users[0].description, std::string(1500, 'd'));
    EXPECT_EQ(description->textCursor().position(), 1500);
}

TEST_F(UsersScreenTest, CancelPutsBackOnlyTheUserShown) {
    open();
    retype(screen->nameField(), QStringLiteral("Ann"));
    screen->userList()->setCurrentRow(2);
    retype(screen->nameField(), QStringLiteral("Cy"));
    retype(screen->callSignField(), QStringLiteral("K1ABC"));
    test::clickBox(screen->clearanceButton(6));

    QTest::mouseClick(screen->cancelButton(), Qt::LeftButton);
    EXPECT_EQ(doc.users[0].name, "Ann");
    EXPECT_EQ(doc.users[0].enabled, 1);
    EXPECT_EQ(doc.users[2].name, "");
    EXPECT_EQ(doc.users[2].callSign, "");
    EXPECT_EQ(doc.users[2].enabled, 0);
    EXPECT_EQ(doc.users[2].clearanceLevel, 3);
    ASSERT_EQ(closed->count(), 1);
    EXPECT_EQ(closed->at(0).at(1).toBool(), false);
}

TEST_F(UsersScreenTest, CancelAlsoPutsBackWhatTheAutopatchScreenChanged) {
    open();
    screen->userList()->setCurrentRow(1);
    withAutopatch([&](AutopatchScreen* autopatch) {
        EXPECT_FALSE(doc.subScreenGuard()); // New and Open refuse meanwhile
        retype(autopatch->autodialField(), QStringLiteral("555-1212"));
        retype(autopatch->downCodeField(), QStringLiteral("*9"));
        autopatch->privacyList()->setCurrentIndex(1);
        test::clickBox(autopatch->timeOutBox());
        QTest::mouseClick(autopatch->okButton(), Qt::LeftButton);
    });
    EXPECT_TRUE(doc.subScreenGuard());
    EXPECT_EQ(doc.users[1].autodialNumber, "555-1212");
    EXPECT_EQ(doc.users[1].patchPrivacyType, "mute");
    EXPECT_EQ(doc.users[1].patchTimeOutTimer, 0);

    QTest::keyClick(screen->userList(), Qt::Key_Escape);
    EXPECT_EQ(doc.users[1].autodialNumber, "");
    EXPECT_EQ(doc.users[1].autopatchDownCode, "#");
    EXPECT_EQ(doc.users[1].patchPrivacyType, "none");
    EXPECT_EQ(doc.users[1].patchTimeOutTimer, 1);
    EXPECT_EQ(closed->count(), 1);
}

TEST_F(UsersScreenTest, AnAutodialNumberWithSeparatorsReachesTheCommandFile) {
    open();
    withAutopatch([&](AutopatchScreen* autopatch) {
        autopatch->autodialField()->setFocus();
        QTest::keyClicks(autopatch->autodialField(), QStringLiteral("1 (800) 555-1212"));
        QTest::mouseClick(autopatch->okButton(), Qt::LeftButton);
    });
    QTest::mouseClick(screen->okButton(), Qt::LeftButton);
    ASSERT_EQ(closed->count(), 1);
    EXPECT_EQ(closed->at(0).at(1).toBool(), true);

    doc.setDocumentPath(folder.file("site.mrx"));
    const CommandFileResult result = generateCommandFile(doc, UploadOption::Everything, prompter);
    ASSERT_TRUE(result.produced()) << result.message;
    std::ifstream in(result.path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("N124 001 18005551212;set autodial number to 1 (800) 555-1212 for "
                              "user 001\r\n"),
              std::string::npos)
        << text.str();
}

TEST_F(UsersScreenTest, PointerOverTheScreenShowsAReplacedDocument) {
    open();
    screen->userList()->setCurrentRow(1);
    doc.users[1].name = "Dee"; // as a New or Open would leave it
    doc.users[1].clearanceLevel = 5;
    doc.users[0].name = "Al";
    doc.setAllRefreshFlags();
    EXPECT_EQ(line(1), "User 2");

    QTest::mouseMove(screen.get(), QPoint(10, 10));
    QTest::mouseMove(screen.get(), QPoint(12, 14));
    EXPECT_FALSE(doc.refreshFlag(ScreenId::Users));
    EXPECT_EQ(screen->nameField()->text(), QStringLiteral("Dee"));
    EXPECT_TRUE(screen->clearanceButton(5)->isChecked());
    EXPECT_EQ(line(0), "User 1 - Al");
    EXPECT_EQ(line(1), "User 2 - Dee");
    EXPECT_EQ(screen->userList()->currentRow(), 1);

    retype(screen->nameField(), QStringLiteral("Eve"));
    QTest::mouseClick(screen->cancelButton(), Qt::LeftButton);
    EXPECT_EQ(doc.users[1].name, "Dee"); // the refreshed value is what Cancel restores
}

TEST_F(UsersScreenTest, CancelAfterTheDocumentWasReplacedLeavesTheNewOneAlone) {
    open();
    retype(screen->nameField(), QStringLiteral("Ann"));
    doc.users[0].name = "From the new document";
    doc.setAllRefreshFlags();
    QTest::keyClick(screen->nameField(), Qt::Key_Escape); // no pointer movement, no refresh
    EXPECT_EQ(doc.users[0].name, "From the new document");
}

TEST_F(UsersScreenTest, ACatalogShortenedOnDiskLosesNoUserAndSaysSoInTheStatusBar) {
    test::writeWhole(folder.file("users.cfg"), "MERIX users\r\n3\r\nUSER001,User 1,First\r\n");
    doc.users[2].name = "Cy";
    open();
    ASSERT_EQ(screen->userList()->count(), 3);
    EXPECT_EQ(line(0), "User 1");
    EXPECT_EQ(line(2), " - Cy");
    EXPECT_EQ(statusLines,
              (std::vector<std::string>{"users.cfg describes 1 of the 3 entries of the document; "
                                        "the others are shown without names and descriptions."}));
    screen->userList()->setCurrentRow(2);
    EXPECT_EQ(screen->nameField()->text(), QStringLiteral("Cy"));
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(UsersScreenTest, AMissingCatalogStillShowsEveryUser) {
    std::filesystem::remove(folder.file("users.cfg"));
    open();
    ASSERT_EQ(screen->userList()->count(), 3);
    EXPECT_EQ(line(1), "");
    EXPECT_EQ(statusLines, (std::vector<std::string>{"Unable to read users.cfg in the catalog "
                                                     "folder; its names and descriptions are "
                                                     "shown empty."}));
    retype(screen->nameField(), QStringLiteral("Ann"));
    EXPECT_EQ(doc.users[0].name, "Ann");
}

TEST_F(UsersScreenTest, AControllerWithoutUsersOpensWithNothingToEdit) {
    doc.users.clear(); // a catalog whose count is 0
    open();
    EXPECT_EQ(screen->userList()->count(), 0);
    EXPECT_FALSE(screen->nameField()->isEnabled());
    EXPECT_FALSE(screen->autopatchButton()->isEnabled());
    QTest::mouseClick(screen->autopatchButton(), Qt::LeftButton);
    QTest::mouseClick(screen->cancelButton(), Qt::LeftButton);
    EXPECT_EQ(closed->count(), 1);
}

TEST_F(UsersScreenTest, EveryControlIsFoundByItsCaption) {
    doc.users[0].passwordMode = 1; // X is shown in challenge mode only
    open();
    const std::pair<const char*, QWidget*> controls[] = {
        {"&Commands:", screen->userList()},
        {"&Name:", screen->nameField()},
        {"C&all Sign:", screen->callSignField()},
        {"&User Enabled/Disabled", screen->enabledBox()},
        {"Pa&ssword:", screen->passwordField()},
        {"&Enter Whole Password", screen->wholePasswordButton()},
        {"C&hallenge: X digits", screen->challengeButton()},
        {"&X:", screen->challengeField()},
        {"Clearance &Level", screen->clearanceGroup()},
        {"0", screen->clearanceButton(0)},
        {"7", screen->clearanceButton(7)},
        {"&Description:", screen->descriptionBox()},
        {"Au&topatch", screen->autopatchButton()},
        {"&Paging", screen->pagingButton()},
        {"Cancel", screen->cancelButton()},
        {"&OK", screen->okButton()},
    };
    for (const auto& [caption, widget] : controls)
        EXPECT_EQ(test::findByCaption(screen.get(), QString::fromUtf8(caption)), widget) << caption;
}

} // namespace
} // namespace merix
