#include "screens/MessagesScreen.h"
#include "generator/CommandFileGenerator.h"
#include "tests/screens/AccessibleTree.h"
#include "tests/screens/ScreenTestFixture.h"
#include "tests/support/TempDir.h"

#include <QApplication>
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
#include <fstream>
#include <functional>
#include <memory>
#include <set>
#include <sstream>

namespace merix {
namespace {

enum Message { kVoice, kPolite, kCw, kDvr };

std::string cwCatalog() {
    std::string lines;
    int count = 0;
    auto add = [&](const std::string& symbol, const std::string& code) {
        lines += symbol + "," + code + "\r\n";
        ++count;
    };
    for (char c = 'A'; c <= 'Z'; ++c)
        add(std::string(1, c), std::to_string(10 + c - 'A'));
    for (char d = '0'; d <= '9'; ++d)
        add(std::string(1, d), std::string("0") + d);
    for (const char* named : {"/,38", "_,49", " SPACE,50", " PAUSE,51", " AR,52",
                              " INTERNAL_DVR_1,53", " INTERNAL_DVR_2,54", " INTERNAL_DVR_3,55"}) {
        lines += std::string(named) + "\r\n";
        ++count;
    }
    return "MERIX CW\r\n" + std::to_string(count) + "\r\n" + lines;
}

class MessagesScreenTest : public test::ScreenTestFixture {
  protected:
    void SetUp() override {
        test::ScreenTestFixture::SetUp();
        test::writeWhole(
            folder.file("messages.cfg"),
            "MERIX messages\r\n4\r\n"
            "MsgVoice,Voice ID,500,Voice,NOCOMMAND,218,HELLO WORLD,Spoken at the ID interval\r\n"
            "MsgPolite,Polite ID,501,PoliteVoice,CW_ID,218,HELLO,Spoken politely, stops on a "
            "key-up\r\n"
            "MsgCw,CW ID,502,CW,NOCOMMAND,502,DE SPACE W1AW,The CW ID\r\n"
            "MsgDvr,Welcome,503,DVR,NOCOMMAND,218,TRACK01,Plays the welcome\r\n");
        test::writeWhole(folder.file("wordlist.cfg"),
                         "MERIX words\r\n8\r\nHELLO,100\r\nHELPFUL,101\r\nHELP,102\r\n"
                         "WORLD,103\r\nWORK,104\r\nTIME,105\r\nOUT,106\r\nW,107\r\n");
        test::writeWhole(folder.file("cw.cfg"), cwCatalog());
        test::writeWhole(folder.file("dvr.cfg"), "MERIX DVR tracks\r\n3\r\n"
                                                 "TRACK01,Welcome announcement\r\n"
                                                 "TRACK02,Net reminder\r\nTRACK03,\r\n");
        ASSERT_TRUE(loadCatalogs(doc, prompter));
        doc.setAllRefreshFlags();
    }

    void open(int message = kVoice) {
        screen = openScreen<MessagesScreen>();
        screen->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
        if (message != kVoice)
            screen->messageList()->setCurrentRow(message);
    }

    QLineEdit* field() const { return screen->textField(); }
    QListWidget* vocabulary() const { return screen->vocabularyList(); }
    QString selectedEntry() const {
        const QListWidgetItem* item = vocabulary()->currentItem();
        return item ? item->text() : QString();
    }

    void focusText() {
        field()->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return field()->hasFocus(); }));
        field()->end(false);
    }
    void clearAndType(const QString& text) {
        QTest::mouseClick(screen->clearMessageButton(), Qt::LeftButton);
        focusText();
        QTest::keyClicks(field(), text);
    }
    void doubleClickEntry(const QString& text) {
        const QList<QListWidgetItem*> found = vocabulary()->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        vocabulary()->scrollToItem(found[0]);
        const QPoint at = vocabulary()->visualItemRect(found[0]).center();
        // A widget's double-click in QTest comes without the press before it, which the list
        // needs to know which entry was meant.
        QTest::mouseClick(vocabulary()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(vocabulary()->viewport(), Qt::LeftButton, {}, at);
    }
    // Near the left edge: a radio button takes a click only on its circle and its caption.
    void click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, button->height() / 2));
    }
    std::string selectedText() const { return toStdString(field()->selectedText()); }
    static std::string toStdString(const QString& s) { return s.toStdString(); }

    std::unique_ptr<MessagesScreen> screen;
};

