#include "cli/Args.h"
#include "cli/CatalogFolder.h"
#include "cli/CliPrompter.h"
#include "cli/Commands.h"
#include "cli/OpenDocument.h"

#include "document/ConfigDocument.h"
#include "document/UnknownEntries.h"
#include "generator/CatalogLabels.h"
#include "generator/DocumentDiff.h"

#include <cstdio>

namespace merix::cli {

namespace {

// Like diff: equal, different, trouble.
constexpr int kDiffEqual = 0;
constexpr int kDiffDiffer = 1;
constexpr int kDiffTrouble = 2;

// Both documents are read over their own fresh copy of the same catalogs.
bool openBoth(ConfigDocument& a, ConfigDocument& b, const Args& args, const std::string& pathA,
              const std::string& pathB) {
    CliPrompter prompter;
    for (auto [doc, path] : {std::pair{&a, &pathA}, std::pair{&b, &pathB}}) {
        if (auto problem = useCatalogFolder(*doc, args)) {
            fail(*problem);
            return false;
        }
        if (!openDocument(*doc, *path, prompter))
            return false;
    }
    return true;
}

void tellUnknown(const ConfigDocument& doc, const std::string& path) {
    const std::size_t n = countUnknownEntries(doc, path);
    if (n == 1)
        std::fprintf(stderr, "1 entry of %s is not in the catalogs and was not compared.\n",
                     path.c_str());
    else if (n > 1)
        std::fprintf(stderr, "%zu entries of %s are not in the catalogs and were not compared.\n",
                     n, path.c_str());
}

} // namespace

int runDiff(int argc, char** argv) {
    const Args args(argc, argv, 2, {"passwords"});
    if (!args.ok({"catalogs", "passwords"}) || args.positional().size() != 2) {
        usage("diff A.mrx B.mrx [--catalogs DIR] [--passwords]");
        return kDiffTrouble;
    }
    const std::string& pathA = args.positional()[0];
    const std::string& pathB = args.positional()[1];
    ConfigDocument a;
    ConfigDocument b;
    if (!openBoth(a, b, args, pathA, pathB))
        return kDiffTrouble;
    tellUnknown(a, pathA);
    tellUnknown(b, pathB);

    const CatalogLabels labels = CatalogLabels::read(b);
    const auto differences = documentDifferences(a, b, labels, args.flag("passwords"));
    for (const FieldDifference& d : differences)
        std::printf("%s\n", d.line().c_str());
    return differences.empty() ? kDiffEqual : kDiffDiffer;
}

} // namespace merix::cli
