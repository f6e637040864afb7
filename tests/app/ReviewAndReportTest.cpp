// The main window's Review Command File and Print Configuration Report, and the report itself
// as a well-formed page and a PDF.
#include "app/CMainFrame.h"
#include "app/CVeskView.h"
#include "app/ReportPrinting.h"
#include "document/DocumentFile.h"
#include "document/DocumentLifecycle.h"
#include "generator/CatalogLabels.h"
#include "generator/ConfigurationReport.h"
#include "generator/SectionNames.h"
#include "screens/ReviewWindow.h"
#include "tests/screens/GuiTestSupport.h"
#include "tests/screens/ModalAnswer.h"
#include "tests/support/RecordingPrompter.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTest>
#include <QTreeWidget>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace merix {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using test::whenModal;

const Lines kSectionTitles = {
    "Timers", "Messages",  "DVR Tracks",     "Users", "Inputs and Outputs", "Commands",
    "Macros", "Scheduler", "Courtesy Beeps", "Tones", "Misc Setup"};

class ReviewAndReportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        doc.document().setStartupDirectory(folder.path());
        frame = std::make_unique<CMainFrame>(doc, prompter, &busy);
        frame->view()->setSplashMilliseconds(0);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        ASSERT_TRUE(QTest::qWaitFor([&] { return frame->view()->firstPaintDone(); }));
        QTest::qWait(1); // the first Open, cancelled
    }

    // A new document with a user, an event and a timer changed since New.
    void newEditedDocument() {
        ASSERT_TRUE(doc.newDocument());
        ConfigDocument& d = doc.document();
        d.timers[0].length = 45;
        d.users[0].name = "Ann";
        d.users[0].password = "4321";
        d.events[0].commandNumber = "020";
        d.events[0].period = 2;
        d.events[0].dayName = "Saturday";
        d.events[0].hour = 7;
        d.events[0].minutes = 5;
        d.events[0].amPm = 1;
    }

    Lines fileMenu() const {
        Lines texts;
        for (QAction* a : frame->menuBar()->actions().front()->menu()->actions())
            if (!a->isSeparator())
                texts.push_back(a->text().toStdString());
        return texts;
    }

    test::CatalogFolder folder;
    test::RecordingPrompter prompter;
    test::ScriptedChooser chooser;
    test::CountingBusy busy;
    CVeskDoc doc{prompter, chooser, &busy};
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(ReviewAndReportTest, TheFileMenuHoldsBothAndTheyRefuseWithoutADocument) {
    EXPECT_EQ(fileMenu(), (Lines{"&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...",
                                 "Review &Command File...", "&Upload History...",
                                 "&Print...\tCtrl+P", "Print Pre&view", "P&rint Setup...",
                                 "Print Con&figuration Report...", "E&xit"}));
    frame->command(QStringLiteral("Review Command File..."))->trigger();
    frame->command(QStringLiteral("Print Configuration Report..."))->trigger();
    EXPECT_EQ(prompter.texts(),
              (Lines{"Open or create a new file before reviewing the command file.",
                     "Open or create a new file before printing a configuration "
                     "report."}));
}

TEST_F(ReviewAndReportTest, ReviewShowsWhatTheNextUploadSendsWithoutWritingIt) {
    newEditedDocument();
    Lines timers;
    QString summary;
    const auto answer = whenModal<ReviewWindow>([&](ReviewWindow* review) {
        const QTreeWidgetItem* group =
            review->lineTree()->findItems(QStringLiteral("Timers"), Qt::MatchExactly, 0).value(0);
        for (int k = 0; group && k < group->childCount(); ++k)
            timers.push_back(group->child(k)->text(1).toStdString());
        summary = review->summaryLabel()->text();
        review->accept();
    });
    frame->command(QStringLiteral("Review Command File..."))->trigger();
    EXPECT_EQ(timers, Lines{"Hang Timer = 45 (was 30)"});
    EXPECT_TRUE(summary.startsWith(QStringLiteral("3 changes in 3 sections, ")));
    EXPECT_FALSE(fs::exists(folder.file("MERX_1.CMD")));
    EXPECT_FALSE(fs::exists(folder.file("MERX_1.MRX"))); // nothing saved either
    EXPECT_EQ(busy.depth, 0);
}