TEST_F(MessagesScreenTest, OpensOnTheFirstMessageWithItsVocabulary) {
    open();
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Messages"));
    ASSERT_EQ(screen->messageList()->count(), 4);
    EXPECT_EQ(screen->messageList()->item(kDvr)->text(), QStringLiteral("Welcome"));
    EXPECT_EQ(screen->messageList()->currentRow(), kVoice);
    EXPECT_EQ(screen->panelTitle()->text(), QStringLiteral("Voice ID"));
    EXPECT_EQ(screen->descriptionBox()->toPlainText(), QStringLiteral("Spoken at the ID interval"));
    EXPECT_EQ(field()->text(), QStringLiteral("HELLO WORLD"));
    EXPECT_TRUE(screen->typeButton(MessageKind::Voice)->isChecked());
    EXPECT_EQ(screen->vocabularyTitle()->text(), QStringLiteral("Wo&rd List"));
    EXPECT_EQ(vocabulary()->count(), 8);
    EXPECT_EQ(vocabulary()->currentRow(), 0);
    EXPECT_TRUE(screen->messageList()->hasFocus());
    EXPECT_FALSE(doc.refreshFlag(ScreenId::Messages));
    EXPECT_TRUE(doc.refreshFlag(ScreenId::Timers)); // only its own flag
    EXPECT_EQ(busy.depth, 0);
    EXPECT_GT(busy.shown, 0);
    EXPECT_TRUE(prompter.boxes.empty());
    EXPECT_TRUE(statusLines.empty());
}

TEST_F(MessagesScreenTest, RowsFollowTheTypeAndTheInterruptAction) {
    open();
    struct Case {
        int message;
        const char* vocabularyTitle;
        bool interrupt;
        bool command;
        bool dvr;
    };
    const Case cases[] = {
        {kVoice, "Wo&rd List", false, false, false},
        {kPolite, "Wo&rd List", true, false, false},
        {kCw, "CW &List", false, false, false},
        {kDvr, "DV&R List", false, false, true},
    };
    for (const Case& c : cases) {
        screen->messageList()->setCurrentRow(c.message);
        EXPECT_EQ(screen->vocabularyTitle()->text(), QString::fromUtf8(c.vocabularyTitle));
        EXPECT_EQ(screen->interruptGroup()->isVisible(), c.interrupt) << c.message;
        EXPECT_EQ(screen->commandField()->isVisible(), c.command) << c.message;
        EXPECT_EQ(screen->dvrDescriptionField()->isVisible(), c.dvr) << c.message;
    }
    screen->messageList()->setCurrentRow(kPolite);
    EXPECT_TRUE(screen->interruptButton(InterruptAction::CwId)->isChecked());
    click(screen->interruptButton(InterruptAction::Command));
    EXPECT_TRUE(screen->commandField()->isVisible());
    EXPECT_EQ(doc.messages[kPolite].interruptAction, "COMMAND");
    click(screen->interruptButton(InterruptAction::CancelMessage));
    EXPECT_FALSE(screen->commandField()->isVisible());
    EXPECT_EQ(doc.messages[kPolite].interruptAction, "NOCOMMAND");
    click(screen->interruptButton(InterruptAction::Command));
    click(screen->typeButton(MessageKind::Voice)); // the action stays, its rows go
    EXPECT_FALSE(screen->interruptGroup()->isVisible());
    EXPECT_FALSE(screen->commandField()->isVisible());
    EXPECT_EQ(doc.messages[kPolite].interruptAction, "COMMAND");
    click(screen->typeButton(MessageKind::PoliteVoice));
    EXPECT_TRUE(screen->commandField()->isVisible());
}

