#include "app/CMainFrame.h"
#include "app/CVeskView.h"
#include "app/Navigation.h"
#include "document/DocumentLifecycle.h"
#include "screens/AutopatchScreen.h"
#include "screens/EditingScreen.h"
#include "screens/MessagesScreen.h"
#include "screens/TerminalWindow.h"
#include "screens/TimersScreen.h"
#include "screens/TonesScreen.h"
#include "screens/UploadSetupScreen.h"
#include "screens/UsersScreen.h"
#include "tests/screens/GuiTestSupport.h"
#include "tests/screens/ModalAnswer.h"
#include "tests/support/RecordingPrompter.h"
#include "tests/support/TempDir.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

namespace merix {
namespace {

namespace fs = std::filesystem;
using test::RecordingPrompter;

const int kScreenButtons[] = {1001, 1002, 1003, 1004, 1005, 1007, 1006, 1008, 1179};
constexpr int kTimers = 1001, kMessages = 1002, kUsers = 1003, kScheduler = 1006, kUpload = 1178;
constexpr int kTones = 1008, kMiscSetup = 1179;

class MainScreenTest : public ::testing::Test {
  protected:
    void SetUp() override {
        doc.document().setStartupDirectory(folder.path());
        frame = std::make_unique<CMainFrame>(doc, prompter, &busy);
        frame->view()->setSplashMilliseconds(0);
        frame->resize(1000, 700);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        ASSERT_TRUE(QTest::qWaitFor([&] { return frame->view()->firstPaintDone(); }));
        QTest::qWait(1); // let the first Open run
    }
    void TearDown() override {
        prompter.answers.clear();
        frame.reset();
    }

