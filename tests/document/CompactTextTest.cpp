#include "document/CompactText.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace merix;

namespace {

// Around the switch from in place to the heap, and texts of every kind of byte.
const std::vector<std::string> kTexts = {"",
                                         "1",
                                         "036",
                                         "1 2 3",
                                         "123456",
                                         "1234567",
                                         "12345678",
                                         "101 102 103 104",
                                         std::string(1000, 'p'),
                                         std::string("a\0b", 3),
                                         std::string("\0\0\0\0\0\0\0\0", 8),
                                         "\xff\xfe\x80"};

} // namespace

TEST(CompactText, HoldsEveryTextThroughCopyMoveAndAssignment) {
    for (const std::string& text : kTexts) {
        const CompactText made(text);
        EXPECT_EQ(made.view(), text);
        EXPECT_EQ(made.size(), text.size());
        EXPECT_EQ(made.empty(), text.empty());
        EXPECT_EQ(made.str(), text);
        EXPECT_EQ(std::string(made.begin(), made.end()), text);

        CompactText copy(made);
        EXPECT_EQ(copy, made);
        CompactText moved(std::move(copy));
        EXPECT_EQ(moved.view(), text);
        EXPECT_TRUE(copy.empty()); // a moved-from text is empty, not dangling

        // Every text over every other: in place over heap and back.
        for (const std::string& other : kTexts) {
            CompactText target(other);
            target = made;
            EXPECT_EQ(target.view(), text) << "over " << other.size() << " characters";
            CompactText source(other);
            target = std::move(source);
            EXPECT_EQ(target.view(), other);
        }
    }
}

TEST(CompactText, AssignsAPartOfItself) {
    for (const std::string& text : kTexts) {
        for (std::size_t from = 0; from <= text.size(); from += 3) {
            CompactText t(text);
            t = t.view().substr(from);
            EXPECT_EQ(t.view(), std::string_view(text).substr(from));
        }
        CompactText t(text);
        t = t; // self-assignment
        EXPECT_EQ(t.view(), text);
    }
}

TEST(CompactText, ComparesAndConvertsLikeAString) {
    const CompactText t("020");
    EXPECT_TRUE(t == "020");
    EXPECT_TRUE(t == std::string("020"));
    EXPECT_TRUE(t == std::string_view("020"));
    EXPECT_FALSE(t == "02");
    EXPECT_FALSE(t == CompactText("0200"));
    const std::string s = t;
    EXPECT_EQ(s, "020");
    EXPECT_EQ("[" + t + "|" + CompactText("12345678") + "]", "[020|12345678]");
    std::string joined = "x";
    joined += t;
    EXPECT_EQ(joined, "x020");
    CompactText n(nullptr);
    EXPECT_TRUE(n.empty());
    n = static_cast<const char*>(nullptr);
    EXPECT_TRUE(n.empty());
}