TEST_F(MessagesScreenTest, ARefusedKeystrokeLeavesTheTextWithTheCaretWhereItWasTyped) {
    open();
    focusText();
    QTest::keyClicks(field(), QStringLiteral(" WOX"));
    EXPECT_EQ(field()->text(), QStringLiteral("HELLO WORLD WO"));
    EXPECT_EQ(field()->cursorPosition(), 14);
    EXPECT_EQ(selectedEntry(), QStringLiteral("WORLD"));

    field()->setCursorPosition(2); // HE|LLO
    QTest::keyClick(field(), Qt::Key_Z);
    EXPECT_EQ(field()->text(), QStringLiteral("HELLO WORLD WO"));
    EXPECT_EQ(field()->cursorPosition(), 2);

    // A blank is always taken, deleting never refused.
    QTest::keyClick(field(), Qt::Key_Space);
    EXPECT_EQ(field()->text(), QStringLiteral("HE LLO WORLD WO"));
    QTest::keyClick(field(), Qt::Key_Backspace);
    QTest::keyClick(field(), Qt::Key_Backspace);
    EXPECT_EQ(field()->text(), QStringLiteral("HLLO WORLD WO"));
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(MessagesScreenTest, TheVocabularyListFollowsWhatIsTyped) {
    open();
    struct Case {
        int message;
        const char* typed;
        const char* selected;
    };
    const Case cases[] = {
        {kVoice, "HELP", "HELP"},     // the exact word before HELPFUL, which begins with it
        {kVoice, "helpf", "HELPFUL"}, // without regard to case
        {kVoice, "HELLO T", "TIME"},
        {kCw, "DE S", " SPACE"}, // a capital after a blank may start a named symbol
        {kCw, "DE s", "S"},      // a small letter is a letter
        {kCw, "DE A", " AR"},
        {kCw, "DE AM", "M"},
        {kDvr, "track02", "TRACK02 - Net reminder"},
    };
    for (const Case& c : cases) {
        screen->messageList()->setCurrentRow(c.message);
        clearAndType(QString::fromUtf8(c.typed));
        EXPECT_EQ(field()->text(), QString::fromUtf8(c.typed));
        EXPECT_EQ(selectedEntry(), QString::fromUtf8(c.selected)) << c.typed;
    }
    EXPECT_EQ(screen->dvrDescriptionField()->text(), QStringLiteral("Net reminder"));
}

TEST_F(MessagesScreenTest, LowerCaseWordsPassTheCheckAndAreStoredAsTyped) {
    open();
    clearAndType(QStringLiteral("hello world time"));
    screen->messageList()->setFocus(); // focus entering the list runs the check
    EXPECT_TRUE(screen->messageList()->hasFocus());
    EXPECT_EQ(doc.messages[kVoice].text, "hello world time");
    EXPECT_TRUE(field()->selectedText().isEmpty());
}

TEST_F(MessagesScreenTest, CwSymbolsAreSpelledAfterABlankAndLowerCaseStaysLetters) {
    open(kCw);
    clearAndType(QStringLiteral("de space"));
    EXPECT_EQ(field()->text(), QStringLiteral("de space"));
    click(screen->typeButton(MessageKind::Cw)); // the radio's click runs the check
    EXPECT_EQ(doc.messages[kCw].text, "de space");

    clearAndType(QStringLiteral("AB S"));
    EXPECT_EQ(selectedEntry(), QStringLiteral(" SPACE"));
    doubleClickEntry(QStringLiteral(" SPACE"));
    EXPECT_EQ(field()->text(), QStringLiteral("AB  SPACE"));
    EXPECT_EQ(doc.messages[kCw].text, "AB  SPACE"); // stored without the check
    EXPECT_TRUE(field()->hasFocus());
    EXPECT_EQ(field()->cursorPosition(), 9);
    QTest::keyClicks(field(), QStringLiteral(" CD"));
    screen->descriptionBox()->setFocus();
    EXPECT_EQ(doc.messages[kCw].text, "AB  SPACE CD");
    EXPECT_TRUE(screen->descriptionBox()->hasFocus()); // it passed

    clearAndType(QStringLiteral("AB S#"));
    EXPECT_EQ(field()->text(), QStringLiteral("AB S")); // no CW entry begins with #
    EXPECT_EQ(field()->cursorPosition(), 4);
    QTest::keyClicks(field(), QStringLiteral("X"));
    EXPECT_EQ(selectedEntry(), QStringLiteral("X")); // " SX" spells no symbol: the letter
}

TEST_F(MessagesScreenTest, DoubleClickCompletesTheWordBeingTypedOrAppendsTheEntry) {
    open();
    clearAndType(QStringLiteral("HEL"));
    doubleClickEntry(QStringLiteral("HELLO"));
    EXPECT_EQ(field()->text(), QStringLiteral("HELLO"));
    EXPECT_EQ(field()->cursorPosition(), 5);
    EXPECT_TRUE(field()->hasFocus());
    EXPECT_EQ(selectedEntry(), QStringLiteral("HELLO"));

    doubleClickEntry(QStringLiteral("TIME")); // nothing typed since: appended
    EXPECT_EQ(field()->text(), QStringLiteral("HELLO TIME"));
    focusText();
    QTest::keyClicks(field(), QStringLiteral(" WO"));
    doubleClickEntry(QStringLiteral("OUT")); // does not begin with WO: appended
    EXPECT_EQ(field()->text(), QStringLiteral("HELLO TIME WO OUT"));
    EXPECT_EQ(doc.messages[kVoice].text, "HELLO TIME WO OUT");

    screen->messageList()->setCurrentRow(kDvr);
    clearAndType(QStringLiteral("TRACK0"));
    doubleClickEntry(QStringLiteral("TRACK02 - Net reminder"));
    EXPECT_EQ(field()->text(), QStringLiteral("TRACK02")); // the track name, not the line
    doubleClickEntry(QStringLiteral("TRACK03"));
    EXPECT_EQ(doc.messages[kDvr].text, "TRACK02 TRACK03");
}

TEST_F(MessagesScreenTest, TheCheckSelectsTheFirstOffendingWordAndOkStaysOpen) {
    open();
    clearAndType(QStringLiteral("HELLO HEL WORLD WOR"));
    click(screen->okButton());
    EXPECT_EQ(closed->count(), 0);
    EXPECT_EQ(selectedText(), "HEL");
    EXPECT_EQ(field()->selectionStart(), 6);
    EXPECT_TRUE(field()->hasFocus());
    EXPECT_EQ(doc.messages[kVoice].text, "HELLO WORLD"); // not stored
    EXPECT_TRUE(prompter.boxes.empty());                 // said by the selection alone

    // Focus entering the command field checks too; OK again still refuses.
    screen->messageList()->setCurrentRow(kPolite);
    click(screen->interruptButton(InterruptAction::Command));
    clearAndType(QStringLiteral("HELLO WOR"));
    screen->commandField()->setFocus();
    EXPECT_TRUE(field()->hasFocus());
    EXPECT_EQ(selectedText(), "WOR");
    click(screen->okButton());
    click(screen->okButton());
    EXPECT_EQ(closed->count(), 0);

    field()->end(false);
    QTest::keyClicks(field(), QStringLiteral("LD"));
    click(screen->okButton());
    ASSERT_EQ(closed->count(), 1);
    EXPECT_EQ(closed->at(0).at(1).toBool(), true);
    EXPECT_EQ(doc.messages[kPolite].text, "HELLO WORLD");
}

TEST_F(MessagesScreenTest, AClickOnAnotherMessageWaitsForTheTextToPass) {
    open();
    clearAndType(QStringLiteral("TIME WOR"));
    QListWidget* list = screen->messageList();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(kCw)).center());
    EXPECT_EQ(list->currentRow(), kVoice);
    EXPECT_EQ(selectedText(), "WOR");
    EXPECT_EQ(doc.messages[kVoice].text, "HELLO WORLD");

    field()->end(false);
    QTest::keyClicks(field(), QStringLiteral("K"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(kCw)).center());
    EXPECT_EQ(list->currentRow(), kCw);
    EXPECT_EQ(doc.messages[kVoice].text, "TIME WORK");
}