    void click(int id) {
        QPushButton* b = frame->view()->button(id);
        ASSERT_NE(b, nullptr);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    std::string lastBox() const {
        return prompter.boxes.empty() ? std::string() : prompter.boxes.back().text;
    }

    test::CatalogFolder folder;
    RecordingPrompter prompter;
    test::ScriptedChooser chooser;
    test::CountingBusy busy;
    CVeskDoc doc{prompter, chooser, &busy};
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(MainScreenTest, StartsWithOpenAndLaysTheButtonsAroundTheCentre) {
    EXPECT_EQ(chooser.openCalls, 1);
    EXPECT_FALSE(doc.document().isDocumentOpen()); // the dialog was cancelled
    const QPoint c = frame->view()->layoutCentre();
    EXPECT_EQ(frame->view()->button(kTimers)->geometry(),
              QRect(c + QPoint(-224, -155), QSize(200, 30)));
    EXPECT_EQ(frame->view()->button(kUpload)->geometry(),
              QRect(c + QPoint(15, 85), QSize(200, 30)));
    EXPECT_EQ(frame->view()->button(kUpload)->text(), QStringLiteral("U&pload Command File"));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("MERIX - MERIX for Windows"));
    EXPECT_EQ(busy.depth, 0);
}

TEST_F(MainScreenTest, EveryButtonRefusesWithoutADocument) {
    for (int id : kScreenButtons) {
        click(id);
        EXPECT_EQ(lastBox(), "Open or create a new file before entering.") << id;
    }
    click(kUpload);
    EXPECT_EQ(lastBox(), "Open or create a new file before uploading a command file.");
    EXPECT_EQ(prompter.boxes.size(), 10u);
    EXPECT_EQ(frame->view()->openScreen(ScreenId::Timers), nullptr);
}

TEST_F(MainScreenTest, MessagesChecksItsCatalogsBeforeTheDocument) {
    fs::remove(folder.file("dvr.cfg"));
    fs::remove(folder.file("wordlist.cfg"));
    fs::remove(folder.file("cw.cfg"));
    click(kMessages);
    EXPECT_EQ(lastBox(), "Error! CW.CFG file does not exist.");
    test::writeTestCatalogs(folder.path());
    fs::remove(folder.file("wordlist.cfg"));
    fs::remove(folder.file("dvr.cfg"));
    click(kMessages);
    EXPECT_EQ(lastBox(), "Error! WORDLIST.CFG file does not exist.");
    test::writeTestCatalogs(folder.path());
    fs::remove(folder.file("dvr.cfg"));
    click(kMessages);
    EXPECT_EQ(lastBox(), "Error! DVR.CFG file does not exist.");
    test::writeTestCatalogs(folder.path());
    click(kMessages);
    EXPECT_EQ(lastBox(), "Open or create a new file before entering.");
}

TEST_F(MainScreenTest, AnOpenScreenIsLeftAloneAndItsWindowGoesAfterItsReport) {
    frame->command(QStringLiteral("New"))->trigger();
    ASSERT_TRUE(doc.document().isDocumentOpen());
    EXPECT_EQ(frame->windowTitle(), QString::fromStdString(folder.file("MERX_1.MRX")) +
                                        QStringLiteral(" - MERIX for Windows"));
    click(kTimers);
    QPointer<EditingScreen> timers = frame->view()->openScreen(ScreenId::Timers);
    ASSERT_TRUE(timers);
    click(kTimers);
    EXPECT_EQ(frame->view()->openScreen(ScreenId::Timers), timers.data());
    EXPECT_TRUE(prompter.boxes.empty());

    QTest::mouseClick(static_cast<TimersScreen*>(timers.data())->okButton(), Qt::LeftButton);
    EXPECT_TRUE(timers); // destroyed by the main screen once the report arrives
    ASSERT_TRUE(QTest::qWaitFor([&] { return timers.isNull(); }));
    EXPECT_EQ(frame->view()->openScreen(ScreenId::Timers), nullptr);

    click(kTimers); // a fresh window for the same screen
    EXPECT_NE(frame->view()->openScreen(ScreenId::Timers), nullptr);
}

TEST_F(MainScreenTest, CourtesyBeepsOpensFromTonesAndBelongsToTheMainScreen) {
    frame->command(QStringLiteral("New"))->trigger();
    click(kTones);
    QPointer<EditingScreen> tones = frame->view()->openScreen(ScreenId::Tones);
    ASSERT_TRUE(tones);
    QPushButton* beepsButton = static_cast<TonesScreen*>(tones.data())->courtesyBeepsButton();
    QTest::mouseClick(beepsButton, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return frame->view()->openScreen(ScreenId::CourtesyBeeps) != nullptr; }));
    QPointer<EditingScreen> beeps = frame->view()->openScreen(ScreenId::CourtesyBeeps);
    EXPECT_EQ(beeps->parentWidget(), frame.get());
    EXPECT_EQ(beeps->windowTitle(), QStringLiteral("Courtesy Beeps"));

    // Asked again while open: the same window, left where it is.
    QTest::mouseClick(beepsButton, Qt::LeftButton);
    QTest::qWait(1);
    EXPECT_EQ(frame->view()->openScreen(ScreenId::CourtesyBeeps), beeps.data());

