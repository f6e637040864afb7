#pragma once

#include <cstddef>
#include <istream>
#include <string>

namespace merix {

// Longest piece of a command file line sent as one command; the line buffer adds the
// carriage return.
inline constexpr std::size_t kCommandPiece = 1499;

// Reads a command file as text: CR LF counts as one LF, and a line longer than a piece
// comes in pieces of kCommandPiece characters, the LF (if any) ending the last one.
class CommandLineReader {
public:
    explicit CommandLineReader(std::istream& in) : m_in(in) {}
    bool next(std::string& piece);

private:
    int get();

    std::istream& m_in;
};

// The bytes that go out for one piece: LF (or nothing) becomes CR; with stripComments a
// ";" ends the command and a comment line becomes empty. Empty means "send nothing".
std::string prepareCommandLine(const std::string& piece, bool stripComments);

} // namespace merix
