#include "screens/AutopatchRules.h"
#include "tests/screens/FieldEditCases.h"

#include <gtest/gtest.h>

namespace merix {
namespace {

using test::EditCase;
using test::expectEdit;

const std::string kTooLong = "The Autodial Number must be eighteen characters or less.";

std::string invalid(const char* character) {
    return std::string(character) +
           " is an invalid character.  The Autodial Number must consist only of the following "
           "characters. *#ABCD1234567890-( ) ";
}

TEST(AutopatchRulesTest, AutodialNumberCountsEighteenDtmfCharactersAndIgnoresSeparators) {
    const EditCase cases[] = {
        {u"", u""},
        {u"*#ABCD1234567890-() ", u"*#ABCD1234567890-() "},
        {u"123456789012345678", u"123456789012345678"},
        {u"(123) 456-7890 12345678", u"(123) 456-7890 12345678"},
        {u"1 - ( ) - 2", u"1 - ( ) - 2"},
        {u"1234567890123456789", u"123456789012345678", -1, kTooLong},
        {u"(123) 456-7890 123456789", u"(123) 456-7890 12345678", -1, kTooLong},
        // The last character goes, separator or not; the next change takes the next one.
        {u"1234567890123456789-", u"1234567890123456789", -1, kTooLong},
    };
    for (const EditCase& c : cases)
        expectEdit(checkAutodialNumber(c.typed), c);
}

TEST(AutopatchRulesTest, AutodialNumberRemovesStrangersAndRaisesAToD) {
    const EditCase cases[] = {
        {u"12e34", u"1234", 3, invalid("e")}, // the caret one past where it stood
        {u"e", u"", 0, invalid("e")},         // never beyond the text
        {u"555x", u"555", 3, invalid("x")},
        {u"1:2", u"12", 2, invalid(":")},
        {u"1;2", u"12", 2, invalid(";")},
        {u"E1", u"1", 1, invalid("E")},
        {u"ü1", u"1", 1, invalid("ü")},
        {u"5b", u"5B", 2},
        {u"a1d", u"A1D", 1},
        {u"b5e", u"B5e", 1}, // the stranger is named as typed by the next change
    };
    for (const EditCase& c : cases)
        expectEdit(checkAutodialNumber(c.typed), c);
}

TEST(AutopatchRulesTest, DownCodeIsThreeCharactersWithoutBlanksOrSeparators) {
    const std::string tooLong = "The Autopatch Down Code must be three characters or less.";
    const EditCase cases[] = {
        {u"", u""},
        {u"#", u"#"},
        {u"#73", u"#73"},
        {u"# 1", u"#1", 1},
        {u" ", u"", 0},
        {u"12:", u"12", 2},
        {u"1;", u"1", 1},
        {u"1234", u"123", -1, tooLong},
        {u"* 1 2", u"* 1", -1, tooLong}, // the blank goes with the next change
    };
    for (const EditCase& c : cases)
        expectEdit(checkDownCode(c.typed), c);
}

TEST(AutopatchRulesTest, ListsKeepTheirOrderAndAStoredWordingSelectsByItsBeginning) {
    ASSERT_EQ(readbackTypes().size(), 5u);
    EXPECT_EQ(readbackTypes()[0], "no readback/always dial");
    EXPECT_EQ(readbackTypes()[4], "polite readback/dial only if not kerchunked");
    EXPECT_EQ(privacyTypes(), (std::vector<std::string>{"none", "mute", "cover tone"}));
    EXPECT_EQ(pagerTypes(),
              (std::vector<std::string>{"DTMF", "2-tone", "5/6 tone", "voice", "none"}));
    const struct {
        const std::vector<std::string>& list;
        const char* stored;
        int index;
    } cases[] = {
        {readbackTypes(), "polite readback/always dial", 2},
        {readbackTypes(), "POLITE READBACK/DIAL ONLY IF KERCHUNKED", 3},
        {readbackTypes(), "polite", 2}, // the first that begins with it
        {readbackTypes(), "polite readback/always dial and more", -1},
        {readbackTypes(), "", -1},
        {privacyTypes(), "Cover", 2},
        {pagerTypes(), "5/6", 2},
        {pagerTypes(), "pager", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(entryBeginningWith(c.list, c.stored), c.index) << c.stored;
}

} // namespace
} // namespace merix
