#pragma once

#include "document/ConfigDocument.h"
#include "document/DocumentFile.h"
#include "document/SideFiles.h"
#include "generator/CommandFileGenerator.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace merix::test {

// An edit made on a screen, followed to the controller: the document is named and taken as
// uploaded before the edit, then saved and its changes generated, as Upload Command File does.
class CommandFileOfEdits {
  public:
    CommandFileOfEdits(ConfigDocument& doc, const std::string& path) : m_doc(doc) {
        m_doc.setDocumentPath(path);
        EXPECT_EQ(writeDocumentFile(m_doc, referenceCopyPath(path)), "");
    }

    // The command file's text holding what changed since construction.
    std::string generate(Prompter& prompter) {
        EXPECT_EQ(writeDocumentFile(m_doc, m_doc.documentPath()), "");
        const CommandFileResult result =
            generateCommandFile(m_doc, UploadOption::ChangesSinceLastUpload, prompter);
        EXPECT_TRUE(result.produced()) << result.message;
        return result.produced() ? readWhole(result.path) : std::string();
    }

  private:
    ConfigDocument& m_doc;
};

} // namespace merix::test