TEST_F(MessagesScreenTest, LeavingForTheMainWindowReturnsSilentlyToTheLastAcceptedText) {
    open();
    QWidget mainWindow;
    mainWindow.resize(200, 100);
    focusText();
    QTest::keyClicks(field(), QStringLiteral(" TI"));
    pointer.set(true); // the user went over the main window
    mainWindow.show();
    mainWindow.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&mainWindow));
    EXPECT_EQ(field()->text(), QStringLiteral("HELLO WORLD"));
    EXPECT_TRUE(field()->selectedText().isEmpty());
    EXPECT_EQ(doc.messages[kVoice].text, "HELLO WORLD");
    EXPECT_TRUE(prompter.boxes.empty());

    // A text that passes is stored on the way out.
    screen->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
    focusText();
    QTest::keyClicks(field(), QStringLiteral(" TIME"));
    pointer.set(true);
    mainWindow.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&mainWindow));
    EXPECT_EQ(doc.messages[kVoice].text, "HELLO WORLD TIME");
}

TEST_F(MessagesScreenTest, VoiceToPoliteVoiceKeepsTheTextAndCwEmptiesIt) {
    open();
    click(screen->typeButton(MessageKind::PoliteVoice));
    EXPECT_EQ(field()->text(), QStringLiteral("HELLO WORLD"));
    EXPECT_EQ(doc.messages[kVoice].messageType, "PoliteVoice");
    EXPECT_TRUE(screen->interruptGroup()->isVisible());

    click(screen->typeButton(MessageKind::Cw));
    EXPECT_EQ(field()->text(), QString());
    EXPECT_EQ(screen->vocabularyTitle()->text(), QStringLiteral("CW &List"));
    EXPECT_EQ(doc.messages[kVoice].messageType, "CW");
    EXPECT_EQ(doc.messages[kVoice].text, "");
    EXPECT_FALSE(screen->interruptGroup()->isVisible());

    click(screen->typeButton(MessageKind::Dvr));
    EXPECT_EQ(screen->vocabularyTitle()->text(), QStringLiteral("DV&R List"));
    EXPECT_EQ(vocabulary()->currentRow(), 0);
    EXPECT_EQ(screen->dvrDescriptionField()->text(), QStringLiteral("Welcome announcement"));
    EXPECT_EQ(doc.messages[kVoice].messageType, "DVR");
}

TEST_F(MessagesScreenTest, CancelAfterEditingTwoMessagesRestoresOnlyTheSecond) {
    open();
    clearAndType(QStringLiteral("TIME OUT"));
    screen->messageList()->setCurrentRow(kPolite);
    EXPECT_EQ(doc.messages[kVoice].text, "TIME OUT");

    click(screen->interruptButton(InterruptAction::Command));
    screen->commandField()->setFocus();
    QTest::keyClicks(screen->commandField(), QStringLiteral("42"));
    click(screen->typeButton(MessageKind::Cw));
    clearAndType(QStringLiteral("W1AW"));
    screen->descriptionBox()->setFocus();
    ASSERT_EQ(doc.messages[kPolite].text, "W1AW");
    ASSERT_EQ(doc.messages[kPolite].interruptCommand, "42");

    click(screen->cancelButton());
    ASSERT_EQ(closed->count(), 1);
    EXPECT_EQ(closed->at(0).at(1).toBool(), false);
    EXPECT_EQ(doc.messages[kVoice].text, "TIME OUT");
    EXPECT_EQ(doc.messages[kPolite].text, "HELLO");
    EXPECT_EQ(doc.messages[kPolite].messageType, "PoliteVoice");
    EXPECT_EQ(doc.messages[kPolite].interruptAction, "CW_ID");
    EXPECT_EQ(doc.messages[kPolite].interruptCommand, "");
}

