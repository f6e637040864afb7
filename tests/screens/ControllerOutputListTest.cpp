#include "screens/ControllerOutputList.h"

#include <QListWidget>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <thread>

namespace merix {
namespace {

class ControllerOutputListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        list.resize(300, 120);
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    }

    std::vector<std::string> shown() const {
        std::vector<std::string> out;
        for (int i = 0; i < list.count(); ++i)
            out.push_back(list.item(i)->text().toStdString());
        return out;
    }

    QListWidget list;
};

TEST_F(ControllerOutputListTest, LinesFromTheLinksThreadArriveInOrderAndTheLastIsInView) {
    ControllerOutputList output(&list);
    // The link reads back what it wrote at once, while the widget follows on its own thread.
    std::vector<std::string> readBack;
    std::thread link([&] {
        for (int i = 0; i < 40; ++i)
            output.addLine("line " + std::to_string(i));
        output.replaceLastLine(output.lastLine() + " OK");
        readBack = {std::to_string(output.lineCount()), output.lastLine()};
    });
    link.join();
    EXPECT_EQ(readBack, (std::vector<std::string>{"40", "line 39 OK"}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return list.count() == 40; }));
    QTest::qWait(20);
    const std::vector<std::string> lines = shown();
    EXPECT_EQ(lines.front(), "line 0");
    EXPECT_EQ(lines[20], "line 20");
    EXPECT_EQ(lines.back(), "line 39 OK");
    EXPECT_EQ(list.currentRow(), 39);
    EXPECT_GT(list.verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(list.verticalScrollBar()->value(), list.verticalScrollBar()->maximum());
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
    EXPECT_EQ(shown(), std::vector<std::string>{"x"});
}

TEST_F(ControllerOutputListTest, ALineThatGrowsWithoutLineFeedsGoesOnInTheNextLine) {
    constexpr std::size_t width = ControllerOutputList::kLineWidth;
    ControllerOutputList output(&list);
    output.addLine("DTMF>");
    // What the link does with every answer that holds no line feed: append it to the last line.
    for (int i = 0; i < 300; ++i)
        output.replaceLastLine(output.lastLine() + "N050 0 OK DTMF>");
    const std::vector<std::string> lines = shown();
    ASSERT_EQ(lines.size(), (5 + 300 * 15 + width - 1) / width);
    for (std::size_t i = 0; i + 1 < lines.size(); ++i)
        EXPECT_EQ(lines[i].size(), width) << i;
    EXPECT_EQ(output.lastLine(), lines.back());
    EXPECT_EQ(output.lineCount(), lines.size());
    std::string joined;
    for (const std::string& l : lines)
        joined += l;
    EXPECT_EQ(joined.size(), 5u + 300 * 15);
    EXPECT_EQ(joined.substr(joined.size() - 15), "N050 0 OK DTMF>");

    // One line longer than several widths at once is cut the same way.
    output.clear();
    output.addLine(std::string(2 * width + 7, 'x'));
    EXPECT_EQ(shown(), (std::vector<std::string>{std::string(width, 'x'), std::string(width, 'x'),
                                                 std::string(7, 'x')}));
}

} // namespace
} // namespace merix
