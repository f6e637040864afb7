#include "GeneratorFixture.h"

namespace merix::test {
namespace {

using EverythingMode = GeneratorFixture;

void editEveryKindOfEntry(ConfigDocument& doc)
{
    UserEntry& president = doc.users[0];
    president.name = "Ann";
    president.enabled = 1;
    president.password = "4321";
    president.callSign = "wa1xk";
    president.autodialNumber = "(555) 123-4567";
    president.sendPredialDigits = 0;
    UserEntry& second = doc.users[1];
    second.password = "99";
    second.passwordMode = 1;
    second.challengeDigits = 2;
    second.autodialNumber = "911";

    doc.messages[1].text = "Hello  nowhere world";
    doc.messages[2].interruptAction = "COMMAND";
    doc.messages[2].interruptCommand = "5";

    doc.macros[0].lines = {{"5", "1 2"}, {"123", ""}, {"", "dropped"}};

    doc.events[0].commandNumber = "200";
    doc.events[0].period = 0;
    doc.events[0].minutes = 30;
    doc.events[1].commandNumber = "036";
    doc.events[1].period = 2;
    doc.events[1].dayName = "Saturday";
    doc.events[1].hour = 7;
    doc.events[1].minutes = 5;
    doc.events[1].amPm = 1;
    doc.events[2].commandNumber = "201";
    doc.events[2].period = 4;
    doc.events[2].monthName = "march";
    doc.events[2].dayOfMonth = 17;

    doc.commands[0].portEnabled = {1, 0, 1, 0, 0, 0, 0, 0};
}

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
