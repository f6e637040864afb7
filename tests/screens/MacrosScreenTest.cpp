#include "screens/MacrosScreen.h"
#include "document/CatalogLoader.h"
#include "tests/screens/AccessibleTree.h"
#include "tests/screens/GeneratedCommandFile.h"
#include "tests/screens/ScreenTestFixture.h"
#include "tests/support/TempDir.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace merix {
namespace {

constexpr const char* kMacros = "MERIX macros\r\n3\r\n"
                                "Macro500,Macro 500,The ID macro\r\n"
                                "Macro501,Macro 501,Runs at power up, after a power failure\r\n"
                                "Macro502,Macro 502,Spare\r\n";
constexpr const char* kWords = "MERIX words\r\n3\r\nhello,100\r\nhelp,123\r\nworld,101\r\n";

std::string shown(const std::vector<MacroLine>& lines) {
    std::string out;
    for (const MacroLine& l : lines)
        out += "[" + l.commandNumber + "|" + l.parameters + "]";
    return out;
}

class MacrosScreenTest : public test::ScreenTestFixture {
  protected:
    void SetUp() override {
        ScreenTestFixture::SetUp();
        test::writeWhole(folder.file("macros.cfg"), kMacros);
        test::writeWhole(folder.file("wordlist.cfg"), kWords);
        ASSERT_TRUE(loadCatalogs(doc, prompter));
        doc.setAllRefreshFlags();
    }

    void open() { screen = openScreen<MacrosScreen>(); }
    std::vector<MacroLine>& lines(std::size_t macro = 0) { return doc.macros[macro].lines; }
    QLineEdit* number(int row) const { return screen->commandField(row); }
    QLineEdit* parameters(int row) const { return screen->parametersField(row); }

    static void focus(QWidget* w) {
        w->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([w] { return w->hasFocus(); }));
    }
    static void retype(QLineEdit* field, const QString& text) {
        focus(field);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }
    // The rows as the user sees them, number and parameters side by side.
    std::string rows() const {
        std::string out;
        for (int row = 1; row <= kMacroRows; ++row)
            out += "[" + number(row)->text().toStdString() + "|" +
                   parameters(row)->text().toStdString() + "]";
        return out;
    }

    QRect scrollerPart(QStyle::SubControl part) const {
        QScrollBar* bar = screen->lineScroller();
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = bar->orientation();
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = bar->sliderPosition();
        option.sliderValue = bar->value();
        option.singleStep = bar->singleStep();
        option.pageStep = bar->pageStep();
        option.subControls = QStyle::SC_All;
        return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
    }
    void clickScroller(QStyle::SubControl part) {
        const QRect r = scrollerPart(part);
        ASSERT_TRUE(r.isValid());
        QTest::mouseClick(screen->lineScroller(), Qt::LeftButton, {}, r.center());
    }

