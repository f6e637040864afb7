// The Review window: explained lines grouped by section, the summary, search, Copy and Save As;
// and the Terminal Window's Review button, which explains the command file about to be sent.
#include "screens/ReviewWindow.h"
#include "screens/TerminalWindow.h"
#include "tests/screens/AccessibleTree.h"
#include "tests/screens/ModalAnswer.h"
#include "tests/screens/UploadFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <filesystem>

namespace merix {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

ExplainedLine line(std::string text, std::string section = "", std::string label = "",
                   std::string field = "", std::string value = "") {
    ExplainedLine l{std::move(text), std::nullopt};
    if (!section.empty())
        l.explanation = Explanation{std::move(section),
                                    std::move(label),
                                    {{std::move(field), std::move(value), std::nullopt}}};
    return l;
}

ReviewContent sampleContent() {
    ReviewContent c;
    c.file.lines = {line(";set up timers"),
                    line("N020 005 050;set timer number 5 to 50", "Timers", "Hang Timer", "", "50"),
                    line(";end of timers"),
                    line(""),
                    line("N131 2 020", "Commands", "Set Timer", "port 2", "allowed"),
                    line("N999 by hand"),
                    line("N130 3 020", "Commands", "Set Timer", "port 3", "blocked")};
    c.summary = "2 changes in 2 sections, 4 lines, about 3 s at 9600 baud";
    c.notice = "1 line of the command file was not written by the generator; it is marked unknown.";
    c.suggestedName = "/nowhere/site-explained.txt";
    return c;
}

// Each group as "name: detail" lines of its shown children.
Lines shownTree(const QTreeWidget* tree) {
    Lines out;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* g = tree->topLevelItem(i);
        if (g->isHidden())
            continue;
        out.push_back(g->text(0).toStdString() + " (" + g->text(1).toStdString() + ")");
        for (int k = 0; k < g->childCount(); ++k)
            if (!g->child(k)->isHidden())
                out.push_back("  " + g->child(k)->text(0).toStdString() + " | " +
                              g->child(k)->text(1).toStdString());
    }
    return out;
}

class ReviewWindowTest : public ::testing::Test {
  protected:
    test::RecordingPrompter prompter;
    std::vector<std::string> suggested;
    std::optional<std::string> saveAnswer;
    ReviewWindow window{sampleContent(), prompter, nullptr, [this](const std::string& s) {
                            suggested.push_back(s);
                            return saveAnswer;
                        }};
};

TEST_F(ReviewWindowTest, GroupsTheCommandLinesBySectionUnderTheSummary) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Review Command File"));
    EXPECT_EQ(window.summaryLabel()->text(),
              QStringLiteral("2 changes in 2 sections, 4 lines, about 3 s at 9600 baud"));
    EXPECT_TRUE(window.noticeLabel()->isVisible());
    EXPECT_EQ(shownTree(window.lineTree()),
              (Lines{"Timers (1 line)", "  N020 005 050;set timer number 5 to 50 | Hang Timer = 50",
                     "Commands (3 lines)", "  N131 2 020 | Set Timer, port 2 = allowed",
                     "  N999 by hand | unknown", "  N130 3 020 | Set Timer, port 3 = blocked"}));
    // Screen readers and UI automation find every control by its caption.
    EXPECT_EQ(test::findByCaption(&window, QStringLiteral("&Search:")), window.searchField());
    EXPECT_EQ(test::findByCaption(&window, QStringLiteral("&Lines to send:")), window.lineTree());
    EXPECT_EQ(test::findByCaption(&window, QStringLiteral("&Copy")), window.copyButton());
    EXPECT_EQ(test::findByCaption(&window, QStringLiteral("Save &As...")), window.saveAsButton());
    EXPECT_NE(test::findByCaption(&window, QStringLiteral("C&lose")), nullptr);
}

TEST_F(ReviewWindowTest, SearchShowsMatchingLinesAndTheirSectionsOnly) {
    QTest::keyClicks(window.searchField(), QStringLiteral("PORT 3"));
    EXPECT_EQ(shownTree(window.lineTree()),
              (Lines{"Commands (3 lines)", "  N130 3 020 | Set Timer, port 3 = blocked"}));
    window.searchField()->setText(QStringLiteral("timers"));
    EXPECT_EQ(shownTree(window.lineTree()).size(), 2u); // the section's name matches
    window.searchField()->clear();
    EXPECT_EQ(shownTree(window.lineTree()).size(), 6u);
}

TEST_F(ReviewWindowTest, CopyAndSaveAsGiveTheWholeExplainedText) {
    const std::string text = explainedText(sampleContent().file);
    QTest::mouseClick(window.copyButton(), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), text);

    char pattern[] = "/tmp/merix-review-XXXXXX";
    const std::string folder = ::mkdtemp(pattern);
    saveAnswer = folder + "/explained.txt";
    QTest::mouseClick(window.saveAsButton(), Qt::LeftButton);
    EXPECT_EQ(suggested, Lines{"/nowhere/site-explained.txt"});
    EXPECT_EQ(test::readFile(*saveAnswer), text);

    saveAnswer = folder + "/missing/explained.txt";
    QTest::mouseClick(window.saveAsButton(), Qt::LeftButton);
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_EQ(prompter.boxes[0].text.rfind("Unable to write " + *saveAnswer + ": ", 0), 0u);

    saveAnswer.reset(); // cancelled: nothing written, nothing said
    QTest::mouseClick(window.saveAsButton(), Qt::LeftButton);
    EXPECT_EQ(prompter.boxes.size(), 1u);
    fs::remove_all(folder);
}

class TerminalReviewTest : public test::UploadFixture {};

TEST_F(TerminalReviewTest, ReviewExplainsTheCommandFileAboutToBeSent) {
    doc().timers[0].length = 45;
    regenerate();
    // A modem connection waits for Connect, so the window opens without a controller.
    settings.connectionType = ConnectionType::Modem;
    ASSERT_EQ(saveUploadSettings(settings, documentPath()), "");
    std::ofstream(commandFile, std::ios::app) << "N999 1\r\n";
    TerminalWindow terminal(makeSession(), nullptr);
    terminal.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return terminal.openingDone(); }, 20000));
    EXPECT_EQ(test::findByCaption(&terminal, QStringLiteral("&Review")), terminal.reviewButton());

    Lines shown;
    QString summary;
    QString notice;
    const auto answer = test::whenModal<ReviewWindow>([&](ReviewWindow* review) {
        shown = shownTree(review->lineTree());
        summary = review->summaryLabel()->text();
        notice = review->noticeLabel()->text();
        review->accept();
    });
    QTest::mouseClick(terminal.reviewButton(), Qt::LeftButton);
    EXPECT_EQ(shown, (Lines{"Preamble (2 lines)", "  N053 206 032 OK | Macro 206 = OK",
                            "  N078 400 ! | Enter key = !", "Timers (2 lines)",
                            "  N020 005 045;set timer number 5 to 45 | Hang Timer = 45 (was 30)",
                            "  N999 1 | unknown"}));
    EXPECT_EQ(summary, QStringLiteral("1 change in 1 section, 4 lines, about 3 s at 9600 baud"));
    EXPECT_EQ(notice, QStringLiteral("1 line of the command file was not written by the "
                                     "generator; it is marked unknown."));
    EXPECT_EQ(busy.depth, 0);
    terminal.reject();
}

} // namespace
} // namespace merix
