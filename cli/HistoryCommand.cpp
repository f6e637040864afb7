#include "cli/Args.h"
#include "cli/CliPrompter.h"
#include "cli/Commands.h"

#include "link/UploadHistory.h"

#include <cstdio>

namespace merix::cli {

namespace {

const char* const kHistoryUsage = "history DOC";

} // namespace

// Every upload of the document, oldest first: time, result, lines sent of all, option,
// endpoint.
int runHistory(int argc, char** argv) {
    const Args args(argc, argv, 2);
    if (!args.ok({}) || args.positional().size() != 1)
        return usage(kHistoryUsage);
    for (const HistoryEntry& e : readUploadHistory(args.positional()[0]))
        std::printf("%s %s %d/%d %s %s\n", e.time.c_str(), uploadResultWord(e.result), e.linesSent,
                    e.linesTotal, uploadOptionWord(e.option).c_str(), e.endpoint.c_str());
    return kExitOk;
}

} // namespace merix::cli