    void doubleClickWord(int row) {
        QListWidget* list = screen->list();
        const QPoint at = list->visualItemRect(list->item(row)).center();
        // As the mouse sends it: press and release, then the double-click and its release.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    }

    std::unique_ptr<MacrosScreen> screen;
};

TEST_F(MacrosScreenTest, OpensOnTheFirstMacroWithItsFirstSixLines) {
    lines(0) = {{"055", "1 2"}, {"100", ""}};
    doc.macros[1].comment = "Power up";
    open();
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Macros"));
    EXPECT_EQ(screen->listLabel()->text(), QStringLiteral("&Commands:"));
    EXPECT_EQ(screen->wordListButton()->text(), QStringLiteral("&Word List"));
    ASSERT_EQ(screen->list()->count(), 3);
    EXPECT_EQ(screen->list()->item(0)->text(), QStringLiteral("Macro 500"));
    EXPECT_EQ(screen->list()->item(1)->text(), QStringLiteral("Macro 501 - Power up"));
    EXPECT_EQ(screen->list()->currentRow(), 0);
    EXPECT_EQ(screen->labelLine()->text(), QStringLiteral("Macro 500"));
    EXPECT_EQ(screen->descriptionBox()->toPlainText(), QStringLiteral("The ID macro"));
    EXPECT_EQ(rows(), "[055|1 2][100|][|][|][|][|]");
    EXPECT_EQ(screen->lineScroller()->minimum(), 0);
    EXPECT_EQ(screen->lineScroller()->maximum(), 14);
    EXPECT_EQ(screen->lineScroller()->value(), 0);
    EXPECT_FALSE(screen->searchField()->isVisible());
    EXPECT_EQ(screen->cursorRow(), 0);
    EXPECT_FALSE(doc.refreshFlag(ScreenId::Macros));
    EXPECT_EQ(busy.depth, 0);
    EXPECT_GT(busy.shown, 0);
    EXPECT_TRUE(prompter.boxes.empty());

    screen->list()->setCurrentRow(1);
    EXPECT_EQ(screen->descriptionBox()->toPlainText(),
              QStringLiteral("Runs at power up, after a power failure"));
    EXPECT_EQ(rows(), "[|][|][|][|][|][|]");
}

TEST_F(MacrosScreenTest, CommandNumbersTakeThreeDigits) {
    const std::string invalid = " is an invalid entry!  Enter in a three digit command.";
    const struct {
        const char* name;
        std::vector<MacroLine> before;
        int row;
        const char* typed;
        std::string field;
        bool focusOnParameters;
        std::vector<std::string> messages;
        std::string after;
    } cases[] = {
        {"a fourth digit is cut and the focus moves on", {}, 1, "0501", "050", true, {}, "[050|]"},
        {"a letter is refused", {{"010", "x"}}, 1, "a", "", false, {"a" + invalid}, "[|x]"},
        {"a refused first line of an empty macro leaves it empty",
         {},
         1,
         "a",
         "",
         false,
         {"a" + invalid},
         ""},
        {"a letter after digits", {}, 2, "12x", "", false, {"12x" + invalid}, ""},
        {"typing in row 4 of a one-line macro makes lines 2 and 3",
         {{"010", ""}},
         4,
         "5",
         "5",
         false,
         {},
         "[010|][|][|][5|]"},
    };
    for (const auto& c : cases) {
        lines(0) = c.before;
        prompter.boxes.clear();
        open();
        retype(number(c.row), QString::fromUtf8(c.typed));
        EXPECT_EQ(number(c.row)->text().toStdString(), c.field) << c.name;
        EXPECT_EQ(parameters(c.row)->hasFocus(), c.focusOnParameters) << c.name;
        EXPECT_EQ(prompter.texts(), c.messages) << c.name;
        EXPECT_EQ(shown(lines(0)), c.after) << c.name;
        EXPECT_EQ(screen->cursorRow(), c.row) << c.name;
    }
}

TEST_F(MacrosScreenTest, TheScrollBarMovesTheRowsByLinePageAndToTheEnds) {
    for (int i = 0; i < 20; ++i)
        lines(0).push_back({std::to_string(i), ""});
    open();
    clickScroller(QStyle::SC_ScrollBarAddLine);
    EXPECT_EQ(screen->topLine(), 1);
    EXPECT_EQ(number(1)->text(), QStringLiteral("1"));
    clickScroller(QStyle::SC_ScrollBarAddPage);
    EXPECT_EQ(screen->topLine(), 6);
    EXPECT_EQ(number(6)->text(), QStringLiteral("11"));
    clickScroller(QStyle::SC_ScrollBarAddPage);
    clickScroller(QStyle::SC_ScrollBarAddPage);
    EXPECT_EQ(screen->topLine(), 14);
    EXPECT_EQ(number(6)->text(), QStringLiteral("19"));
    clickScroller(QStyle::SC_ScrollBarAddLine);
    EXPECT_EQ(screen->topLine(), 14);
    clickScroller(QStyle::SC_ScrollBarSubPage);
    EXPECT_EQ(screen->topLine(), 9);
    clickScroller(QStyle::SC_ScrollBarSubLine);
    EXPECT_EQ(screen->topLine(), 8);

    screen->lineScroller()->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(screen->topLine(), 0);
    screen->lineScroller()->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(screen->topLine(), 14);
    EXPECT_EQ(screen->lineScroller()->value(), 14);
}

TEST_F(MacrosScreenTest, DraggingTheThumbMovesTheRowsWhenItIsLetGo) {
    for (int i = 0; i < 20; ++i)
        lines(0).push_back({std::to_string(i), ""});
    open();
    QScrollBar* bar = screen->lineScroller();
    const QRect thumb = scrollerPart(QStyle::SC_ScrollBarSlider);
    const QRect groove = scrollerPart(QStyle::SC_ScrollBarGroove);
    ASSERT_TRUE(thumb.isValid() && groove.isValid());
    QTest::mousePress(bar, Qt::LeftButton, {}, thumb.center());
    QTest::mouseMove(bar, QPoint(thumb.center().x(), groove.bottom()));
    EXPECT_GT(bar->sliderPosition(), 0);
    EXPECT_EQ(screen->topLine(), 0); // the rows wait for the thumb to be let go
    EXPECT_EQ(number(1)->text(), QStringLiteral("0"));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(thumb.center().x(), groove.bottom()));
    EXPECT_EQ(screen->topLine(), 14);
    EXPECT_EQ(number(1)->text(), QStringLiteral("14"));
    EXPECT_EQ(number(6)->text(), QStringLiteral("19"));
}

