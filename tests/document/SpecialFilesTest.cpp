#include "document/DocumentFile.h"
#include "document/LineReader.h"
#include "document/LookupList.h"

#include <gtest/gtest.h>

using namespace merix;

// A device that never ends a line (picked by mistake in a file dialog) must not hang a reader.
TEST(SpecialFiles, EndlessDevicesAreNotReadAsText)
{
    EXPECT_FALSE(LineReader("/dev/zero").isOpen());
    EXPECT_FALSE(LineReader("/dev/urandom").isOpen());
    EXPECT_FALSE(isDocumentFile("/dev/zero"));
    EXPECT_FALSE(readLookupList("/dev/zero", 199).has_value());
    EXPECT_FALSE(LineReader("/tmp").isOpen());
}

#include "document/CatalogLoader.h"
#include "document/ConfigDocument.h"
#include "tests/support/RecordingPrompter.h"

#include <filesystem>
#include <unistd.h>

// Catalogs in a folder whose path is longer than the old 99-character limit are still found.
TEST(SpecialFiles, CatalogsInADeepFolderLoad)
{
    namespace fs = std::filesystem;
    std::string pattern = (fs::temp_directory_path() / "merix-deep-XXXXXX").string();
    const fs::path root = ::mkdtemp(pattern.data());
    const fs::path deep = root / std::string(120, 'd');
    fs::create_directories(deep);
    for (const auto& entry : fs::directory_iterator(MERIX_SAMPLE_CATALOGS))
        fs::copy_file(entry.path(), deep / entry.path().filename());

    ConfigDocument doc;
    doc.setStartupDirectory(deep.string());
    test::RecordingPrompter prompter;
    EXPECT_TRUE(loadCatalogs(doc, prompter));
    EXPECT_TRUE(prompter.boxes.empty());
    EXPECT_FALSE(doc.timers.empty());
    fs::remove_all(root);
}
