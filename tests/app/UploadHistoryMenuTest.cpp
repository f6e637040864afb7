// File, Upload History: the uploads of the document, what they sent, the changes since, and
// an earlier state opened as a new document.
#include "app/CMainFrame.h"
#include "app/CVeskView.h"
#include "document/DocumentLifecycle.h"
#include "document/SideFiles.h"
#include "generator/CommandFileGenerator.h"
#include "link/UploadHistory.h"
#include "screens/TextViewer.h"
#include "screens/UploadHistoryWindow.h"
#include "tests/screens/GuiTestSupport.h"
#include "tests/screens/ModalAnswer.h"
#include "tests/screens/UploadFixture.h"
#include "tests/support/RecordingPrompter.h"

#include <QAction>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace merix {
namespace {

using test::readFile;
using test::whenModal;
using Lines = std::vector<std::string>;

class UploadHistoryMenuTest : public ::testing::Test {
  protected:
    void SetUp() override {
        doc.document().setStartupDirectory(folder.path());
        frame = std::make_unique<CMainFrame>(doc, prompter, &busy);
        frame->view()->setSplashMilliseconds(0);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        ASSERT_TRUE(QTest::qWaitFor([&] { return frame->view()->firstPaintDone(); }));
        QTest::qWait(1); // let the first Open run
    }

    QAction* historyCommand() const { return frame->command(QStringLiteral("Upload History...")); }

    // An upload of the document as it is on disk now, as the job records it.
    void recordUpload(UploadResult result, int sent, int total) {
        const std::string path = doc.document().documentPath();
        ASSERT_TRUE(doc.save());
        const CommandFileResult generated =
            generateCommandFile(doc.document(), UploadOption::Everything, prompter);
        ASSERT_TRUE(generated.produced());
        UploadPlan plan;
        plan.commandFile = generated.path;
        plan.option = UploadOption::Everything;
        UploadHistory history(path);
        ASSERT_EQ(history.begin(plan, readFile(path), {"COM1", "/dev/ttyUSB0", "9600", {}}, total),
                  "");
        UploadOutcome outcome;
        outcome.result = result;
        outcome.linesSent = sent;
        outcome.linesTotal = total;
        ASSERT_EQ(history.finish(outcome), "");
        QTest::qWait(2); // the next entry starts at another millisecond
    }

    test::CatalogFolder folder;
    test::RecordingPrompter prompter;
    test::ScriptedChooser chooser;
    test::CountingBusy busy;
    CVeskDoc doc{prompter, chooser, &busy};
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(UploadHistoryMenuTest, TheFileMenuHasItBesideReviewAndNeedsADocument) {
    ASSERT_NE(historyCommand(), nullptr);
    EXPECT_EQ(historyCommand()->text(), QStringLiteral("&Upload History..."));
    QStringList file;
    for (QAction* a : frame->menuBar()->actions().front()->menu()->actions())
        file << (a->isSeparator() ? QStringLiteral("|") : a->objectName());
    EXPECT_EQ(file.join(QLatin1Char(',')).toStdString(),
              "New,Open...,Save,Save As...,|,Review Command File...,Upload History...,|,Print...,"
              "Print Preview,Print Setup...,Print Configuration Report...,|,Exit");
    historyCommand()->trigger();
    EXPECT_EQ(prompter.texts(),
              Lines{"Open or create a new file before looking at its upload history."});
}

TEST_F(UploadHistoryMenuTest, ListsTheUploadsAndShowsWhatEachSentAndWhatChangedSince) {
    frame->command(QStringLiteral("New"))->trigger();
    recordUpload(UploadResult::Completed, 5, 5);
    doc.document().timers[0].length = 99;
    recordUpload(UploadResult::Stopped, 2, 6);
    const std::string ownCommandFile = readFile(commandFilePath(doc.document().documentPath()));

    QStringList rows;
    QString shownCommandFile;
    QString changes;
    const auto answer = whenModal<UploadHistoryWindow>([&](UploadHistoryWindow* window) {
        QTreeWidget* list = window->uploadList();
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            QStringList cells;
            for (int c = 1; c < list->columnCount(); ++c)
                cells << list->topLevelItem(i)->text(c);
            rows << cells.join(QLatin1Char('|'));
        }
        EXPECT_EQ(list->currentItem(), list->topLevelItem(1)); // the latest
        EXPECT_TRUE(window->openButton()->isVisible());
        list->setCurrentItem(list->topLevelItem(0));
        const auto viewer = whenModal<TextViewer>([&](TextViewer* v) {
            shownCommandFile = v->textView()->toPlainText();
            v->closeButton()->click();
        });
        window->commandFileButton()->click();
        const auto compared = whenModal<TextViewer>([&](TextViewer* v) {
            changes = v->textView()->toPlainText();
            v->closeButton()->click();
        });
        window->compareButton()->click();
        window->closeButton()->click();
    });
    historyCommand()->trigger();

