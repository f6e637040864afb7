#include "app/HelpWindow.h"
#include "app/CMainFrame.h"
#include "document/DocumentLifecycle.h"
#include "tests/screens/GuiTestSupport.h"
#include "tests/support/RecordingPrompter.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "app/CVeskView.h"

#include <gtest/gtest.h>

namespace merix {
namespace {

TEST(HelpWindowTest, HelpMenuOpensTheManualFromTheResources) {
    test::RecordingPrompter prompter;
    test::ScriptedChooser chooser;
    CVeskDoc doc(prompter, chooser);
    CMainFrame frame(doc, prompter, nullptr);
    EXPECT_FALSE(frame.windowIcon().isNull());

    frame.command(QStringLiteral("Index"))->trigger();
    auto* help = frame.findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    const QString manual = help->findChild<QTextBrowser*>()->toPlainText();
    EXPECT_TRUE(manual.contains(QStringLiteral("Setting the timers")))
        << manual.left(200).toStdString();

    frame.command(QStringLiteral("Using Help"))->trigger();
    EXPECT_EQ(frame.findChildren<HelpWindow*>().size(), 1); // one window, another page
    EXPECT_TRUE(help->findChild<QTextBrowser*>()->toPlainText().contains(
        QStringLiteral("Using this help window")));
}

} // namespace
} // namespace merix

namespace merix {
namespace {

TEST(ModalCommandsTest, AboutBoxAndPrintPreviewOpenAndClose) {
    test::RecordingPrompter prompter;
    test::ScriptedChooser chooser;
    CVeskDoc doc(prompter, chooser);
    CMainFrame frame(doc, prompter, nullptr);
    frame.view()->setSplashMilliseconds(0);
    frame.resize(900, 700);
    frame.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame.view()->firstPaintDone(); }));

    for (const char* command : {"About MERIX...", "Print Preview"}) {
        QString seen;
        QTimer::singleShot(300, [&seen] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            seen = QString::fromUtf8(modal->metaObject()->className());
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
        });
        frame.command(QString::fromUtf8(command))->trigger();
        EXPECT_FALSE(seen.isEmpty()) << command;
    }
}

} // namespace
} // namespace merix

namespace merix {
namespace {

TEST(HelpWindowTest, EveryScreenPageIsInTheResourcesAndLinkedFromTheContents) {
    QFile index(QStringLiteral(":/help/index.html"));
    ASSERT_TRUE(index.open(QIODevice::ReadOnly));
    const QString contents = QString::fromUtf8(index.readAll());
    for (const char* page : {"commands.html", "macros.html", "analog-inputs.html"}) {
        const QString name = QString::fromUtf8(page);
        EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/") + name)) << page;
        EXPECT_TRUE(contents.contains(QStringLiteral("href=\"") + name + QLatin1Char('"'))) << page;
    }
}

} // namespace
} // namespace merix
