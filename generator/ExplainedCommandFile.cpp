#include "generator/ExplainedCommandFile.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <unordered_map>

namespace merix {

namespace {

// Explanations start in this column unless the command line reaches past it.
constexpr std::size_t kExplanationColumn = 40;

// Beside the characters both ways, the controller takes about this long to act on a line
// and prompt again.
constexpr double kControllerSecondsPerLine = 0.7;
// Its answer besides the echo: "\r\nOK\r\nDTMF>".
constexpr std::size_t kAnswerCharacters = 12;
// Start bit, eight data bits, stop bit.
constexpr double kBitsPerCharacter = 10.0;

std::string plural(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + ' ' + (n == 1 ? one : many);
}

std::string duration(double seconds) {
    const long s = std::lround(seconds);
    if (s < 120)
        return std::to_string(s) + " s";
    const long minutes = std::lround(seconds / 60.0);
    if (minutes < 120)
        return std::to_string(minutes) + " min";
    return std::to_string(minutes / 60) + " h " + std::to_string(minutes % 60) + " min";
}

// The characters of a line that go out, as the sender cuts them; 0 when nothing is sent.
std::size_t sentCharacters(std::string_view text, bool stripComments) {
    if (text.empty())
        return 0;
    if (stripComments) {
        if (text.front() == ';')
            return 0;
        text = text.substr(0, text.find(';'));
    }
    return text.size() + 1; // the carriage return
}

} // namespace

bool ExplainedLine::isCommand() const {
    const auto first = text.find_first_not_of(" \t");
    return first != std::string::npos && text[first] != ';';
}

std::size_t ExplainedCommandFile::unknownLines() const {
    return static_cast<std::size_t>(std::count_if(
        lines.begin(), lines.end(), [](const ExplainedLine& l) { return l.isUnknown(); }));
}

std::string explainedText(const ExplainedCommandFile& file) {
    std::string out;
    for (const ExplainedLine& line : file.lines) {
        out += line.text;
        if (line.isCommand()) {
            out.append(std::max<std::size_t>(2, kExplanationColumn -
                                                    std::min(kExplanationColumn, line.text.size())),
                       ' ');
            out += line.explanation ? line.explanation->text() : "unknown";
        }
        out += '\n';
    }
    return out;
}

ExplainedCommandFile matchCommandFile(const ExplainedCommandFile& generated, std::istream& file) {
    // Where each explained line stands in the generated file, in order.
    std::unordered_map<std::string_view, std::vector<std::size_t>> places;
    for (std::size_t i = 0; i < generated.lines.size(); ++i)
        if (generated.lines[i].explanation)
            places[generated.lines[i].text].push_back(i);

    ExplainedCommandFile matched;
    std::size_t cursor = 0;
    std::string text;
    while (std::getline(file, text)) {
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        ExplainedLine& line = matched.lines.emplace_back();
        line.text = std::move(text);
        if (!line.isCommand())
            continue;
        const auto found = places.find(line.text);
        if (found == places.end())
            continue;
        // The next place after the last one taken keeps repeated lines (the same chord
        // twice in a macro) in step; a line met again out of order takes its first place.
        const std::vector<std::size_t>& at = found->second;
        const auto next = std::lower_bound(at.begin(), at.end(), cursor);
        const std::size_t place = next != at.end() ? *next : at.front();
        if (next != at.end())
            cursor = place + 1;
        line.explanation = generated.lines[place].explanation;
    }
    return matched;
}

UploadSummary summarize(const ExplainedCommandFile& file, bool stripComments, long baud) {
    UploadSummary s;
    std::set<std::pair<std::string_view, std::string_view>> entries;
    std::set<std::string_view> sections;
    std::size_t characters = 0;
    for (const ExplainedLine& line : file.lines) {
        if (const std::size_t sent = sentCharacters(line.text, stripComments); sent > 0) {
            ++s.lines;
            characters += 2 * sent + kAnswerCharacters; // the controller echoes the line
        }
        if (line.explanation && line.explanation->section != kPreambleSection) {
            entries.emplace(line.explanation->section, line.explanation->label);
            sections.insert(line.explanation->section);
        }
    }
    s.changes = entries.size();
    s.sections = sections.size();
    const double rate = baud > 0 ? static_cast<double>(baud) : 9600.0;
    s.seconds = static_cast<double>(characters) * kBitsPerCharacter / rate +
                static_cast<double>(s.lines) * kControllerSecondsPerLine;
    return s;
}

std::string summaryText(const UploadSummary& s, long baud) {
    return plural(s.changes, "change", "changes") + " in " +
           plural(s.sections, "section", "sections") + ", " + plural(s.lines, "line", "lines") +
           ", about " + duration(s.seconds) + " at " + std::to_string(baud > 0 ? baud : 9600) +
           " baud";
}

} // namespace merix
