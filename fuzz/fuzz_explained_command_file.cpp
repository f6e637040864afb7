// A command file of any bytes, explained line by line against everything the generator writes
// for the shipped catalogs' defaults: every line of the file comes back once, as it was.
#include "document/CatalogLoader.h"
#include "document/ConfigDocument.h"
#include "fuzz/FuzzSupport.h"
#include "generator/CommandFileExplanation.h"

#include <cstdint>
#include <sstream>
#include <string>

using namespace merix;

namespace {

const ExplainedCommandFile& everything() {
    static const ExplainedCommandFile file = [] {
        ConfigDocument d;
        d.setStartupDirectory(fuzz::copySampleCatalogs("startup"));
        fuzz::SilentPrompter prompter;
        if (!loadCatalogs(d, prompter) || prompter.informed != 0)
            fuzz::fail("the sample catalogs do not load");
        d.setDocumentPath(fuzz::scratchPath("sample.mrx"));
        ExplainedCommandFile f = explainUpload(d, UploadOption::Everything);
        if (!f.message.empty() || f.unknownLines() != 0)
            fuzz::fail("the sample's own command file is not explained whole");
        return f;
    }();
    return file;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(fuzz::bytes(data, size));
    std::istringstream in(input);
    const ExplainedCommandFile matched = matchCommandFile(everything(), in);

    std::string again;
    for (const ExplainedLine& line : matched.lines)
        again += line.text + '\n';
    // The lines as read: CR LF and LF end a line, a last line may lack its end.
    std::string expected;
    std::istringstream copy(input);
    for (std::string line; std::getline(copy, line);)
        expected += (line.ends_with('\r') ? line.substr(0, line.size() - 1) : line) + '\n';
    if (again != expected)
        fuzz::fail("the explained file does not hold the lines of the file");
    explainedText(matched);
    return 0;
}
