#include "GeneratorFixture.h"

namespace merix::test {
namespace {

using EverythingMode = GeneratorFixture;

TEST_F(EverythingMode, CatalogDefaultsGiveTheWholeFileInTextMode)
{
    const CommandFileResult result = generate(UploadOption::Everything);
    EXPECT_EQ(result.path, commandFile().string());
    EXPECT_TRUE(result.message.empty());
    EXPECT_TRUE(prompter.boxes.empty());
    EXPECT_EQ(readWhole(commandFile()), expected("everything-defaults.CMD"));
    EXPECT_EQ(busy.shown, 1);
    EXPECT_EQ(busy.depth, 0);
}

TEST_F(EverythingMode, EditedEntriesOfEverySection)
{
    editEveryKindOfEntry(doc);
    ASSERT_TRUE(generate(UploadOption::Everything).produced());
    EXPECT_EQ(readWhole(commandFile()), expected("everything-edited.CMD"));
}

TEST_F(EverythingMode, AMissingCopyWritesEverything)
{
    editEveryKindOfEntry(doc);
    for (UploadOption option :
         {UploadOption::ChangesSinceLastUpload, UploadOption::ChangesSinceInitialization,
          static_cast<UploadOption>(7)}) {
        std::filesystem::remove(commandFile());
        ASSERT_TRUE(generate(option).produced()) << static_cast<int>(option);
        EXPECT_EQ(readWhole(commandFile()), expected("everything-edited.CMD"))
            << static_cast<int>(option);
    }
}

} // namespace
} // namespace merix::test
