#include "screens/MacroRules.h"

#include <algorithm>
#include <string_view>

namespace merix {

namespace {

// The fields read up to these many characters; the widgets take no more either.
constexpr std::size_t kTextLength = 999;
constexpr std::size_t kCommandNumberLength = 3;

bool allDigits(std::u16string_view text) {
    return std::all_of(text.begin(), text.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

bool isLastLine(const std::vector<MacroLine>& lines, std::size_t line) {
    return line + 1 == lines.size();
}

// An emptied field: the last line goes with the blank ones before it; any other keeps its
// place as a blank line.
template <typename Field>
void emptyField(std::vector<MacroLine>& lines, std::size_t line, bool otherFieldEmpty,
                Field field) {
    if (otherFieldEmpty && isLastLine(lines, line))
        shrinkFrom(lines, line);
    else if (line < lines.size())
        lines[line].*field = std::string();
}

} // namespace

std::size_t lineOfRow(int top, int row) {
    return static_cast<std::size_t>(top + row - 1);
}

int keptInRange(int top) {
    return std::clamp(top, 0, kLastTopLine);
}

int scrolledTop(int top, ScrollStep step) {
    switch (step) {
    case ScrollStep::LineUp:
        return keptInRange(top - 1);
    case ScrollStep::LineDown:
        return keptInRange(top + 1);
    case ScrollStep::PageUp:
        return keptInRange(top - kPageLines);
    case ScrollStep::PageDown:
        return keptInRange(top + kPageLines);
    case ScrollStep::Top:
        return 0;
    case ScrollStep::Bottom:
        return kLastTopLine;
    }
    return keptInRange(top);
}

RowPosition movedCursor(RowPosition at, ScrollStep step) {
    if (step == ScrollStep::LineUp && at.row > 1)
        return RowPosition{at.top, at.row - 1};
    if (step == ScrollStep::LineDown && at.row < kMacroRows)
        return RowPosition{at.top, at.row + 1};
    return RowPosition{scrolledTop(at.top, step), at.row};
}

bool isBlank(const MacroLine& line) {
    return std::string_view(line.commandNumber).empty() &&
           std::string_view(line.parameters).empty();
}

void growTo(std::vector<MacroLine>& lines, std::size_t line) {
    if (lines.size() < line + 1)
        lines.resize(line + 1);
}

void shrinkFrom(std::vector<MacroLine>& lines, std::size_t line) {
    if (!isLastLine(lines, line))
        return;
    lines.pop_back();
    while (!lines.empty() && isBlank(lines.back()))
        lines.pop_back();
}

CommandNumberEdit editCommandNumber(std::vector<MacroLine>& lines, std::size_t line,
                                    std::u16string_view typed, bool parametersEmpty) {
    using O = CommandNumberEdit::Outcome;
    if (typed.empty()) {
        emptyField(lines, line, parametersEmpty, &MacroLine::commandNumber);
        return {};
    }
    growTo(lines, line);
    if (typed.size() > kCommandNumberLength) {
        std::u16string kept(typed.substr(0, kCommandNumberLength));
        lines[line].commandNumber = toUtf8(kept);
        return CommandNumberEdit{O::Cut, std::move(kept), {}};
    }
    if (!allDigits(typed)) {
        lines[line].commandNumber = std::string();
        return CommandNumberEdit{O::Invalid, {}, invalidCommandNumberMessage(typed)};
    }
    lines[line].commandNumber = toUtf8(typed);
    return {};
}

std::optional<FieldFix> editParameters(std::vector<MacroLine>& lines, std::size_t line,
                                       std::u16string_view typed, bool commandNumberEmpty) {
    if (auto fix = withoutFirstLineBreaker(typed))
        return fix;
    if (typed.empty()) {
        emptyField(lines, line, commandNumberEmpty, &MacroLine::parameters);
        return std::nullopt;
    }
    growTo(lines, line);
    lines[line].parameters = toUtf8(typed.substr(0, kTextLength));
    return std::nullopt;
}

CommentEdit editComment(MacroEntry& macro, std::u16string_view typed) {
    if (auto fix = withoutFirstLineBreaker(typed))
        return CommentEdit{std::move(fix), false};
    std::optional<std::string> comment;
    if (!typed.empty())
        comment = toUtf8(typed.substr(0, kTextLength));
    const bool changed = comment != macro.comment;
    macro.comment = std::move(comment);
    return CommentEdit{std::nullopt, changed};
}

std::string macroListLine(std::string_view label, const std::optional<std::string>& comment) {
    std::string line(label);
    if (comment && !comment->empty()) {
        line += " - ";
        line += *comment;
    }
    return line;
}

LineChange insertBlankLine(std::vector<MacroLine>& lines, int top, int cursorRow) {
    if (lines.size() >= kMaxMacroLines)
        return LineChange::Full;
    if (cursorRow < 1 || cursorRow > kMacroRows)
        return LineChange::NoCursorRow;
    const std::size_t line = lineOfRow(top, cursorRow);
    if (line >= lines.size())
        return LineChange::BelowLastLine;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(line), MacroLine{});
    return LineChange::Done;
}

LineChange deleteLine(std::vector<MacroLine>& lines, int top, int cursorRow) {
    if (cursorRow < 1 || cursorRow > kMacroRows)
        return LineChange::NoCursorRow;
    const std::size_t line = lineOfRow(top, cursorRow);
    if (line >= lines.size())
        return LineChange::BelowLastLine;
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(line));
    return LineChange::Done;
}

std::u16string withWordNumber(std::u16string_view parameters, std::u16string_view number) {
    std::u16string out(parameters);
    if (!out.empty())
        out += u' ';
    out += number.substr(0, kWordNumberLength);
    return out;
}

std::string invalidCommandNumberMessage(std::u16string_view typed) {
    return toUtf8(typed) + " is an invalid entry!  Enter in a three digit command.";
}

std::string noWordRowMessage(std::string_view word) {
    return "Set the cursor to the line where you want the word number, associated with the "
           "word " +
           std::string(word) + ", appended to the parameter list.";
}

} // namespace merix
