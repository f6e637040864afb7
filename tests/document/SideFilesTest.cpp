#include "document/SideFiles.h"
#include "document/ConfigDocument.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace merix;

TEST(SideFiles, ReplacesTextAfterLastDotOrAppends) {
    EXPECT_EQ(referenceCopyPath("/home/op/MERX_1.MRX"), "/home/op/MERX_1.REF");
    EXPECT_EQ(initCopyPath("/home/op/site.v2.mrx"), "/home/op/site.v2.INI");
    EXPECT_EQ(settingsFilePath("/home/op/hill"), "/home/op/hill.SER");
    EXPECT_EQ(commandFilePath("hill."), "hill.CMD");
    // A dot in a folder name is not an extension.
    EXPECT_EQ(referenceCopyPath("/home/op/my.site/hill"), "/home/op/my.site/hill.REF");
}

TEST(FixedText, CutsToCapacityOnEveryAssignment) {
    FixedText<4> t("ABCDEFG");
    EXPECT_EQ(t.str(), "ABC");
    t = std::string("XY");
    EXPECT_EQ(t.str(), "XY");
    t = "1234";
    EXPECT_EQ(t.str(), "123");

    // Every kind of byte, at and around the capacity, and the largest capacities the
    // one-byte and two-byte size fields hold.
    const std::string texts[] = {
        "", "1", std::string("a\0b", 3), "\xff\x80", std::string(300, 'x'), std::string(5000, 'y')};
    for (const std::string& text : texts) {
        const FixedText<4> small(text);
        const FixedText<256> wide(text);
        const FixedText<4096> path(text);
        EXPECT_EQ(small.view(), std::string_view(text).substr(0, 3));
        EXPECT_EQ(wide.view(), std::string_view(text).substr(0, 255));
        EXPECT_EQ(path.view(), std::string_view(text).substr(0, 4095));
        EXPECT_EQ(path.size(), std::min<std::size_t>(text.size(), 4095));
        EXPECT_EQ(small.c_str()[small.size()], '\0');
        EXPECT_EQ(path.c_str()[path.size()], '\0');
    }

    // A part of itself, copies, and clearing.
    FixedText<16> s("0123456789");
    s = s.view().substr(3);
    EXPECT_EQ(s, "3456789");
    FixedText<16> copy = s;
    s.clear();
    EXPECT_TRUE(s.empty());
    EXPECT_EQ(s.c_str()[0], '\0');
    EXPECT_EQ(copy, "3456789");
    EXPECT_FALSE(copy == FixedText<16>("345678"));
}

TEST(ConfigDocument, LookupIsExactCaseSensitiveFirstWins) {
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
