#include "cli/Args.h"
#include "cli/CatalogFolder.h"
#include "cli/CliPrompter.h"
#include "cli/Commands.h"
#include "cli/OpenDocument.h"

#include "document/ConfigDocument.h"
#include "document/UnknownEntries.h"
#include "generator/CatalogLabels.h"
#include "generator/ConfigurationReport.h"

#include <cstdio>
#include <ctime>

namespace merix::cli {

namespace {

const char* const kReportUsage = "report DOC --format html|text [--catalogs DIR] [--passwords]";

std::string now() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

} // namespace

int runReport(int argc, char** argv) {
    const Args args(argc, argv, 2, {"passwords"});
    const std::string format = args.value("format").value_or("");
    if (!args.ok({"catalogs", "format", "passwords"}) || args.positional().size() != 1 ||
        (format != "html" && format != "text"))
        return usage(kReportUsage);
    const std::string path = args.positional()[0];

    ConfigDocument doc;
    if (auto problem = useCatalogFolder(doc, args))
        return fail(*problem);
    CliPrompter prompter;
    if (!openDocument(doc, path, prompter))
        return kExitFailure;

    ReportOptions options;
    options.showPasswords = args.flag("passwords");
    options.generatedOn = now();
    options.unknownEntries = countUnknownEntries(doc, path);
    const ConfigurationReport report = buildReport(doc, CatalogLabels::read(doc), options);
    const std::string text = format == "html" ? reportHtml(report) : reportText(report);
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
        return fail("Unable to write the report.");
    return kExitOk;
}

} // namespace merix::cli