    // Closing Tones leaves Courtesy Beeps open; its own OK closes it through the main screen.
    QTest::mouseClick(tones->okButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return tones.isNull(); }));
    EXPECT_TRUE(beeps);
    QTest::mouseClick(beeps->okButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return beeps.isNull(); }));
    EXPECT_EQ(frame->view()->openScreen(ScreenId::CourtesyBeeps), nullptr);

    click(kMiscSetup);
    ASSERT_NE(frame->view()->openScreen(ScreenId::MiscSetup), nullptr);
    EXPECT_EQ(frame->view()->openScreen(ScreenId::MiscSetup)->windowTitle(),
              QStringLiteral("Misc Setup"));
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(MainScreenTest, MessagesOpensItsScreenOnceItsCatalogsAndADocumentAreThere) {
    frame->command(QStringLiteral("New"))->trigger();
    click(kMessages);
    QPointer<EditingScreen> messages = frame->view()->openScreen(ScreenId::Messages);
    ASSERT_TRUE(messages);
    EXPECT_NE(qobject_cast<MessagesScreen*>(messages.data()), nullptr);
    EXPECT_TRUE(prompter.boxes.empty());
    click(kMessages);
    EXPECT_EQ(frame->view()->openScreen(ScreenId::Messages), messages.data());

    QTest::mouseClick(messages->cancelButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return messages.isNull(); }));
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(MainScreenTest, EveryButtonOpensItsOwnScreenWithoutAWord) {
    frame->command(QStringLiteral("New"))->trigger();
    const std::pair<int, ScreenId> buttons[] = {
        {1001, ScreenId::Timers},        {1002, ScreenId::Messages}, {1003, ScreenId::Users},
        {1004, ScreenId::InputsOutputs}, {1005, ScreenId::Commands}, {1007, ScreenId::Macros},
        {1006, ScreenId::Scheduler},     {1008, ScreenId::Tones},    {1179, ScreenId::MiscSetup}};
    for (const auto& [id, screen] : buttons) {
        click(id);
        const EditingScreen* window = frame->view()->openScreen(screen);
        ASSERT_NE(window, nullptr) << screenName(screen);
        EXPECT_TRUE(window->isVisible()) << screenName(screen);
    }
    EXPECT_TRUE(prompter.boxes.empty());

    // A screen asking for another one goes through the same door.
    Q_EMIT frame->view()->openScreen(ScreenId::Tones)->openScreenRequested(ScreenId::CourtesyBeeps);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return frame->view()->openScreen(ScreenId::CourtesyBeeps) != nullptr; }));
}

TEST_F(MainScreenTest, NewAndOpenWaitWhileTheAutopatchScreenIsOpen) {
    frame->command(QStringLiteral("New"))->trigger();
    click(kUsers);
    auto* users = static_cast<UsersScreen*>(frame->view()->openScreen(ScreenId::Users));
    ASSERT_NE(users, nullptr);
    doc.document().users[0].name = "Ann";
    const std::string path = doc.document().documentPath();
    chooser.openAnswers.push_back(folder.file("other.mrx"));
    prompter.boxes.clear();
    bool answered = false;
    const auto autopatch = test::whenModal<AutopatchScreen>([&](AutopatchScreen* screen) {
        frame->command(QStringLiteral("New"))->trigger();
        frame->command(QStringLiteral("Open..."))->trigger();
        screen->okButton()->click();
        answered = true;
    });
    QTest::mouseClick(users->autopatchButton(), Qt::LeftButton);
    ASSERT_TRUE(answered);
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{
                  "Return to the User Screen or Main Screen Before starting a new file.",
                  "Return to the User Screen or Main Screen Before opening another file."}));
    EXPECT_EQ(chooser.openCalls, 1); // only the one at start
    EXPECT_EQ(doc.document().documentPath(), path);
    EXPECT_EQ(doc.document().users[0].name, "Ann");
    EXPECT_FALSE(doc.document().refreshFlag(ScreenId::Users));

    // Back on the Users screen, New goes through again.
    EXPECT_TRUE(doc.document().subScreenGuard());
    frame->command(QStringLiteral("New"))->trigger();
    EXPECT_EQ(doc.document().documentPath(), folder.file("MERX_2.MRX"));
    EXPECT_TRUE(doc.document().refreshFlag(ScreenId::Users));
}