    EXPECT_EQ(rows.join(QLatin1Char('/')).toStdString(),
              "completed|5 of 5|Everything|COM1 (/dev/ttyUSB0)|9600/"
              "stopped|2 of 6|Everything|COM1 (/dev/ttyUSB0)|9600");
    const std::vector<HistoryEntry> entries = readUploadHistory(doc.document().documentPath());
    ASSERT_EQ(entries.size(), 2u);
    QString expected = QString::fromStdString(readFile(entries[0].commandFile()));
    expected.remove(QLatin1Char('\r'));
    EXPECT_EQ(shownCommandFile, expected);
    // From the first upload to now: the one timer that changed, nothing else.
    EXPECT_TRUE(changes.contains(QStringLiteral("\nN020 005 099")));
    EXPECT_FALSE(changes.contains(QStringLiteral("N020 006")));
    // The document's own command file is not touched by a comparison.
    EXPECT_EQ(readFile(commandFilePath(doc.document().documentPath())), ownCommandFile);
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(UploadHistoryMenuTest, AnEarlierStateOpensAsANewUnsavedDocument) {
    frame->command(QStringLiteral("New"))->trigger();
    const int before = doc.document().timers[0].length;
    recordUpload(UploadResult::Completed, 5, 5);
    doc.document().timers[0].length = 99;
    ASSERT_TRUE(doc.save());
    const std::string path = doc.document().documentPath();

    bool missingTranscriptTold = false;
    prompter.answers = {false}; // do not save the current file first
    const auto answer = whenModal<UploadHistoryWindow>([&](UploadHistoryWindow* window) {
        window->transcriptButton()->click();
        missingTranscriptTold = prompter.texts() == Lines{"There is no transcript of this upload."};
        window->openButton()->click();
    });
    historyCommand()->trigger();
    EXPECT_TRUE(missingTranscriptTold);
    ASSERT_EQ(prompter.boxes.size(), 2u);
    EXPECT_EQ(prompter.boxes[1].text,
              "Do you want to save the current file before opening a new file?");
    EXPECT_EQ(doc.document().timers[0].length, before);
    EXPECT_TRUE(doc.document().isDocumentOpen());
    EXPECT_EQ(doc.document().documentPath(), "");
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("MERIX - MERIX for Windows"));
    // The document it came from is as it was saved.
    EXPECT_NE(readFile(path).find("TimerHang=99:"), std::string::npos);

    // Its first save asks for a name and makes it a document of its own.
    chooser.saveAnswers.push_back(folder.file("EARLIER.mrx"));
    ASSERT_TRUE(doc.save());
    EXPECT_EQ(doc.document().documentPath(), folder.file("EARLIER.mrx"));
    EXPECT_NE(
        readFile(folder.file("EARLIER.mrx")).find("TimerHang=" + std::to_string(before) + ":"),
        std::string::npos);
}

} // namespace
} // namespace merix
