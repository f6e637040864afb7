#pragma once

#include "generator/CommandFileGenerator.h"
#include "generator/ExplainedCommandFile.h"

#include <string>

namespace merix {

class BusyIndicator;
class ConfigDocument;
class Prompter;

// What a run wrote and what each of its lines sets.
struct ExplainedRun {
    CommandFileResult result;
    ExplainedCommandFile file;
};

// Writes the command file exactly as generateCommandFile does and explains every line of it
// from the catalogs' labels, with the values the compared copy held.
ExplainedRun generateExplainedCommandFile(const ConfigDocument& doc, UploadOption option,
                                          Prompter& prompter, BusyIndicator* busy = nullptr);

// What an upload of the document as it stands in memory would send with this option,
// explained, without writing anything: the document is compared as it would be saved.
ExplainedCommandFile explainUpload(const ConfigDocument& doc, UploadOption option);

// The lines of a command file on disk (as generated, edited or not), each explained when it
// is a line the generator writes for this document; the values before come from the copy
// the option compares with. A file that cannot be read gives no lines and a message.
ExplainedCommandFile explainCommandFile(const ConfigDocument& doc, UploadOption option,
                                        const std::string& commandFilePath);

} // namespace merix
