#pragma once

#include "document/CatalogLoader.h"
#include "document/ConfigDocument.h"
#include "screens/EditingScreen.h"
#include "screens/PointerOverMain.h"
#include "screens/ScreenContext.h"
#include "tests/screens/GuiTestSupport.h"
#include "tests/support/RecordingPrompter.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace merix::test {

// A document open on the test catalogs and everything a screen is given, recorded: message
// boxes, the wait cursor, the pointer flag and the status-bar lines.
class ScreenTestFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        doc.setStartupDirectory(folder.path());
        ASSERT_TRUE(loadCatalogs(doc, prompter));
        doc.setDocumentOpen(true);
        doc.setAllRefreshFlags();
    }

    ScreenContext context() {
        return ScreenContext{doc, prompter, &busy, pointer,
                             [this](const std::string& line) { statusLines.push_back(line); }};
    }

    // Opens the screen's window and waits until it is on the screen.
    template <typename Screen> std::unique_ptr<Screen> openScreen() {
        auto screen = std::make_unique<Screen>(context(), nullptr);
        closed = std::make_unique<QSignalSpy>(screen.get(), &EditingScreen::screenClosed);
        screen->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(screen.get()));
        return screen;
    }

    CatalogFolder folder;
    ConfigDocument doc;
    RecordingPrompter prompter;
    CountingBusy busy;
    PointerOverMain pointer;
    std::vector<std::string> statusLines;
    std::unique_ptr<QSignalSpy> closed; // screenClosed of the last screen opened
};

} // namespace merix::test
