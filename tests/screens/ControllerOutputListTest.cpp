#include "screens/ControllerOutputList.h"

#include <QListWidget>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace merix {
namespace {

// Counts the paints of the list's viewport and notes, at each, whether the last line was in view.
class PaintWatch : public QObject {
  public:
    explicit PaintWatch(QListWidget* list) : m_list(list) {
        list->viewport()->installEventFilter(this);
    }
    int paints = 0;
    bool lastLineInView = false;

  protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            ++paints;
            const QRect last = m_list->visualItemRect(m_list->item(m_list->count() - 1));
            lastLineInView = m_list->count() > 0 && m_list->viewport()->rect().contains(last);
        }
        return false;
    }

  private:
    QListWidget* m_list;
};

class ControllerOutputListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        list.resize(300, 120);
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    }

    QListWidget list;
};

TEST_F(ControllerOutputListTest, EveryLineIsPaintedBeforeTheEventLoopRunsAgain) {
    ControllerOutputList output(&list);
    PaintWatch watch(&list);
    // No event is processed in this loop, as while the link blocks.
    for (int i = 0; i < 40; ++i) {
        const int before = watch.paints;
        output.addLine("line " + std::to_string(i));
        EXPECT_GT(watch.paints, before) << i;
        EXPECT_TRUE(watch.lastLineInView) << i;
    }
    EXPECT_EQ(list.currentRow(), 39);
    EXPECT_EQ(list.verticalScrollBar()->value(), list.verticalScrollBar()->maximum());
    EXPECT_GT(list.verticalScrollBar()->maximum(), 0);

    const int before = watch.paints;
    output.replaceLastLine("DTMF>N050 0 ");
    EXPECT_GT(watch.paints, before);
    EXPECT_EQ(output.lastLine(), "DTMF>N050 0 ");
    EXPECT_EQ(output.lineCount(), 40u);
}

TEST_F(ControllerOutputListTest, AFullListIsClearedAndTakesTheLine) {
    ControllerOutputList output(&list, 3);
    EXPECT_TRUE(output.addLine("a"));
    EXPECT_TRUE(output.addLine("b"));
    EXPECT_TRUE(output.addLine("c"));
    EXPECT_FALSE(output.addLine("d"));
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(output.lastLine(), "d");
    output.clear();
    EXPECT_EQ(output.lineCount(), 0u);
    EXPECT_EQ(output.lastLine(), "");
    // Replacing in an empty list adds the line.
    output.replaceLastLine("x");
    EXPECT_EQ(output.lineCount(), 1u);
}

} // namespace
} // namespace merix