TEST_F(MessagesScreenTest, ADvrDescriptionEditShowsInTheListAtOnce) {
    open(kDvr);
    QLineEdit* description = screen->dvrDescriptionField();
    EXPECT_EQ(description->text(), QStringLiteral("Welcome announcement"));
    vocabulary()->setCurrentRow(2);
    EXPECT_EQ(description->text(), QString());

    description->setFocus();
    QTest::keyClicks(description, QStringLiteral("Club: net; 7"));
    EXPECT_EQ(description->text(), QStringLiteral("Club net 7"));
    EXPECT_EQ(doc.dvrTracks[2].description, "Club net 7");
    EXPECT_EQ(vocabulary()->item(2)->text(), QStringLiteral("TRACK03 - Club net 7"));
    EXPECT_EQ(vocabulary()->currentRow(), 2);

    description->selectAll();
    QTest::keyClick(description, Qt::Key_Backspace);
    EXPECT_EQ(vocabulary()->item(2)->text(), QStringLiteral("TRACK03"));
    EXPECT_EQ(doc.dvrTracks[2].description, "");

    // The type-ahead finds the track by its new line; Cancel keeps the description.
    QTest::keyClicks(description, QStringLiteral("Club net"));
    clearAndType(QStringLiteral("TRACK03"));
    EXPECT_EQ(selectedEntry(), QStringLiteral("TRACK03 - Club net"));
    click(screen->cancelButton());
    EXPECT_EQ(doc.dvrTracks[2].description, "Club net");
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(MessagesScreenTest, TheCommandFieldTakesUpToThreeDigits) {
    open(kPolite);
    click(screen->interruptButton(InterruptAction::Command));
    QLineEdit* command = screen->commandField();
    command->setFocus();
    QTest::keyClicks(command, QStringLiteral("1a"));
    EXPECT_EQ(command->text(), QStringLiteral("1"));
    EXPECT_EQ(command->cursorPosition(), 1);
    EXPECT_EQ(doc.messages[kPolite].interruptCommand, "1");
    QTest::keyClicks(command, QStringLiteral("234"));
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{
                  "Invalid entry!  Enter in a three digit command or macro number."});
    EXPECT_EQ(command->text(), QString());
    EXPECT_EQ(doc.messages[kPolite].interruptCommand, "");
    QTest::keyClicks(command, QStringLiteral("7"));
    EXPECT_EQ(doc.messages[kPolite].interruptCommand, "7"); // without leading zeros
}

TEST_F(MessagesScreenTest, AReplacedDocumentIsShownWhenThePointerComesBack) {
    open(kDvr);
    screen->messageList()->setCurrentRow(kDvr);
    doc.dvrTracks[0].description = "Visitors welcome";
    doc.messages[kDvr].text = "TRACK02";
    doc.setAllRefreshFlags(); // as New or Open leave it
    pointer.set(true);
    EXPECT_EQ(vocabulary()->item(0)->text(), QStringLiteral("TRACK01 - Welcome announcement"));

    QTest::mouseMove(screen.get(), QPoint(10, 10));
    QTest::mouseMove(screen.get(), QPoint(14, 12));
    EXPECT_FALSE(pointer.isOver());
    EXPECT_FALSE(doc.refreshFlag(ScreenId::Messages));
    EXPECT_EQ(vocabulary()->item(0)->text(), QStringLiteral("TRACK01 - Visitors welcome"));
    EXPECT_EQ(field()->text(), QStringLiteral("TRACK02"));
    EXPECT_EQ(screen->messageList()->currentRow(), kDvr);

    clearAndType(QStringLiteral("TRACK03"));
    click(screen->cancelButton());
    EXPECT_EQ(doc.messages[kDvr].text, "TRACK02"); // the refreshed text is Cancel's
}

TEST_F(MessagesScreenTest, ADocumentReplacedButNotYetShownKeepsItsValuesOnCancelAndOk) {
    for (const bool ok : {false, true}) {
        open();
        clearAndType(QStringLiteral("TIME"));
        screen->messageList()->setFocus();
        ASSERT_EQ(doc.messages[kVoice].text, "TIME");
        doc.messages[kVoice].text = "OUT"; // a New or Open from the keyboard
        doc.messages[kVoice].messageType = "PoliteVoice";
        doc.setAllRefreshFlags();
        if (ok)
            screen->okButton()->click();
        else
            QTest::keyClick(screen->messageList(), Qt::Key_Escape);
        ASSERT_EQ(closed->count(), 1) << ok;
        EXPECT_EQ(doc.messages[kVoice].text, "OUT") << ok;
        EXPECT_EQ(doc.messages[kVoice].messageType, "PoliteVoice") << ok;
        screen.reset();
        doc.messages[kVoice].text = "HELLO WORLD";
        doc.messages[kVoice].messageType = "Voice";
    }
}

TEST_F(MessagesScreenTest, UnreadableCatalogsGiveEmptyListsAndAStatusLine) {
    for (const char* file : {"messages.cfg", "wordlist.cfg", "cw.cfg"})
        std::filesystem::remove(folder.file(file));
    open();
    ASSERT_EQ(screen->messageList()->count(), 4); // every message still there
    EXPECT_EQ(screen->messageList()->item(0)->text(), QString());
    EXPECT_EQ(vocabulary()->count(), 0);
    ASSERT_EQ(statusLines.size(), 1u);
    for (const char* file : {"messages.cfg", "wordlist.cfg", "cw.cfg"})
        EXPECT_NE(statusLines[0].find(file), std::string::npos) << file;
    EXPECT_TRUE(prompter.boxes.empty());

    // With nothing to compose from, nothing typed is taken, and the screen still closes.
    clearAndType(QStringLiteral("H"));
    EXPECT_EQ(field()->text(), QString());
    click(screen->okButton());
    EXPECT_EQ(closed->count(), 1);
}