TEST_F(MacrosScreenTest, ArrowAndPageKeysReachEveryLineFromTheRows) {
    for (int i = 0; i < 20; ++i)
        lines(0).push_back({std::to_string(i), "p" + std::to_string(i)});
    const std::string before = shown(lines(0));
    open();
    focus(parameters(5));
    QTest::keyClick(parameters(5), Qt::Key_Down);
    EXPECT_TRUE(parameters(6)->hasFocus());
    EXPECT_EQ(screen->topLine(), 0);
    QTest::keyClick(parameters(6), Qt::Key_Down);
    EXPECT_EQ(screen->topLine(), 1);
    EXPECT_TRUE(parameters(6)->hasFocus());
    EXPECT_EQ(parameters(6)->text(), QStringLiteral("p6"));
    QTest::keyClick(parameters(6), Qt::Key_PageDown);
    QTest::keyClick(parameters(6), Qt::Key_PageDown);
    QTest::keyClick(parameters(6), Qt::Key_PageDown);
    EXPECT_EQ(screen->topLine(), 14);
    EXPECT_EQ(number(6)->text(), QStringLiteral("19"));

    focus(number(1));
    QTest::keyClick(number(1), Qt::Key_Up);
    EXPECT_EQ(screen->topLine(), 13);
    EXPECT_TRUE(number(1)->hasFocus());
    EXPECT_EQ(screen->cursorRow(), 1);
    EXPECT_EQ(shown(lines(0)), before); // moving is no edit
}

