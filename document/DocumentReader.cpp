#include "document/ConfigDocument.h"
#include "document/DocumentFile.h"
#include "document/DocumentInput.h"
#include "document/DocumentSections.h"

#include <charconv>

namespace merix {

namespace {

// The header line is recognized by its first 199 characters.
constexpr std::size_t kHeaderLineCapacity = 199;

// The number that begins four characters after "VER" in the header cut at its ']'.
// Read without the locale, so a decimal comma setting cannot turn 1.5 into 1.
double headerVersion(std::string_view header) {
    header = header.substr(0, header.find(']'));
    const auto ver = header.find("VER");
    if (ver == std::string_view::npos || ver + 4 > header.size())
        return 0.0;
    std::string_view number = header.substr(ver + 4);
    while (!number.empty() && (number.front() == ' ' || number.front() == '\t'))
        number.remove_prefix(1);
    if (!number.empty() && number.front() == '+')
        number.remove_prefix(1);
    double version = 0.0;
    if (std::from_chars(number.data(), number.data() + number.size(), version).ec != std::errc())
        return 0.0;
    return version;
}

void readSections(ConfigDocument& doc, DocumentInput& in, const DocumentFeatures& f) {
    readTimerSection(doc, in, in.count());
    if (!in.nextSection())
        return;
    readMessageSection(doc, in, in.count(), f);
    if (f.dvrSection) {
        if (!in.nextSection())
            return;
        readDvrSection(doc, in, in.count());
    }
    if (!in.nextSection())
        return;
    readUserSection(doc, in, in.count(), f);
    if (!in.nextSection())
        return;
    readIoSection(doc, in, in.count(), f);
    if (!in.nextSection())
        return;
    readCommandSection(doc, in, in.count());
    if (!in.nextSection())
        return;
    readMacroSection(doc, in, in.count());
    if (!in.nextSection())
        return;
    readEventSection(doc, in, in.count());
    if (!in.nextSection())
        return;
    readBeepSection(doc, in, in.count(), f);
    if (!in.nextSection())
        return;
    readToneSection(doc, in, in.count());
    if (f.miscSection && in.nextSection())
        readPortSection(doc, in, in.count());
}

} // namespace

bool readDocumentFile(ConfigDocument& doc, const std::string& path) {
    LineReader reader(path);
    if (!reader.isOpen())
        return false;
    DocumentInput in(reader);
    const double version = headerVersion(in.rawLine().value_or(std::string_view()));
    doc.setDocumentVersion(version);
    in.rawLine(); // the empty line
    in.rawLine(); // [TIMERS]
    readSections(doc, in, DocumentFeatures(version));
    return true;
}

bool isDocumentFile(const std::string& path) {
    LineReader reader(path);
    const std::string_view first =
        reader.nextLine(kHeaderLineCapacity).value_or(std::string_view());
    const auto bracket = first.find(']');
    return bracket != std::string_view::npos &&
           first.substr(0, bracket).find("VER") != std::string_view::npos;
}

} // namespace merix