TEST_F(MainScreenTest, OpenScreensShowWhatNewOrOpenBringsOnceThePointerComes) {
    // A document on disk whose CW frequency and message differ from a new one's.
    frame->command(QStringLiteral("New"))->trigger();
    doc.document().tones.cwFreq1[0] = 1234;
    doc.document().messages[0].text = "A SPACE A";
    ASSERT_TRUE(doc.save());
    const std::string saved = doc.document().documentPath();
    frame->command(QStringLiteral("New"))->trigger(); // not saved again: No

    // The new document's CW message passes its check too.
    test::writeWhole(folder.file("cw.cfg"),
                     "MERIX CW\r\n4\r\nA,12\r\nW,13\r\n1,14\r\n SPACE,99\r\n");
    click(kTones);
    click(kMessages);
    auto* tones = static_cast<TonesScreen*>(frame->view()->openScreen(ScreenId::Tones));
    auto* messages = static_cast<MessagesScreen*>(frame->view()->openScreen(ScreenId::Messages));
    ASSERT_NE(tones, nullptr);
    ASSERT_NE(messages, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(tones));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(messages));
    // Beside the main window and each other, so the pointer is over one window at a time.
    tones->move(frame->geometry().right() + 50, 0);
    messages->move(tones->geometry().left(), tones->frameGeometry().bottom() + 50);
    QLineEdit* frequency = tones->field(ToneValue::CwFreq1);
    frequency->setFocus();
    frequency->selectAll();
    QTest::keyClicks(frequency, QStringLiteral("900"));
    ASSERT_EQ(doc.document().tones.cwFreq1[0], 900);

    const struct {
        const char* command;
        int frequency;
        const char* text;
    } steps[] = {
        {"New", 800, "W1AW"},
        {"Open...", 1234, "A SPACE A"},
    };
    for (const auto& step : steps) {
        if (std::string_view(step.command) == "Open...")
            chooser.openAnswers.push_back(saved);
        frame->command(QString::fromUtf8(step.command))->trigger();
        ASSERT_EQ(doc.document().tones.cwFreq1[0], step.frequency) << step.command;
        for (EditingScreen* screen :
             {static_cast<EditingScreen*>(tones), static_cast<EditingScreen*>(messages)}) {
            QTest::mouseMove(screen, QPoint(10, 10));
            QTest::mouseMove(screen, QPoint(12, 14));
        }
        EXPECT_FALSE(doc.document().refreshFlag(ScreenId::Tones)) << step.command;
        EXPECT_FALSE(doc.document().refreshFlag(ScreenId::Messages)) << step.command;
        EXPECT_EQ(frequency->text(), QString::number(step.frequency)) << step.command;
        EXPECT_EQ(messages->textField()->text(), QString::fromUtf8(step.text)) << step.command;
    }

    // Cancel puts back what the screens showed last: the document Open brought.
    frequency->setFocus();
    frequency->selectAll();
    QTest::keyClicks(frequency, QStringLiteral("950"));
    messages->clearMessageButton()->click();
    QTest::mouseClick(tones->cancelButton(), Qt::LeftButton);
    QTest::mouseClick(messages->cancelButton(), Qt::LeftButton);
    EXPECT_EQ(doc.document().tones.cwFreq1[0], 1234);
    EXPECT_EQ(doc.document().messages[0].text, "A SPACE A");
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return !frame->view()->openScreen(ScreenId::Tones) &&
               !frame->view()->openScreen(ScreenId::Messages);
    }));
}

TEST_F(MainScreenTest, UsersAndSchedulerOpenFromTheirButtons) {
    frame->command(QStringLiteral("New"))->trigger();
    click(kUsers);
    click(kScheduler);
    EXPECT_TRUE(prompter.boxes.empty());
    EditingScreen* users = frame->view()->openScreen(ScreenId::Users);
    EditingScreen* scheduler = frame->view()->openScreen(ScreenId::Scheduler);
    ASSERT_NE(users, nullptr);
    ASSERT_NE(scheduler, nullptr);
    EXPECT_EQ(users->windowTitle(), QStringLiteral("Users"));
    EXPECT_EQ(scheduler->windowTitle(), QStringLiteral("Scheduler"));
    EXPECT_TRUE(scheduler->isVisible());
    EXPECT_FALSE(scheduler->isModal());
}

TEST_F(MainScreenTest, NewTwiceNumbersOnAndAsksToSave) {
    frame->command(QStringLiteral("New"))->trigger();
    frame->command(QStringLiteral("New"))->trigger();
    EXPECT_EQ(doc.document().documentPath(), folder.file("MERX_2.MRX"));
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{
                  "Do you want to save the current file before starting a new file?"});
    EXPECT_TRUE(fs::exists(folder.file("MERX_1.REF")));
    EXPECT_FALSE(fs::exists(folder.file("MERX_1.MRX")));
}

