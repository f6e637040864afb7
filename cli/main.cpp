#include "cli/Args.h"
#include "cli/Commands.h"

#include <cstdio>
#include <cstring>

namespace {

const char* const kUsage =
    "usage: merix-cli COMMAND ...\n"
    "  new DOC [--catalogs DIR]\n"
    "  resave DOC [--catalogs DIR] [--out FILE]\n"
    "  generate DOC [--catalogs DIR] [--option last|init|all] [--explain]\n"
    "  diff A.mrx B.mrx [--catalogs DIR] [--passwords]\n"
    "  report DOC --format html|text [--catalogs DIR] [--passwords]\n"
    "  send FILE... --device PATH [--baud RATE] [--keep-comments] [--modem --phone NUMBER]\n"
    "  upload DOC [--catalogs DIR] [--device PATH] [--option last|init|all]\n";

} // namespace

int main(int argc, char** argv) {
    using namespace merix::cli;
    struct Entry {
        const char* name;
        int (*run)(int, char**);
    };
    static const Entry commands[] = {
        {"new", runNew},       {"resave", runResave}, {"generate", runGenerate}, {"send", runSend},
        {"upload", runUpload}, {"diff", runDiff},     {"report", runReport},
    };
    if (argc >= 2) {
        for (const Entry& c : commands)
            if (std::strcmp(argv[1], c.name) == 0)
                return c.run(argc, argv);
    }
    std::fputs(kUsage, stderr);
    return kExitUsage;
}