TEST_F(MacrosScreenTest, TheLastLineGrowsAndShrinksAtTheTwentiethLine) {
    lines(0) = {{"010", ""}};
    open();
    screen->lineScroller()->triggerAction(QAbstractSlider::SliderToMaximum);
    ASSERT_EQ(screen->topLine(), 14);
    retype(parameters(6), QStringLiteral("7"));
    ASSERT_EQ(lines(0).size(), 20u);
    EXPECT_EQ(lines(0)[19].parameters, "7");
    EXPECT_EQ(screen->cursorRow(), 6);

    // Line 19 gets a number, then line 20 is emptied: it goes, 19 stays.
    retype(number(5), QStringLiteral("5"));
    retype(parameters(6), QString());
    ASSERT_EQ(lines(0).size(), 19u);
    retype(number(5), QString());
    EXPECT_EQ(shown(lines(0)), "[010|]"); // the empty lines before it went too

    // A middle line emptied stays as an empty line.
    lines(0) = {{"010", ""}, {"020", ""}, {"030", ""}};
    screen->lineScroller()->triggerAction(QAbstractSlider::SliderToMinimum);
    retype(number(2), QString());
    EXPECT_EQ(shown(lines(0)), "[010|][|][030|]");
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(MacrosScreenTest, InsertAndDeleteLineWorkOnTheRowTheCursorWasIn) {
    lines(0) = {{"010", "a"}, {"", ""}, {"030", "c"}};
    open();
    QTest::mouseClick(screen->insertLineButton(), Qt::LeftButton);
    QTest::mouseClick(screen->deleteLineButton(), Qt::LeftButton);
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{
                  "Set the cursor to the line where you want to insert a blank line.",
                  "Set the cursor to the line you want to delete."}));

    focus(parameters(1));
    QTest::mouseClick(screen->insertLineButton(), Qt::LeftButton);
    EXPECT_EQ(shown(lines(0)), "[|][010|a][|][030|c]");
    EXPECT_EQ(rows(), "[|][010|a][|][030|c][|][|]");
    EXPECT_TRUE(number(1)->hasFocus());

    focus(number(6)); // below the last line: nothing to insert
    QTest::mouseClick(screen->insertLineButton(), Qt::LeftButton);
    EXPECT_EQ(lines(0).size(), 4u);
    EXPECT_TRUE(number(6)->hasFocus());

    // Deleting the last line takes the empty line before it along.
    focus(number(4));
    QTest::mouseClick(screen->deleteLineButton(), Qt::LeftButton);
    EXPECT_EQ(shown(lines(0)), "[|][010|a]");
    EXPECT_EQ(rows(), "[|][010|a][|][|][|][|]");
    EXPECT_TRUE(number(4)->hasFocus());

    focus(number(1));
    QTest::mouseClick(screen->deleteLineButton(), Qt::LeftButton);
    EXPECT_EQ(shown(lines(0)), "[010|a]");
    EXPECT_EQ(prompter.boxes.size(), 2u);
}

TEST_F(MacrosScreenTest, InsertLineStopsAtTwentyLines) {
    lines(0).assign(20, MacroLine{"001", ""});
    open();
    focus(number(2));
    QTest::mouseClick(screen->insertLineButton(), Qt::LeftButton);
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"Cannont insert blank line.  Maximum has been reached."});
    EXPECT_EQ(lines(0).size(), 20u);
    EXPECT_TRUE(number(2)->hasFocus());
}

