#include "generator/LookupTables.h"

#include <gtest/gtest.h>

#include <string>

namespace merix {
namespace {

std::string codeOf(const CaseFreeTable& table, std::string_view name) {
    const std::string* code = table.find(name);
    return code ? *code : "(none)";
}

TEST(CaseFreeTable, FindsANameInAnyCaseAndTheFirstOfANameWins) {
    const CaseFreeTable cw = makeCwTable({{"H", "04"},
                                          {"h", "99"}, // a second H: ignored
                                          {"SPACE", "40"},
                                          {"<AR>", "3012345"},               // codes cut to 4
                                          {"A-very-long-symbol-name", "77"}, // names cut to 19
                                          {"", "11"},
                                          {"@", "50"}});
    const struct {
        std::string_view name;
        std::string code;
    } cases[] = {
        {"H", "04"},
        {"h", "04"},
        {"space", "40"},
        {"SpAcE", "40"},
        {"<ar>", "3012"},
        {"SPACE ", "(none)"},
        {"A-very-long-symbol", "(none)"},
        {"a-VERY-long-symbol-", "77"},
        {"", "11"},
        {"@", "50"},
        {"`", "(none)"}, // only letters fold: '`' is '@' with the case bit
    };
    for (const auto& c : cases)
        EXPECT_EQ(codeOf(cw, c.name), c.code) << "\"" << c.name << "\"";
    EXPECT_TRUE(CaseFreeTable().empty());
    EXPECT_EQ(CaseFreeTable().find("H"), nullptr);
}

// A whole word list: every word found by its own spelling in upper case, and none of the
// words that are not there, however the names crowd together.
TEST(CaseFreeTable, EveryWordOfALargeListIsFoundAndNoOther) {
    LookupList list;
    for (int i = 0; i < 5000; ++i)
        list.push_back({"word" + std::to_string(i), std::to_string(i % 1000)});
    const CaseFreeTable words = makeWordTable(list);
    for (int i = 0; i < 5000; ++i) {
        ASSERT_EQ(codeOf(words, "WORD" + std::to_string(i)), std::to_string(i % 1000)) << i;
        ASSERT_EQ(words.find("word" + std::to_string(i + 5000)), nullptr) << i;
    }
}

} // namespace
} // namespace merix
