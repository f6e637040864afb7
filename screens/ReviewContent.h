#pragma once

#include "generator/ExplainedCommandFile.h"

#include <string>

namespace merix {

class ConfigDocument;
struct UploadSettings;

// What the Review window shows: the explained lines, the summary of the upload and what the
// user should know besides (a missing word list, lines the generator did not write).
struct ReviewContent {
    ExplainedCommandFile file;
    std::string summary;
    std::string notice;
    std::string suggestedName; // for Save As: beside the document
};

// The command file of an upload that is about to be sent (the Terminal Window's), line by line.
ReviewContent reviewOfCommandFile(const ConfigDocument& doc, const UploadSettings& settings,
                                  const std::string& commandFilePath);

// What Upload Command File would send for the document as it stands, nothing written.
ReviewContent reviewOfUpload(const ConfigDocument& doc, const UploadSettings& settings);

} // namespace merix
