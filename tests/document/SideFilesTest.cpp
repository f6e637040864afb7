#include "document/SideFiles.h"
#include "document/ConfigDocument.h"

#include <gtest/gtest.h>

using namespace merix;

TEST(SideFiles, ReplacesTextAfterLastDotOrAppends)
{
    EXPECT_EQ(referenceCopyPath("/home/op/MERX_1.MRX"), "/home/op/MERX_1.REF");
    EXPECT_EQ(initCopyPath("/home/op/site.v2.mrx"), "/home/op/site.v2.INI");
    EXPECT_EQ(settingsFilePath("/home/op/hill"), "/home/op/hill.SER");
    EXPECT_EQ(commandFilePath("hill."), "hill.CMD");
    // A dot in a folder name is not an extension.
    EXPECT_EQ(referenceCopyPath("/home/op/my.site/hill"), "/home/op/my.site/hill.REF");
}

TEST(FixedText, CutsToCapacityOnEveryAssignment)
{
    FixedText<4> t("ABCDEFG");
    EXPECT_EQ(t.str(), "ABC");
    t = std::string("XY");
    EXPECT_EQ(t.str(), "XY");
    t = "1234";
    EXPECT_EQ(t.str(), "123");
}

TEST(ConfigDocument, LookupIsExactCaseSensitiveFirstWins)
{
    ConfigDocument doc;
    doc.timers.resize(3);
    doc.timers[0].key = "Hang";
    doc.timers[1].key = "hang";
    doc.timers[2].key = "Hang";
    doc.timers[2].length = 7;
    EXPECT_EQ(doc.findTimer("Hang"), &doc.timers[0]);
    EXPECT_EQ(doc.findTimer("hang"), &doc.timers[1]);
    EXPECT_EQ(doc.findTimer("Han"), nullptr);
}