TEST_F(MainScreenTest, UploadSavesGeneratesAndOpensTheTerminalWindowOverTheMainWindow) {
    frame->command(QStringLiteral("New"))->trigger();
    doc.document().timers[0].length = 77;
    // A new document has no settings file: Upload Setup comes first (a modem, so that nothing
    // connects), then the Terminal Window, closed with OK.
    const auto setup = test::whenModal<UploadSetupScreen>([](UploadSetupScreen* screen) {
        screen->connectionButton(ConnectionType::Modem)->click();
        screen->okButton()->click();
    });
    QWidget* terminalParent = nullptr;
    const auto terminal = test::whenModal<TerminalWindow>(
        [&](TerminalWindow* window) {
            terminalParent = window->parentWidget();
            window->okButton()->click();
        },
        &TerminalWindow::openingDone);
    click(kUpload);
    EXPECT_EQ(terminalParent, frame.get());
    EXPECT_TRUE(fs::exists(folder.file("MERX_1.MRX")));
    EXPECT_TRUE(fs::exists(folder.file("MERX_1.CMD")));
    EXPECT_TRUE(fs::exists(folder.file("MERX_1.SER")));
    EXPECT_TRUE(fs::exists(folder.file("BEFORE.CMD")));
}

TEST_F(MainScreenTest, FileCommandsFromTheKeyboardAndTheMenu) {
    frame->activateWindow();
    QTest::keyClick(frame.get(), Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(doc.document().documentPath(), folder.file("MERX_1.MRX"));
    doc.document().timers[1].length = 612;
    QTest::keyClick(frame.get(), Qt::Key_S, Qt::ControlModifier); // no dialog after New
    ASSERT_TRUE(fs::exists(folder.file("MERX_1.MRX")));
    EXPECT_TRUE(prompter.boxes.empty());

    std::ofstream(folder.file("notes.txt")) << "just some notes\r\n";
    chooser.openAnswers.push_back(folder.file("notes.txt"));
    QTest::keyClick(frame.get(), Qt::Key_O, Qt::ControlModifier); // asked to save: No
    EXPECT_EQ(lastBox(),
              "Cannot load " + folder.file("notes.txt") + " - This file is not an MERIX file.");
    EXPECT_EQ(doc.document().documentPath(), folder.file("MERX_1.MRX"));

    std::ofstream(folder.file("MERX_1.REF"), std::ios::trunc) << "uploaded\r\n";
    chooser.saveAnswers.push_back(folder.file("club.mrx"));
    frame->command(QStringLiteral("Save As..."))->trigger();
    EXPECT_EQ(frame->windowTitle(), QString::fromStdString(folder.file("club.mrx")) +
                                        QStringLiteral(" - MERIX for Windows"));
    std::ifstream copy(folder.file("club.REF"), std::ios::binary);
    std::string line;
    std::getline(copy, line);
    EXPECT_EQ(line, "uploaded\r");

    chooser.openAnswers.push_back(folder.file("MERX_1.MRX"));
    frame->command(QStringLiteral("Open..."))->trigger();
    EXPECT_EQ(doc.document().timers[1].length, 612);
    EXPECT_TRUE(doc.document().refreshFlag(ScreenId::Timers));
}

TEST_F(MainScreenTest, ClosingAsksToSaveOnlyWithADocument) {
    frame->command(QStringLiteral("New"))->trigger();
    prompter.answers.push_back(true);
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(lastBox(), "Do you want to save the current file before exiting the program?");
    EXPECT_TRUE(fs::exists(folder.file("MERX_1.MRX")));
}

TEST_F(MainScreenTest, ClosingStaysOpenWhenTheRequestedSaveFails) {
    fs::create_directory(folder.file("gone"));
    chooser.saveAnswers.push_back(folder.file("gone/site.mrx"));
    frame->command(QStringLiteral("Save As..."))->trigger();
    fs::remove_all(folder.file("gone"));
    prompter.answers.push_back(true);
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_NE(lastBox().find("Unable to write"), std::string::npos);
}

TEST_F(MainScreenTest, MenusAndToolbarCarryTheirTextsAndKeys) {
    const QString file[] = {QStringLiteral("&New\tCtrl+N"),      QStringLiteral("&Open...\tCtrl+O"),
                            QStringLiteral("&Save\tCtrl+S"),     QStringLiteral("Save &As..."),
                            QStringLiteral("&Print...\tCtrl+P"), QStringLiteral("Print Pre&view"),
                            QStringLiteral("P&rint Setup..."),   QStringLiteral("E&xit")};
    const QString names[] = {QStringLiteral("New"),
                             QStringLiteral("Open..."),
                             QStringLiteral("Save"),
                             QStringLiteral("Save As..."),
                             QStringLiteral("Print..."),
                             QStringLiteral("Print Preview"),
                             QStringLiteral("Print Setup..."),
                             QStringLiteral("Exit")};
    for (int i = 0; i < 8; ++i) {
        ASSERT_NE(frame->command(names[i]), nullptr) << names[i].toStdString();
        EXPECT_EQ(frame->command(names[i])->text(), file[i]);
    }
    for (const char* n : {"Undo", "Cut", "Copy", "Paste"})
        EXPECT_FALSE(frame->command(QString::fromUtf8(n))->isEnabled()) << n;
    EXPECT_EQ(frame->command(QStringLiteral("Undo"))->shortcuts().size(), 2);
    EXPECT_EQ(frame->command(QStringLiteral("New"))->shortcut(),
              QKeySequence(Qt::CTRL | Qt::Key_N));

    const QToolBar* bar = frame->findChild<QToolBar*>(QStringLiteral("Toolbar"));
    ASSERT_NE(bar, nullptr);
    QStringList order;
    for (QAction* a : bar->actions())
        order << (a->isSeparator() ? QStringLiteral("|") : a->objectName());
    EXPECT_EQ(order.join(QLatin1Char(',')).toStdString(),
              "New,Open...,Save,|,Cut,Copy,Paste,|,Print...,About MERIX...,Context Help");
}

TEST_F(MainScreenTest, ThePointerFlagFollowsThePointerBetweenMainWindowAndScreen) {
    frame->command(QStringLiteral("New"))->trigger();
    click(kTimers);
    EditingScreen* timers = frame->view()->openScreen(ScreenId::Timers);
    ASSERT_NE(timers, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(timers));
    // Beside the main window, so the pointer can only be over one of them.
    timers->move(frame->geometry().right() + 50, 0);
    QTest::mouseMove(frame->view(), QPoint(20, 20));
    QTest::mouseMove(frame->view(), QPoint(24, 26));
    EXPECT_TRUE(frame->pointerOverMain().isOver());
    QTest::mouseMove(timers, QPoint(10, 10));
    QTest::mouseMove(timers, QPoint(12, 14));
    EXPECT_FALSE(frame->pointerOverMain().isOver());
}

} // namespace
} // namespace merix

namespace merix {
namespace {

TEST_F(MainScreenTest, CommandsMacrosAndAnalogInputsOpenTheirScreens) {
    frame->command(QStringLiteral("New"))->trigger();
    const struct {
        int button;
        ScreenId screen;
        const char* title;
    } screens[] = {
        {1005, ScreenId::Commands, "Commands"},
        {1007, ScreenId::Macros, "Macros"},
        {1004, ScreenId::InputsOutputs, "Analog Inputs"},
    };
    for (const auto& s : screens) {
        click(s.button);
        EditingScreen* window = frame->view()->openScreen(s.screen);
        ASSERT_NE(window, nullptr) << s.title;
        EXPECT_EQ(window->windowTitle(), QString::fromUtf8(s.title));
    }
    EXPECT_TRUE(prompter.boxes.empty());
    // The test catalogs have no resolutn.cfg: the Analog Inputs screen says so where it waits.
    EXPECT_EQ(frame->statusBar()->currentMessage(),
              QStringLiteral("Unable to read resolutn.cfg in the catalog folder; the Resolution "
                             "list is empty."));
}

} // namespace
} // namespace merix