TEST_F(MessagesScreenTest, AVocabularyThatCannotBeReadJudgesNoText) {
    struct Case {
        const char* file;
        int message;
        int other; // a message clicked on the way
        const char* stored;
    };
    const Case cases[] = {
        {"wordlist.cfg", kVoice, kDvr, "HELLO WORLD"},
        {"cw.cfg", kCw, kVoice, "DE SPACE W1AW"},
    };
    for (const Case& c : cases) {
        const std::string path = folder.file(c.file);
        const std::string kept = test::readWhole(path);
        // There, so the main screen lets the screen open, yet nothing to read.
        std::filesystem::remove(path);
        std::filesystem::create_directory(path);
        statusLines.clear();
        open(c.message);
        EXPECT_TRUE(screen->messageList()->hasFocus()) << c.file;
        ASSERT_EQ(statusLines.size(), 1u) << c.file;
        EXPECT_NE(statusLines[0].find(c.file), std::string::npos) << c.file;

        screen->descriptionBox()->setFocus();
        EXPECT_TRUE(screen->descriptionBox()->hasFocus()) << c.file;
        focusText();
        QListWidget* list = screen->messageList();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(c.other)).center());
        EXPECT_EQ(list->currentRow(), c.other) << c.file;
        list->setCurrentRow(c.message);
        focusText();
        click(screen->okButton());
        EXPECT_EQ(closed->count(), 1) << c.file;
        EXPECT_EQ(doc.messages[static_cast<std::size_t>(c.message)].text, c.stored) << c.file;

        screen.reset();
        std::filesystem::remove(path);
        test::writeWhole(path, kept);
    }
}

TEST_F(MessagesScreenTest, WhatRunsTheCheckAndWhatWaits) {
    // The check shows itself by selecting the unknown WOR and taking the focus to the text.
    doc.messages[kPolite].interruptAction = "COMMAND";
    auto failOnTheWayToOk = [&] {
        pointer.set(true);
        screen->okButton()->setFocus();
        ASSERT_TRUE(field()->hasFocus());
        ASSERT_EQ(selectedText(), "WOR");
        pointer.set(false); // back over the screen
    };
    struct Case {
        const char* name;
        std::function<void()> act;
        bool checked;
    };
    const Case cases[] = {
        {"focus entering the vocabulary list", [&] { vocabulary()->setFocus(); }, false},
        {"focus entering the message list", [&] { screen->messageList()->setFocus(); }, true},
        {"focus entering the description", [&] { screen->descriptionBox()->setFocus(); }, true},
        {"focus entering the command field", [&] { screen->commandField()->setFocus(); }, true},
        {"a click on an interrupt button",
         [&] { click(screen->interruptButton(InterruptAction::CwId)); }, true},
        {"a click on a type button", [&] { click(screen->typeButton(MessageKind::PoliteVoice)); },
         true},
        // A check that fails as the focus goes to OK sets the suppression mark (the user's
        // pointer rests over the main window): the next trigger does not check, the one
        // after it does.
        {"the trigger after a check failed on the way to OK",
         [&] {
             failOnTheWayToOk();
             screen->descriptionBox()->setFocus();
         },
         false},
        {"the trigger after that",
         [&] {
             failOnTheWayToOk();
             screen->descriptionBox()->setFocus();
             click(screen->interruptButton(InterruptAction::CwId));
         },
         true},
    };
    for (const Case& c : cases) {
        open(kPolite);
        clearAndType(QStringLiteral("HELLO WOR"));
        c.act();
        EXPECT_EQ(field()->hasFocus(), c.checked) << c.name;
        EXPECT_EQ(selectedText(), c.checked ? "WOR" : "") << c.name;
        EXPECT_EQ(doc.messages[kPolite].text, "HELLO") << c.name;
        EXPECT_EQ(closed->count(), 0) << c.name;
        screen.reset();
    }
}

TEST_F(MessagesScreenTest, LeavingTheTextForCancelOrClearMessageRunsNoCheck) {
    // The pointer was over the main window: a text leaving the field is checked on its way,
    // kept when it passes, silently put back when it fails; not so for Cancel and Clear Message.
    struct Case {
        const char* name;
        const char* typed;
        std::function<QWidget*()> target;
        const char* shown;
        const char* stored;
    };
    const Case cases[] = {
        {"the vocabulary list", " TIME", [&] { return vocabulary()->viewport(); },
         "HELLO WORLD TIME", "HELLO WORLD TIME"},
        {"the vocabulary list, an unknown word", " WOR", [&] { return vocabulary()->viewport(); },
         "HELLO WORLD", "HELLO WORLD"},
        {"Clear Message", " TIME", [&] { return screen->clearMessageButton(); }, "", "HELLO WORLD"},
        {"Cancel", " WOR", [&]() -> QWidget* { return screen->cancelButton(); }, "HELLO WORLD WOR",
         "HELLO WORLD"},
    };
    for (const Case& c : cases) {
        doc.messages[kVoice].text = "HELLO WORLD";
        open();
        focusText();
        QTest::keyClicks(field(), QString::fromUtf8(c.typed));
        QWidget* target = c.target();
        const QPoint at(5, 5);
        QTest::mouseMove(target, at);
        pointer.set(true);
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
        EXPECT_EQ(field()->text().toStdString(), c.shown) << c.name;
        EXPECT_EQ(doc.messages[kVoice].text, c.stored) << c.name;
        EXPECT_TRUE(prompter.boxes.empty()) << c.name;
        screen.reset();
    }
}

