// Two document files of any bytes, read over the shipped catalogs, compared field by field and
// written as a configuration report: the comparison and the report must take whatever a
// document holds, and the report page must stay UTF-8 whatever bytes the values carry.
#include "document/CatalogLoader.h"
#include "document/ConfigDocument.h"
#include "document/DocumentFile.h"
#include "document/UnknownEntries.h"
#include "fuzz/FuzzSupport.h"
#include "generator/CatalogLabels.h"
#include "generator/ConfigurationReport.h"
#include "generator/DocumentDiff.h"

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

using namespace merix;

namespace {

const ConfigDocument& sampleDocument() {
    static const ConfigDocument doc = [] {
        ConfigDocument d;
        d.setStartupDirectory(fuzz::copySampleCatalogs("startup"));
        fuzz::SilentPrompter prompter;
        if (!loadCatalogs(d, prompter) || prompter.informed != 0)
            fuzz::fail("the sample catalogs do not load");
        return d;
    }();
    return doc;
}

const CatalogLabels& labels() {
    static const CatalogLabels l = CatalogLabels::read(sampleDocument());
    return l;
}

bool isUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<std::uint8_t>(s[i]);
        const std::size_t n = b < 0x80                ? 1
                              : b >= 0xC2 && b < 0xE0 ? 2
                              : b >= 0xE0 && b < 0xF0 ? 3
                              : b >= 0xF0 && b < 0xF5 ? 4
                                                      : 0;
        if (n == 0 || i + n > s.size())
            return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<std::uint8_t>(s[i + k]) & 0xC0) != 0x80)
                return false;
        i += n;
    }
    return true;
}

ConfigDocument read(std::string_view text, const char* name) {
    ConfigDocument doc = sampleDocument();
    const std::string path = fuzz::writeScratchFile(name, text);
    if (!readDocumentFile(doc, path))
        fuzz::fail("a document written a moment ago could not be read");
    countUnknownEntries(doc, path);
    return doc;
}

} // namespace

// The input is two documents: the bytes before the first NUL and the bytes after it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = fuzz::bytes(data, size);
    const std::size_t cut = std::min(input.find('\0'), input.size());
    const ConfigDocument a = read(input.substr(0, cut), "a.mrx");
    const ConfigDocument b = read(input.substr(std::min(cut + 1, input.size())), "b.mrx");

    for (const FieldDifference& d : documentDifferences(a, b, labels(), size % 2 == 0))
        d.line();
    if (size % 7 == 0 && !documentDifferences(b, b, labels(), true).empty())
        fuzz::fail("a document differs from itself");

    ReportOptions options;
    options.showPasswords = size % 2 == 0;
    const ConfigurationReport report = buildReport(b, labels(), options);
    if (size % 3 == 0)
        reportText(report);
    else if (!isUtf8(reportHtml(report)))
        fuzz::fail("the report page is not UTF-8");
    return 0;
}
