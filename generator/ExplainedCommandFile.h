#pragma once

#include "generator/Explanation.h"
#include "generator/SectionNames.h"

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace merix {

// One line of a command file, as the file holds it (without its line end), with what it
// sets when it is a command line the generator explained.
struct ExplainedLine {
    std::string text;
    std::optional<Explanation> explanation;

    // A command line is neither blank nor a comment; one without an explanation is unknown.
    bool isCommand() const;
    bool isUnknown() const { return isCommand() && !explanation; }
};

// The explained lines of a whole command file.
struct ExplainedCommandFile {
    std::vector<ExplainedLine> lines;
    // The message of a failed run (a missing lookup list): the lines then stop early.
    std::string message;

    std::size_t unknownLines() const;
};

// The explained file as text: every line as in the file; a command line then gets at
// least two blanks and its explanation, or "unknown". Lines end in "\n".
std::string explainedText(const ExplainedCommandFile& file);

// The lines of a command file read from disk, each explained when the generator wrote it:
// `generated` holds every line the generator can write (everything mode), in order. A line
// it does not hold stays without explanation (unknown).
ExplainedCommandFile matchCommandFile(const ExplainedCommandFile& generated, std::istream& file);

// What an upload of the file amounts to.
struct UploadSummary {
    std::size_t changes = 0;  // entries the command lines set, the preamble not counted
    std::size_t sections = 0; // sections those entries are in
    std::size_t lines = 0;    // lines sent to the controller
    double seconds = 0;       // at the given baud rate
};
UploadSummary summarize(const ExplainedCommandFile& file, bool stripComments, long baud);

// "14 changes in 4 sections, 57 lines, about 45 s at 9600 baud"
std::string summaryText(const UploadSummary& summary, long baud);

} // namespace merix
