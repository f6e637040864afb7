// A command file of any bytes, read the way the upload reads it, prepared both with and
// without comment stripping, and sent over a link whose controller accepts every line.
#include "fuzz/FakeController.h"
#include "fuzz/FuzzSupport.h"
#include "link/CommandLines.h"
#include "link/ControllerLink.h"
#include "link/UploadJob.h"
#include "link/UploadSettings.h"
#include "tests/support/LentPort.h"

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

using namespace merix;
using merix::fuzz::fail;

namespace {

// Text mode: a CR LF pair reads as one LF.
std::string asText(std::string_view bytes)
{
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (!(bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n'))
            out.push_back(bytes[i]);
    return out;
}

std::vector<std::string> readPieces(std::string_view input)
{
    std::istringstream in{std::string(input)};
    CommandLineReader reader(in);
    std::vector<std::string> pieces;
    std::string joined;
    for (std::string piece; reader.next(piece);) {
        const bool ended = !piece.empty() && piece.back() == '\n';
        if (piece.size() - (ended ? 1 : 0) > kCommandPiece)
            fail("a piece is longer than the line buffer");
        if (piece.empty())
            fail("an empty piece");
        joined += piece;
        pieces.push_back(piece);
        if (pieces.size() > input.size())
            fail("more pieces than bytes");
    }
    if (joined != asText(input))
        fail("the pieces do not add up to the file");
    return pieces;
}

void checkPrepared(const std::string& piece, bool strip)
{
    const std::string line = prepareCommandLine(piece, strip);
    if (line.empty())
        return;
    if (line.back() != '\r' || line.size() > kCommandPiece + 1)
        fail("a prepared line does not end in its one carriage return");
    if (line.find('\n') != std::string::npos)
        fail("a line feed would go to the controller");
    if (strip && line.find(';') != std::string::npos)
        fail("a comment would go to the controller");
}

// Sends the file on a connected link and checks that exactly the prepared lines went out, and
// that the upload counted beforehand the lines it then sent.
void sendAll(std::string_view input, const std::vector<std::string>& pieces, bool strip)
{
    fuzz::VirtualClock clock;
    fuzz::ScriptedPort port(clock);
    port.nextRead = [] { return fuzz::ScriptedPort::Read{true, "OK\r\nDTMF>"}; };
    fuzz::BoundedOutput output;
    ControllerLink link(clock, output, test::lend(port));
    UploadSettings settings;
    if (!link.connect(settings))
        fail("the accepting controller did not connect");
    port.written.clear();

    const std::string file = fuzz::writeScratchFile("lines.CMD", input);
    UploadJob job(link, clock);
    const UploadOutcome outcome = job.run(otherFilesPlan({file}, strip));
    if (outcome.result != UploadResult::Completed || !outcome.messages.empty())
        fail("a controller that accepts everything gave an error");
    std::vector<std::string> expected;
    for (const std::string& piece : pieces)
        if (std::string line = prepareCommandLine(piece, strip); !line.empty())
            expected.push_back(line);
    if (port.written != expected)
        fail("what went out differs from the prepared lines");
    if (outcome.linesTotal != static_cast<int>(expected.size()) ||
        outcome.linesSent != outcome.linesTotal)
        fail("the lines counted before the upload are not the lines it sent");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input = fuzz::bytes(data, size);
    const std::vector<std::string> pieces = readPieces(input);
    for (const std::string& piece : pieces) {
        checkPrepared(piece, true);
        checkPrepared(piece, false);
    }
    sendAll(input, pieces, (size & 1) != 0);
    return 0;
}
