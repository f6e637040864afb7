#include "screens/MacroRules.h"

#include <gtest/gtest.h>

#include <utility>

namespace merix {
namespace {

using Lines = std::vector<MacroLine>;

// Lines written as "number|parameters", so a table shows a whole macro on one line.
Lines macro(std::initializer_list<const char*> lines) {
    Lines out;
    for (std::string_view line : lines) {
        const std::size_t bar = line.find('|');
        out.push_back(MacroLine{std::string(line.substr(0, bar)),
                                bar == std::string_view::npos ? std::string()
                                                              : std::string(line.substr(bar + 1))});
    }
    return out;
}

std::string shown(const Lines& lines) {
    std::string out;
    for (const MacroLine& l : lines)
        out += "[" + l.commandNumber + "|" + l.parameters + "]";
    return out;
}

Lines blankLines(std::size_t count) {
    return Lines(count, MacroLine{"001", ""});
}

TEST(MacroRulesTest, ScrollingKeepsTheFirstRowWithinTheFirstFifteenLines) {
    const struct {
        int top;
        ScrollStep step;
        int expected;
    } cases[] = {
        {0, ScrollStep::LineUp, 0},     {0, ScrollStep::LineDown, 1},
        {13, ScrollStep::LineDown, 14}, {14, ScrollStep::LineDown, 14},
        {3, ScrollStep::PageUp, 0},     {7, ScrollStep::PageUp, 2},
        {7, ScrollStep::PageDown, 12},  {12, ScrollStep::PageDown, 14},
        {9, ScrollStep::Top, 0},        {2, ScrollStep::Bottom, 14},
    };
    for (const auto& c : cases)
        EXPECT_EQ(scrolledTop(c.top, c.step), c.expected)
            << c.top << " step " << static_cast<int>(c.step);
    EXPECT_EQ(keptInRange(-4), 0);
    EXPECT_EQ(keptInRange(9), 9);
    EXPECT_EQ(keptInRange(15), 14);
    EXPECT_EQ(lineOfRow(0, 1), 0u);
    EXPECT_EQ(lineOfRow(14, 6), 19u); // the twentieth line is the last one reachable
}

TEST(MacroRulesTest, ArrowKeysMoveThroughTheRowsAndScrollPastTheEdges) {
    using S = ScrollStep;
    const struct {
        RowPosition at;
        ScrollStep step;
        RowPosition expected;
    } cases[] = {
        {{0, 1}, S::LineDown, {0, 2}},   {{0, 6}, S::LineDown, {1, 6}},
        {{14, 6}, S::LineDown, {14, 6}}, {{3, 4}, S::LineUp, {3, 3}},
        {{3, 1}, S::LineUp, {2, 1}},     {{0, 1}, S::LineUp, {0, 1}},
        {{2, 3}, S::PageDown, {7, 3}},   {{12, 5}, S::PageDown, {14, 5}},
        {{4, 2}, S::PageUp, {0, 2}},
    };
    for (const auto& c : cases) {
        const RowPosition moved = movedCursor(c.at, c.step);
        EXPECT_EQ(moved, c.expected)
            << c.at.top << "/" << c.at.row << " step " << static_cast<int>(c.step) << " gave "
            << moved.top << "/" << moved.row;
    }
}

TEST(MacroRulesTest, CommandNumberGrowsShrinksCutsAndRefuses) {
    using O = CommandNumberEdit::Outcome;
    const struct {
        const char* name;
        Lines before;
        std::size_t line;
        std::u16string typed;
        bool parametersEmpty;
        O outcome;
        std::string after;
    } cases[] = {
        {"below the last line grows the macro", macro({"010|x"}), 3, u"5", true, O::Stored,
         "[010|x][|][|][5|]"},
        {"one to three digits are a number", macro({"010|x"}), 0, u"123", false, O::Stored,
         "[123|x]"},
        {"a fourth character is cut", macro({}), 0, u"0501", true, O::Cut, "[050|]"},
        {"a letter is refused", macro({"010|x"}), 0, u"a", false, O::Invalid, "[|x]"},
        {"a blank is refused too", macro({}), 1, u" 1", true, O::Invalid, "[|][|]"},
        {"the emptied last line goes with the empty ones before it",
         macro({"010|x", "|", "|", "5|"}), 3, u"", true, O::Stored, "[010|x]"},
        {"a last line with parameters stays", macro({"010|x", "|", "5|p"}), 2, u"", false,
         O::Stored, "[010|x][|][|p]"},
        {"an emptied middle line stays as a blank line", macro({"010|", "020|", "030|"}), 1, u"",
         true, O::Stored, "[010|][|][030|]"},
        {"emptying the only line leaves no lines", macro({"010|"}), 0, u"", true, O::Stored, ""},
        {"an empty row below the last line changes nothing", macro({"010|"}), 4, u"", true,
         O::Stored, "[010|]"},
    };
    for (const auto& c : cases) {
        Lines lines = c.before;
        const CommandNumberEdit edit = editCommandNumber(lines, c.line, c.typed, c.parametersEmpty);
        EXPECT_EQ(edit.outcome, c.outcome) << c.name;
        EXPECT_EQ(shown(lines), c.after) << c.name;
    }
    Lines twenty = macro({"010|"});
    editCommandNumber(twenty, 19, u"9", true);
    ASSERT_EQ(twenty.size(), kMaxMacroLines);
    EXPECT_EQ(twenty[19].commandNumber, "9");
    EXPECT_TRUE(isBlank(twenty[18]));
    editCommandNumber(twenty, 19, u"", true);
    EXPECT_EQ(shown(twenty), "[010|]");

    Lines lines;
    EXPECT_EQ(editCommandNumber(lines, 0, u"0501", true).field, u"050");
    EXPECT_EQ(editCommandNumber(lines, 0, u"a", true).message,
              "a is an invalid entry!  Enter in a three digit command.");
}

TEST(MacroRulesTest, ParametersGrowShrinkAndLoseWhatTheDocumentCannotKeep) {
    const struct {
        const char* name;
        Lines before;
        std::size_t line;
        std::u16string typed;
        bool commandEmpty;
        std::string after;
        std::optional<std::u16string> fix;
    } cases[] = {
        {"typed below the last line", macro({"010|"}), 2, u"1 2", true, "[010|][|][|1 2]", {}},
        {"replaces the stored text", macro({"010|1"}), 0, u"1 2 3", false, "[010|1 2 3]", {}},
        {"emptied last line goes", macro({"010|", "|", "|x"}), 2, u"", true, "[010|]", {}},
        {"emptied beside a number stays",
         macro({"010|", "020|x"}),
         1,
         u"",
         false,
         "[010|][020|]",
         {}},
        {"a colon comes out first, nothing stored", macro({"010|1"}), 0, u"1:2", false, "[010|1]",
         u"12"},
        {"so does a semicolon", macro({}), 0, u"1;", true, "", u"1"},
    };
    for (const auto& c : cases) {
        Lines lines = c.before;
        const auto fix = editParameters(lines, c.line, c.typed, c.commandEmpty);
        EXPECT_EQ(shown(lines), c.after) << c.name;
        ASSERT_EQ(fix.has_value(), c.fix.has_value()) << c.name;
        if (fix) {
            EXPECT_EQ(fix->text, *c.fix) << c.name;
        }
    }
}

TEST(MacroRulesTest, CommentIsAbsentWhenEmptyAndItsListLineFollows) {
    MacroEntry m;
    CommentEdit edit = editComment(m, u"Morning ID");
    EXPECT_TRUE(edit.changed);
    EXPECT_EQ(m.comment, "Morning ID");
    EXPECT_FALSE(editComment(m, u"Morning ID").changed);
    edit = editComment(m, u"Morning: ID");
    ASSERT_TRUE(edit.fix);
    EXPECT_EQ(edit.fix->text, u"Morning ID");
    EXPECT_EQ(edit.fix->caret, 7u);
    EXPECT_EQ(m.comment, "Morning ID"); // stored when the cleaned text comes back
    EXPECT_TRUE(editComment(m, u"").changed);
    EXPECT_EQ(m.comment, std::nullopt);

    EXPECT_EQ(macroListLine("Macro 500", std::nullopt), "Macro 500");
    EXPECT_EQ(macroListLine("Macro 500", std::string()), "Macro 500");
    EXPECT_EQ(macroListLine("Macro 500", std::string("ID")), "Macro 500 - ID");
}

TEST(MacroRulesTest, InsertAndDeleteWorkOnTheCursorRowsLine) {
    const struct {
        const char* name;
        bool insert;
        Lines before;
        int top;
        int cursorRow;
        LineChange result;
        std::string after;
    } cases[] = {
        {"insert before the first line", true, macro({"010|", "020|"}), 0, 1, LineChange::Done,
         "[|][010|][020|]"},
        {"insert on a scrolled row", true, macro({"1|", "2|", "3|", "4|", "5|"}), 3, 2,
         LineChange::Done, "[1|][2|][3|][4|][|][5|]"},
        {"insert below the last line does nothing", true, macro({"010|"}), 0, 2,
         LineChange::BelowLastLine, "[010|]"},
        {"insert without a cursor row", true, macro({"010|"}), 0, 0, LineChange::NoCursorRow,
         "[010|]"},
        {"delete the first line", false, macro({"010|a", "020|b"}), 0, 1, LineChange::Done,
         "[020|b]"},
        {"delete on a scrolled row", false, macro({"1|", "2|", "3|", "4|", "5|"}), 2, 3,
         LineChange::Done, "[1|][2|][3|][4|]"},
        {"delete below the last line does nothing", false, macro({"010|"}), 0, 6,
         LineChange::BelowLastLine, "[010|]"},
        {"delete without a cursor row", false, macro({"010|"}), 0, 0, LineChange::NoCursorRow,
         "[010|]"},
    };
    for (const auto& c : cases) {
        Lines lines = c.before;
        const LineChange result = c.insert ? insertBlankLine(lines, c.top, c.cursorRow)
                                           : deleteLine(lines, c.top, c.cursorRow);
        EXPECT_EQ(result, c.result) << c.name;
        EXPECT_EQ(shown(lines), c.after) << c.name;
    }
    // Twenty lines are the most a macro holds, whether the cursor is set or not.
    for (int row : {0, 3}) {
        Lines full = blankLines(kMaxMacroLines);
        EXPECT_EQ(insertBlankLine(full, 0, row), LineChange::Full);
        EXPECT_EQ(full.size(), kMaxMacroLines);
    }
    Lines nineteen = blankLines(19);
    EXPECT_EQ(insertBlankLine(nineteen, 14, 1), LineChange::Done);
    EXPECT_EQ(nineteen.size(), kMaxMacroLines);
}

TEST(MacroRulesTest, WordNumbersAppendAfterABlankAndTheMessagesAreExact) {
    EXPECT_EQ(withWordNumber(u"", u"123"), u"123");
    EXPECT_EQ(withWordNumber(u"1", u"123"), u"1 123");
    EXPECT_EQ(withWordNumber(u"1 ", u"123"), u"1  123");
    EXPECT_EQ(withWordNumber(u"1", u"123456789"), u"1 1234567");
    EXPECT_EQ(noWordRowMessage("hello"),
              "Set the cursor to the line where you want the word number, associated with the "
              "word hello, appended to the parameter list.");
    EXPECT_EQ(kMacroFullMessage, "Cannont insert blank line.  Maximum has been reached.");
}

} // namespace
} // namespace merix
