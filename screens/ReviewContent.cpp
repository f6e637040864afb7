#include "screens/ReviewContent.h"

#include "document/ConfigDocument.h"
#include "document/LeadingInteger.h"
#include "generator/CommandFileExplanation.h"
#include "link/UploadSettings.h"

namespace merix {

namespace {

std::string unknownNotice(std::size_t unknown) {
    if (unknown == 0)
        return {};
    if (unknown == 1)
        return "1 line of the command file was not written by the generator; it is marked unknown.";
    return std::to_string(unknown) +
           " lines of the command file were not written by the generator; they are marked unknown.";
}

std::string explainedName(const std::string& documentPath) {
    const auto dot = documentPath.find_last_of('.');
    const auto slash = documentPath.find_last_of('/');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? documentPath.substr(0, dot) : documentPath) + "-explained.txt";
}

ReviewContent complete(ExplainedCommandFile file, const ConfigDocument& doc,
                       const UploadSettings& settings) {
    ReviewContent c;
    const long baud = leadingInteger(settings.baudRate.view());
    c.summary = summaryText(summarize(file, settings.stripComments != 0, baud), baud);
    c.notice = file.message;
    if (const std::string unknown = unknownNotice(file.unknownLines()); !unknown.empty())
        c.notice += (c.notice.empty() ? "" : "  ") + unknown;
    c.suggestedName = explainedName(doc.documentPath());
    c.file = std::move(file);
    return c;
}

} // namespace

ReviewContent reviewOfCommandFile(const ConfigDocument& doc, const UploadSettings& settings,
                                  const std::string& commandFilePath) {
    return complete(explainCommandFile(doc, settings.uploadOption, commandFilePath), doc, settings);
}

ReviewContent reviewOfUpload(const ConfigDocument& doc, const UploadSettings& settings) {
    return complete(explainUpload(doc, settings.uploadOption), doc, settings);
}

} // namespace merix