TEST_F(ReviewAndReportTest, TheReportIsOneWellFormedPageWithEverySection) {
    newEditedDocument();
    ASSERT_TRUE(doc.save());
    // A document line the catalogs do not know is counted, not shown.
    std::string text = documentText(doc.document());
    text.replace(text.find("[TIMERS]\r\n3\r\n"), 13, "[TIMERS]\r\n4\r\nStranger=5:\r\n");
    std::ofstream(doc.document().documentPath(), std::ios::binary) << text;

    const QString html = configurationReportHtml(doc.document());
    QXmlStreamReader xml(html);
    Lines headings;
    QStringList facts;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QStringLiteral("h2"))
            headings.push_back(xml.readElementText().toStdString());
        else if (xml.isStartElement() && xml.name() == QStringLiteral("th"))
            facts << xml.readElementText();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString() << " at line "
                                 << xml.lineNumber();
    EXPECT_EQ(headings, kSectionTitles);
    EXPECT_TRUE(facts.contains(QStringLiteral("Entries the catalogs do not know")));
    EXPECT_TRUE(html.contains(QStringLiteral("every Saturday at 7:05 PM")));
    EXPECT_TRUE(html.contains(QStringLiteral("(set, not shown)")));
    EXPECT_FALSE(html.contains(QStringLiteral("4321")));

    // The text form: the same sections, and the password when asked for.
    ReportOptions shown;
    shown.showPasswords = true;
    const std::string plain =
        reportText(buildReport(doc.document(), CatalogLabels::read(doc.document()), shown));
    for (const std::string& title : kSectionTitles)
        EXPECT_NE(plain.find('\n' + title + '\n' + std::string(title.size(), '-') + '\n'),
                  std::string::npos)
            << title;
    EXPECT_NE(plain.find("    Password: 4321\n"), std::string::npos);
}

TEST_F(ReviewAndReportTest, PrintConfigurationReportPreviewsAndSavesAPdf) {
    newEditedDocument();
    const QString pdf = QString::fromStdString(folder.file("report.pdf"));
    ReportPrinting printing(prompter, &busy, [&](QWidget*) { return std::optional<QString>(pdf); });
    QString title;
    const auto answer = whenModal<QPrintPreviewDialog>([&](QPrintPreviewDialog* preview) {
        title = preview->windowTitle();
        QAction* save = preview->findChild<QAction*>(QStringLiteral("Save as PDF"));
        ASSERT_NE(save, nullptr);
        save->trigger();
        preview->reject();
    });
    QPrinter printer;
    printing.run(doc.document(), printer, frame.get());
    EXPECT_EQ(title, QStringLiteral("Print Configuration Report"));
    std::ifstream in(pdf.toStdString(), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
    // A page or more per section: each one starts on a new page.
    std::size_t pages = 0;
    for (auto at = bytes.find("/Type /Page\n"); at != std::string::npos;
         at = bytes.find("/Type /Page\n", at + 1))
        ++pages;
    EXPECT_GE(pages, kSectionTitles.size());
    EXPECT_TRUE(prompter.boxes.empty());

    // The menu's entry opens the same preview.
    const auto close = whenModal<QPrintPreviewDialog>([&](QPrintPreviewDialog* preview) {
        title = preview->windowTitle() + QStringLiteral(" (menu)");
        preview->reject();
    });
    frame->command(QStringLiteral("Print Configuration Report..."))->trigger();
    EXPECT_EQ(title, QStringLiteral("Print Configuration Report (menu)"));
}

} // namespace
} // namespace merix
