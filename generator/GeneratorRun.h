#pragma once

#include "document/UploadOption.h"
#include "generator/CommandText.h"
#include "generator/SectionChanges.h"

#include <optional>
#include <string>

namespace merix {

class ConfigDocument;

// The pieces of one generator run, shared by the command file and its explanation.

// The copy the upload option compares with, when that option compares and the copy exists.
std::optional<std::string> comparedCopyPath(const ConfigDocument& doc, UploadOption option);

// The change flags of the document file on disk against the chosen copy; everything when
// nothing is compared. Empty when the document file cannot be read.
std::optional<DocumentChanges> compareWithCopy(const ConfigDocument& doc, UploadOption option);

// The whole command file from the preamble to the end marker. Returns the message of a
// missing lookup list, after which the text stops behind the timers.
std::string writeCommandText(CommandText& out, const ConfigDocument& doc,
                             const DocumentChanges& changes);

} // namespace merix