TEST_F(MessagesScreenTest, ClearMessageEmptiesTheTextAndSelectsTheFirstVocabularyLine) {
    struct Case {
        int message;
        const char* typed;
        const char* selected;
        const char* stored;
    };
    const Case cases[] = {
        {kVoice, "HELLO WORLD", "WORLD", "HELLO WORLD"},
        {kCw, "DE W", "W", "DE SPACE W1AW"},
        {kDvr, "TRACK02", "TRACK02 - Net reminder", "TRACK01"},
    };
    open();
    for (const Case& c : cases) {
        screen->messageList()->setCurrentRow(c.message);
        clearAndType(QString::fromUtf8(c.typed));
        ASSERT_EQ(selectedEntry(), QString::fromUtf8(c.selected)) << c.typed;
        click(screen->clearMessageButton());
        EXPECT_EQ(field()->text(), QString()) << c.typed;
        EXPECT_EQ(vocabulary()->currentRow(), 0) << c.typed;
        // The text changes when it is next stored.
        EXPECT_EQ(doc.messages[static_cast<std::size_t>(c.message)].text, c.stored) << c.typed;
    }
}

TEST_F(MessagesScreenTest, AccessLettersMoveTheFocusAndPressTheirButtons) {
    doc.messages[kPolite].interruptAction = "COMMAND";
    open(kPolite);
    // A button's letter clicks it a moment later, as if it were pressed.
    auto pressLetter = [](Qt::Key key) {
        QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
        auto* button = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
        EXPECT_TRUE(QTest::qWaitFor([&] { return !button || !button->isDown(); }));
    };
    const std::pair<Qt::Key, std::function<QWidget*()>> letters[] = {
        {Qt::Key_C, [&] { return screen->messageList(); }},
        {Qt::Key_D, [&] { return screen->descriptionBox(); }},
        {Qt::Key_T, [&] { return screen->typeButton(MessageKind::PoliteVoice); }}, // the chosen
        {Qt::Key_X, [&] { return screen->interruptButton(InterruptAction::Command); }},
        {Qt::Key_E, [&] { return screen->commandField(); }},
        {Qt::Key_R, [&] { return vocabulary(); }},
        {Qt::Key_P, [&] { return screen->typeButton(MessageKind::PoliteVoice); }},
        {Qt::Key_I, [&] { return screen->typeButton(MessageKind::Voice); }},
        {Qt::Key_W, [&] { return screen->typeButton(MessageKind::Cw); }},
        {Qt::Key_L, [&] { return vocabulary(); }},
        {Qt::Key_V, [&] { return screen->typeButton(MessageKind::Dvr); }},
    };
    for (const auto& [key, widget] : letters) {
        pressLetter(key);
        EXPECT_EQ(QApplication::focusWidget(), widget())
            << QKeySequence(key).toString().toStdString();
    }
    EXPECT_EQ(doc.messages[kPolite].messageType, "DVR"); // the type letters chose as they went

    // "DV&R Description:" and "DV&R List" share their letter: it takes turns between them.
    std::set<QWidget*> reachedByR;
    for (int i = 0; i < 2; ++i) {
        pressLetter(Qt::Key_R);
        reachedByR.insert(QApplication::focusWidget());
    }
    EXPECT_EQ(reachedByR, (std::set<QWidget*>{screen->dvrDescriptionField(), vocabulary()}));

    // Clear Message and OK are pressed where the focus stands.
    QWidget* focused = QApplication::focusWidget();
    QTest::keyClicks(field(), QStringLiteral("TRACK01"));
    pressLetter(Qt::Key_M);
    EXPECT_TRUE(QTest::qWaitFor([&] { return field()->text().isEmpty(); }));
    EXPECT_EQ(QApplication::focusWidget(), focused);
    pressLetter(Qt::Key_O);
    ASSERT_TRUE(QTest::qWaitFor([&] { return closed->count() == 1; }));
    EXPECT_EQ(closed->at(0).at(1).toBool(), true);
}

