#include "screens/UserRules.h"
#include "tests/screens/FieldEditCases.h"

#include <gtest/gtest.h>

namespace merix {
namespace {

using test::EditCase;
using test::expectEdit;

const std::string kCallSignMessage = "The Call Sign must be eight characters or less.";
const std::string kPasswordMessage = "Your Password must be eight characters or less.";
const std::string kChallengeMessage =
    "The number of digits to check must not exceed the length of the password.";

TEST(UserRulesTest, CallSignIsRaisedToCapitalsAndKeptToEightCharacters) {
    const EditCase cases[] = {
        {u"", u""},
        {u"W1AW", u"W1AW"},
        {u"a", u"A", 1},
        {u"AB1c", u"AB1C", 4},
        {u"AbC", u"ABC", 2}, // the caret after the first small letter
        {u"W1:AW", u"W1AW", 2},
        {u"W1;AW", u"W1AW", 2},
        {u"W1AW/7-p", u"W1AW/7-P", 8},
        {u"W1AW/7-", u"W1AW/7-"}, // other characters as typed
        {u"W1AWXYZQ", u"W1AWXYZQ"},
        {u"W1AWXYZQR", u"W1AWXYZQ", -1, kCallSignMessage},
        {u"abcdefghij", u"abcdefgh", -1, kCallSignMessage}, // capitals come with the next change
        {u"Ä1", u"Ä1"},
    };
    for (const EditCase& c : cases)
        expectEdit(checkCallSign(c.typed), c);
}

TEST(UserRulesTest, PasswordTakesAnyCharacterButTheSeparatorsUpToEight) {
    const EditCase cases[] = {
        {u"", u""},
        {u"s3cr3t!", u"s3cr3t!"},
        {u"Ab c*#", u"Ab c*#"},
        {u"ab:cd", u"abcd", 2},
        {u"a;b", u"ab", 1},
        {u"12345678", u"12345678"},
        {u"123456789", u"12345678", -1, kPasswordMessage},
    };
    for (const EditCase& c : cases)
        expectEdit(checkPassword(c.typed), c);
}

TEST(UserRulesTest, ChallengeNeverAsksForMoreDigitsThanThePasswordHas) {
    const struct {
        bool challenge;
        std::size_t passwordLength;
        long digits;
        std::optional<int> clamped;
    } cases[] = {
        {true, 3, 4, 3},
        {true, 4, 4, std::nullopt},
        {true, 8, 2, std::nullopt},
        {false, 3, 4, std::nullopt}, // whole password: no clamp
        {true, 0, 1, 0},
        {true, 0, 0, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(clampedChallenge(c.challenge, c.passwordLength, c.digits), c.clamped)
            << c.challenge << " " << c.passwordLength << " " << c.digits;
}

TEST(UserRulesTest, XFieldClampsFirstThenKeepsOnlyDigits) {
    const struct {
        bool challenge;
        std::size_t passwordLength;
        EditCase edit;
    } cases[] = {
        {true, 6, {u"4", u"4"}},
        {true, 6, {u"", u""}},
        {true, 6, {u"9", u"6", -1, kChallengeMessage}},
        {true, 8, {u"12", u"8", -1, kChallengeMessage}},
        {true, 2, {u"5x", u"2", -1, kChallengeMessage}},
        {false, 6, {u"9", u"9"}},
        {true, 6, {u"4a", u"4", 1}},
        {true, 6, {u"a", u"", 0}},
        {false, 0, {u"-3", u"3", 0}},
    };
    for (const auto& c : cases)
        expectEdit(checkChallengeField(c.edit.typed, c.challenge, c.passwordLength), c.edit);
}

TEST(UserRulesTest, NameAndDescriptionKeepTheSeparatorsOut) {
    const std::u16string full(1500, u'x');
    const EditCase names[] = {
        {u"Ann Smith", u"Ann Smith"},
        {u"Ann:", u"Ann", 3},
        {u"Jo;e", u"Joe", 2},
        {u"a:b:c", u"ab:c", 1}, // one at a time, each removal a change of its own
    };
    for (const EditCase& c : names)
        expectEdit(checkUserName(c.typed), c);
    const EditCase descriptions[] = {
        {u"Club trustee, W1AW", u"Club trustee, W1AW"},
        {u"Net: Monday", u"Net Monday", 3},
        {u"a;b", u"ab", 1},
        {full, full},
        {full + u"yz", full, -1, "The description edit is limited to 1500 characters."},
    };
    for (const EditCase& c : descriptions)
        expectEdit(checkUserDescription(c.typed), c);
}

TEST(UserRulesTest, ListLineAddsTheNameWhenThereIsOne) {
    EXPECT_EQ(userListLine("User 00", ""), "User 00");
    EXPECT_EQ(userListLine("User 00", "Ann"), "User 00 - Ann");
    EXPECT_EQ(userListLine("", "Ann"), " - Ann");
}

} // namespace
} // namespace merix
