#include "app/HelpWindow.h"
#include "app/CMainFrame.h"
#include "document/DocumentLifecycle.h"
#include "tests/screens/GuiTestSupport.h"
#include "tests/support/RecordingPrompter.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTextBrowser>

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
