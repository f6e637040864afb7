#pragma once

#include "document/ConfigDocument.h"
#include "document/Prompter.h"
#include "generator/CommandFileGenerator.h"
#include "tests/support/TempDir.h"

#include <string>

namespace merix::test {

// The command file generated with everything in it from the document as the screen left it,
// written as TEST.CMD into `folder`; empty when none was made.
inline std::string generatedCommandFile(ConfigDocument& doc, const std::string& folder,
                                        Prompter& prompter) {
    doc.setDocumentPath(folder + "/TEST.mrx");
    const CommandFileResult result = generateCommandFile(doc, UploadOption::Everything, prompter);
    return result.produced() ? readWhole(result.path) : std::string();
}

} // namespace merix::test