TEST_F(MacrosScreenTest, TheCommentLosesItsColonAndNamesTheListLine) {
    open();
    focus(number(3));
    retype(screen->commentField(), QStringLiteral("ID:"));
    EXPECT_EQ(screen->commentField()->text(), QStringLiteral("ID"));
    EXPECT_EQ(screen->commentField()->cursorPosition(), 2);
    QTest::keyClicks(screen->commentField(), QStringLiteral(" at 9;00"));
    EXPECT_EQ(screen->commentField()->text(), QStringLiteral("ID at 900"));
    EXPECT_EQ(doc.macros[0].comment, "ID at 900");
    EXPECT_EQ(screen->list()->item(0)->text(), QStringLiteral("Macro 500 - ID at 900"));
    EXPECT_EQ(screen->cursorRow(), 0);

    retype(screen->commentField(), QString());
    EXPECT_EQ(doc.macros[0].comment, std::nullopt);
    EXPECT_EQ(screen->list()->item(0)->text(), QStringLiteral("Macro 500"));

    // Typing a comment while the words are shown brings the macros back.
    QTest::mouseClick(screen->wordListButton(), Qt::LeftButton);
    retype(screen->commentField(), QStringLiteral("x"));
    EXPECT_EQ(screen->listLabel()->text(), QStringLiteral("&Commands"));
    EXPECT_EQ(screen->list()->item(0)->text(), QStringLiteral("Macro 500 - x"));
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(MacrosScreenTest, ParametersLoseWhatTheDocumentCannotKeep) {
    open();
    focus(parameters(1));
    QTest::keyClicks(parameters(1), QStringLiteral("1:2;3"));
    EXPECT_EQ(parameters(1)->text(), QStringLiteral("123"));
    EXPECT_EQ(shown(lines(0)), "[|123]");
}

TEST_F(MacrosScreenTest, TheWordListSearchesAndAppendsWordNumbers) {
    lines(0) = {{"010", "1"}};
    open();
    QTest::mouseClick(screen->wordListButton(), Qt::LeftButton);
    EXPECT_EQ(screen->listLabel()->text(), QStringLiteral("&Word List"));
    EXPECT_EQ(screen->wordListButton()->text(), QStringLiteral("&Commands"));
    ASSERT_EQ(screen->list()->count(), 3);
    EXPECT_EQ(screen->list()->item(2)->text(), QStringLiteral("world"));
    EXPECT_EQ(screen->list()->currentRow(), 0);
    EXPECT_TRUE(screen->searchField()->isVisible());

    doubleClickWord(1);
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"Set the cursor to the line where you want the word "
                                       "number, associated with the word help, appended to the "
                                       "parameter list."});

    retype(screen->searchField(), QStringLiteral("WOR"));
    EXPECT_EQ(screen->list()->currentRow(), 2);
    retype(screen->searchField(), QStringLiteral("help"));
    EXPECT_EQ(screen->list()->currentRow(), 1);

    focus(number(1)); // the cursor row; leaving the search empties it
    EXPECT_EQ(screen->searchField()->text(), QString());
    EXPECT_EQ(screen->list()->currentRow(), 1);
    doubleClickWord(1);
    EXPECT_EQ(parameters(1)->text(), QStringLiteral("1 123"));
    EXPECT_EQ(lines(0)[0].parameters, "1 123");
    EXPECT_TRUE(parameters(1)->hasFocus());

    // Into an empty row below the last line: the macro grows; Enter does what a double-click does.
    focus(parameters(3));
    focus(screen->list());
    screen->list()->setCurrentRow(0);
    QTest::keyClick(screen->list(), Qt::Key_Return);
    EXPECT_EQ(shown(lines(0)), "[010|1 123][|][|100]");
    EXPECT_EQ(closed->count(), 0);

    QTest::mouseClick(screen->wordListButton(), Qt::LeftButton);
    EXPECT_EQ(screen->listLabel()->text(), QStringLiteral("&Commands"));
    EXPECT_EQ(screen->wordListButton()->text(), QStringLiteral("&Word List"));
    EXPECT_EQ(screen->list()->item(0)->text(), QStringLiteral("Macro 500"));
    EXPECT_EQ(screen->list()->currentRow(), 0);
    EXPECT_FALSE(screen->searchField()->isVisible());
    EXPECT_EQ(screen->cursorRow(), 0);
    EXPECT_EQ(prompter.boxes.size(), 1u);
}

TEST_F(MacrosScreenTest, CancelPutsBackOnlyTheCurrentMacro) {
    lines(1) = {{"020", "x"}};
    doc.macros[1].comment = "kept";
    open();
    retype(number(1), QStringLiteral("011"));
    screen->list()->setCurrentRow(1);
    EXPECT_EQ(rows(), "[020|x][|][|][|][|][|]");
    retype(number(3), QStringLiteral("5"));
    retype(screen->commentField(), QStringLiteral("changed"));
    focus(number(1));
    QTest::mouseClick(screen->insertLineButton(), Qt::LeftButton);
    ASSERT_EQ(lines(1).size(), 4u);

    QTest::mouseClick(screen->cancelButton(), Qt::LeftButton);
    EXPECT_EQ(shown(lines(1)), "[020|x]");
    EXPECT_EQ(doc.macros[1].comment, "kept");
    EXPECT_EQ(shown(lines(0)), "[011|]"); // edited before the selection moved on
    ASSERT_EQ(closed->count(), 1);
    EXPECT_FALSE(closed->at(0).at(1).toBool());
}

