#include "link/CommandLines.h"

namespace merix {

int CommandLineReader::get()
{
    std::streambuf* buf = m_in.rdbuf();
    if (!buf)
        return EOF;
    const int c = buf->sbumpc();
    if (c == '\r' && buf->sgetc() == '\n')
        return buf->sbumpc();
    return c;
}

bool CommandLineReader::next(std::string& piece)
{
    piece.clear();
    while (piece.size() < kCommandPiece) {
        const int c = get();
        if (c == EOF)
            break;
        piece.push_back(static_cast<char>(c));
        if (c == '\n')
            break;
    }
    return !piece.empty();
}

std::string prepareCommandLine(const std::string& piece, bool stripComments)
{
    if (piece.empty() || piece == "\n")
        return {};
    std::string line = piece;
    if (line.back() == '\n')
        line.back() = '\r';
    else
        line.push_back('\r');
    if (stripComments) {
        if (line.front() == ';')
            return {};
        const auto semicolon = line.find(';');
        if (semicolon != std::string::npos) {
            line.resize(semicolon);
            line.push_back('\r');
        }
    }
    return line;
}

} // namespace merix