TEST_F(MessagesScreenTest, EveryControlIsFoundByItsCaption) {
    open(kPolite);
    click(screen->interruptButton(InterruptAction::Command));
    const std::pair<const char*, QWidget*> controls[] = {
        {"&Commands:", screen->messageList()},
        {"&Description", screen->descriptionBox()},
        {"Message &Type", screen->typeGroup()},
        {"Vo&ice", screen->typeButton(MessageKind::Voice)},
        {"&Polite Voice", screen->typeButton(MessageKind::PoliteVoice)},
        {"C&W", screen->typeButton(MessageKind::Cw)},
        {"D&VR", screen->typeButton(MessageKind::Dvr)},
        {"If Interrupted E&xecute", screen->interruptGroup()},
        {"Cancel Message", screen->interruptButton(InterruptAction::CancelMessage)},
        {"CW ID", screen->interruptButton(InterruptAction::CwId)},
        {"Command", screen->interruptButton(InterruptAction::Command)},
        {"Clear &Message", screen->clearMessageButton()},
        {"Message Text", screen->textField()},
        {"Command to &Execute if Interrupted:", screen->commandField()},
        {"Wo&rd List", screen->vocabularyList()},
        {"Cancel", screen->cancelButton()},
        {"&OK", screen->okButton()},
    };
    for (const auto& [caption, widget] : controls)
        EXPECT_EQ(test::findByCaption(screen.get(), QString::fromUtf8(caption)), widget) << caption;

    screen->messageList()->setCurrentRow(kCw);
    EXPECT_EQ(test::findByCaption(screen.get(), QStringLiteral("CW &List")), vocabulary());
    screen->messageList()->setCurrentRow(kDvr);
    EXPECT_EQ(test::findByCaption(screen.get(), QStringLiteral("DV&R List")), vocabulary());
    EXPECT_EQ(test::findByCaption(screen.get(), QStringLiteral("DV&R Description:")),
              screen->dvrDescriptionField());
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Messages"));
}

TEST_F(MessagesScreenTest, EnterDoesNothingAndEscapeCancels) {
    open();
    clearAndType(QStringLiteral("TIME"));
    screen->messageList()->setFocus();
    QTest::keyClick(field(), Qt::Key_Return);
    EXPECT_EQ(closed->count(), 0);
    QTest::keyClick(field(), Qt::Key_Escape);
    ASSERT_EQ(closed->count(), 1);
    EXPECT_EQ(closed->at(0).at(1).toBool(), false);
    EXPECT_EQ(doc.messages[kVoice].text, "HELLO WORLD");
}

TEST_F(MessagesScreenTest, TheTextIsHeldToItsCapacityInWholeCharacters) {
    // A word of one letter, and one of two letters of two bytes each.
    for (const std::string word : {"W", "\xC3\x9C\xC3\x9C"}) {
        test::writeWhole(folder.file("wordlist.cfg"), "MERIX words\r\n1\r\n" + word + ",100\r\n");
        std::string longText;
        while (QString::fromUtf8(longText).size() < 1600)
            longText += word + " ";
        const std::string held = toStdString(QString::fromUtf8(longText).left(1499));
        doc.messages[kVoice].text = longText;
        open();
        EXPECT_EQ(field()->text().size(), 1499) << word;
        focusText();
        QTest::keyClicks(field(), QStringLiteral(" W"));
        EXPECT_EQ(field()->text().size(), 1499) << word;
        screen->descriptionBox()->setFocus(); // the check stores the text
        EXPECT_EQ(doc.messages[kVoice].text, held) << word;
        click(screen->okButton());
        ASSERT_EQ(closed->count(), 1) << word;
        EXPECT_EQ(doc.messages[kVoice].text, held) << word;
        screen.reset();
    }
}

TEST_F(MessagesScreenTest, ComposedMessagesReachTheCommandFileAsTheirCodes) {
    open();
    clearAndType(QStringLiteral("hel"));
    doubleClickEntry(QStringLiteral("HELLO"));
    doubleClickEntry(QStringLiteral("TIME"));

    screen->messageList()->setCurrentRow(kCw);
    clearAndType(QStringLiteral("DE S"));
    doubleClickEntry(QStringLiteral(" SPACE"));
    QTest::keyClicks(field(), QStringLiteral(" w1aw AR"));

    screen->messageList()->setCurrentRow(kDvr);
    clearAndType(QStringLiteral("track02 TRACK03"));
    click(screen->okButton());
    ASSERT_EQ(closed->count(), 1);

    doc.setDocumentPath(folder.file("MSG.MRX"));
    const CommandFileResult result = generateCommandFile(doc, UploadOption::Everything, prompter);
    ASSERT_TRUE(result.produced()) << result.message;
    std::ifstream in(result.path, std::ios::binary);
    std::stringstream file;
    file << in.rdbuf();
    const std::string text = file.str();
    for (const char* line : {
             ";set macro 500 to the voice message HELLO TIME\r\nN055 500\r\nN056 500 036 100 105",
             // D, E, " SPACE", W, 1, A, W, " AR": the blanks alone are no symbols
             ";set macro 502 to the cw message DE  SPACE w1aw AR\r\nN055 502\r\n"
             "N056 502 030 13 14 50 32 01 10 32 52",
             ";set macro 503 to the dvr message track(s) track02 TRACK03\r\nN055 503\r\n"
             "N056 503 173 TRACK02 TRACK03",
         })
        EXPECT_NE(text.find(line), std::string::npos) << line << "\nin\n" << text;
}

} // namespace
} // namespace merix