TEST_F(MacrosScreenTest, PointerOverTheScreenShowsAReplacedDocument) {
    open();
    screen->list()->setCurrentRow(2);
    screen->lineScroller()->triggerAction(QAbstractSlider::SliderToMaximum);
    lines(2) = {{"030", "3"}};
    doc.macros[0].comment = "new";
    doc.setAllRefreshFlags();

    QTest::mouseMove(screen.get(), QPoint(10, 10));
    QTest::mouseMove(screen.get(), QPoint(12, 14));
    EXPECT_FALSE(doc.refreshFlag(ScreenId::Macros));
    EXPECT_EQ(screen->list()->item(0)->text(), QStringLiteral("Macro 500 - new"));
    EXPECT_EQ(screen->list()->currentRow(), 2);
    EXPECT_EQ(screen->topLine(), 0);
    EXPECT_EQ(rows(), "[030|3][|][|][|][|][|]");

    retype(number(1), QString());
    QTest::mouseClick(screen->cancelButton(), Qt::LeftButton);
    EXPECT_EQ(shown(lines(2)), "[030|3]"); // the refreshed lines are what Cancel restores
}

TEST_F(MacrosScreenTest, MissingCatalogsLoseNoMacroAndSaySoInTheStatusBar) {
    test::writeWhole(folder.file("macros.cfg"), "MERIX macros\r\n3\r\nMacro500,Macro 500,ID\r\n");
    std::filesystem::remove(folder.file("wordlist.cfg"));
    lines(2) = {{"030", ""}};
    open();
    ASSERT_EQ(screen->list()->count(), 3);
    EXPECT_EQ(screen->list()->item(2)->text(), QString());
    EXPECT_EQ(statusLines,
              std::vector<std::string>{
                  "macros.cfg describes 1 of the 3 entries of the document; the others are shown "
                  "without names and descriptions.  Unable to read wordlist.cfg in the catalog "
                  "folder; the word list is empty."});
    screen->list()->setCurrentRow(2);
    EXPECT_EQ(rows(), "[030|][|][|][|][|][|]");
    QTest::mouseClick(screen->wordListButton(), Qt::LeftButton);
    EXPECT_EQ(screen->list()->count(), 0);
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(MacrosScreenTest, EveryControlIsFoundByItsCaption) {
    open();
    const std::pair<QString, QWidget*> controls[] = {
        {QStringLiteral("&Commands:"), screen->list()},
        {QStringLiteral("&Description:"), screen->descriptionBox()},
        {QStringLiteral("Co&mment:"), screen->commentField()},
        {QStringLiteral("Command # 1"), screen->commandField(1)},
        {QStringLiteral("Parameters 1"), screen->parametersField(1)},
        {QStringLiteral("Command # 6"), screen->commandField(6)},
        {QStringLiteral("Parameters 6"), screen->parametersField(6)},
        {QStringLiteral("Macro lines"), screen->lineScroller()},
        {QStringLiteral("&Word List"), screen->wordListButton()},
        {QStringLiteral("&Insert Line"), screen->insertLineButton()},
        {QStringLiteral("Delete &Line"), screen->deleteLineButton()},
        {QStringLiteral("Cancel"), screen->cancelButton()},
        {QStringLiteral("&OK"), screen->okButton()},
    };
    for (const auto& [caption, widget] : controls)
        EXPECT_EQ(test::findByCaption(screen.get(), caption), widget) << caption.toStdString();

    QTest::mouseClick(screen->wordListButton(), Qt::LeftButton);
    EXPECT_EQ(test::findByCaption(screen.get(), QStringLiteral("&Word List")), screen->list());
    EXPECT_EQ(test::findByCaption(screen.get(), QStringLiteral("&Search:")), screen->searchField());
    EXPECT_EQ(test::findByCaption(screen.get(), QStringLiteral("&Commands")),
              screen->wordListButton());
}

TEST_F(MacrosScreenTest, AnEditReachesTheCommandFile) {
    open();
    retype(number(1), QStringLiteral("0501"));
    QTest::keyClicks(parameters(1), QStringLiteral("1 2"));
    retype(number(2), QStringLiteral("5"));
    QTest::mouseClick(screen->okButton(), Qt::LeftButton);

    const std::string file = test::generatedCommandFile(doc, folder.path(), prompter);
    EXPECT_NE(file.find(";program macro 500\r\nN055 500\r\nN056 500 050 1 2\r\nN056 500 005 \r\n"),
              std::string::npos)
        << file;
}

} // namespace
} // namespace merix
