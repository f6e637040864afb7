#pragma once

#include "document/Records.h"
#include "screens/TypedText.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace merix {

// The line grid of the Macros screen, apart from the widgets: six rows over the lines of the
// current macro, which grows as the user types below its last line and shrinks as its last
// line is emptied.

inline constexpr int kMacroRows = 6;
inline constexpr std::size_t kMaxMacroLines = 20;
inline constexpr int kLastTopLine = 14; // the sixth row then shows the twentieth line
inline constexpr int kPageLines = 5;

// The line row `row` (1..6) shows while the first row shows line `top`.
std::size_t lineOfRow(int top, int row);

enum class ScrollStep { LineUp, LineDown, PageUp, PageDown, Top, Bottom };
int scrolledTop(int top, ScrollStep step);
// Where a dragged thumb leaves the first row: within 0..14.
int keptInRange(int top);

// Where the cursor goes when the arrow and page keys move it through the rows: to the row
// above or below, and past the first or sixth row by scrolling the lines under it.
struct RowPosition {
    int top = 0;
    int row = 1;
    bool operator==(const RowPosition&) const = default;
};
RowPosition movedCursor(RowPosition at, ScrollStep step);

bool isBlank(const MacroLine& line);
// Makes the macro at least line + 1 lines long, the new lines blank.
void growTo(std::vector<MacroLine>& lines, std::size_t line);
// When `line` is the last line: removes it and the blank lines before it, back to the last
// line with something in it.
void shrinkFrom(std::vector<MacroLine>& lines, std::size_t line);

// What typing into a row's command-number field did.
struct CommandNumberEdit {
    enum class Outcome {
        Stored,  // nothing for the field to do
        Cut,     // the field keeps `field` (three characters), the focus goes to the parameters
        Invalid, // `message` for the user; line and field emptied
    };
    Outcome outcome = Outcome::Stored;
    std::u16string field;
    std::string message;
};

// The command-number field of the row showing `line` now reads `typed`, beside a parameters
// field that is empty or not. Up to three digits are a command number.
CommandNumberEdit editCommandNumber(std::vector<MacroLine>& lines, std::size_t line,
                                    std::u16string_view typed, bool parametersEmpty);

// The parameters field of the row showing `line` now reads `typed`. A character the document
// cannot keep comes out first (the fix, nothing stored); otherwise the text is stored.
std::optional<FieldFix> editParameters(std::vector<MacroLine>& lines, std::size_t line,
                                       std::u16string_view typed, bool commandNumberEmpty);

// The comment field now reads `typed`: cleaned first like the parameters, then stored, absent
// when empty.
struct CommentEdit {
    std::optional<FieldFix> fix;
    bool changed = false; // the stored comment changed: its list line must follow
};
CommentEdit editComment(MacroEntry& macro, std::u16string_view typed);

// A line of the macros list: the label, and " - " and the comment when there is one.
std::string macroListLine(std::string_view label, const std::optional<std::string>& comment);

enum class LineChange { Done, Full, NoCursorRow, BelowLastLine };
// A blank line in place of the cursor row's line, the lines from there on moving down.
LineChange insertBlankLine(std::vector<MacroLine>& lines, int top, int cursorRow);
// The cursor row's line removed, the lines after it moving up.
LineChange deleteLine(std::vector<MacroLine>& lines, int top, int cursorRow);

// A word's number appended to a row's parameters, after a blank unless they are empty.
std::u16string withWordNumber(std::u16string_view parameters, std::u16string_view number);
// A word's number holds at most seven characters.
inline constexpr std::size_t kWordNumberLength = 7;

std::string invalidCommandNumberMessage(std::u16string_view typed);
inline constexpr std::string_view kMacroFullMessage =
    "Cannont insert blank line.  Maximum has been reached.";
inline constexpr std::string_view kNoInsertRowMessage =
    "Set the cursor to the line where you want to insert a blank line.";
inline constexpr std::string_view kNoDeleteRowMessage =
    "Set the cursor to the line you want to delete.";
std::string noWordRowMessage(std::string_view word);

} // namespace merix
