#include "screens/MiscSetupRules.h"
#include "screens/MiscSetupCatalog.h"

#include <gtest/gtest.h>

namespace merix {
namespace {

using Action = PortTextVerdict::Action;

TEST(MiscSetupRules, TheAccessCodeHoldsSixCharactersAndNothingTheDocumentCannotKeep) {
    const std::string tooLong = "Invalid entry!  The access code must be six digits or less.";
    struct Case {
        const char* text;
        Action action;
        std::string result; // what is stored or put back
        std::size_t position;
        bool message;
    };
    const Case cases[] = {
        {"123456", Action::Store, "123456", 0, false},
        {"", Action::Store, "", 0, false},
        {"*1#A", Action::Store, "*1#A", 0, false}, // only the length matters
        {"1234567", Action::Cut, "123456", 6, true},
        {"12;3", Action::RemoveCharacter, "123", 2, false},
        {":1", Action::RemoveCharacter, "1", 0, false},
        {"12\n3", Action::RemoveCharacter, "123", 2, false},
        {"1234567;", Action::RemoveCharacter, "1234567", 7, false}, // the ';' goes first
        {"\xc3\xa9\xc3\xa9\xc3\xa9", Action::Store, "\xc3\xa9\xc3\xa9\xc3\xa9", 0, false},
        // Six bytes fit; a cut never splits a character of two.
        {"12345\xc3\xa9", Action::Cut, "12345", 5, true},
    };
    for (const Case& c : cases) {
        const PortTextVerdict v = judgeAccessCode(c.text);
        ASSERT_EQ(v.action, c.action) << c.text;
        EXPECT_EQ(v.text, c.result) << c.text;
        if (c.action != Action::Store) {
            EXPECT_EQ(v.position, c.position) << c.text;
        }
        EXPECT_EQ(v.message, c.message ? tooLong : std::string()) << c.text;
    }
}

TEST(MiscSetupRules, TheCommandExecuterIsOneCharacterCutSilentlyWithTheCaretAtTheStart) {
    struct Case {
        const char* text;
        Action action;
        std::string result;
        std::size_t position;
    };
    const Case cases[] = {
        {"D", Action::Store, "D", 0},          {"", Action::Store, "", 0},
        {"DE", Action::Cut, "D", 0},           {"#12", Action::Cut, "#", 0},
        {";", Action::RemoveCharacter, "", 0}, {"D:", Action::RemoveCharacter, "D", 1},
        {"\xc3\xa9", Action::Cut, "", 0}, // one byte holds no such character
    };
    for (const Case& c : cases) {
        const PortTextVerdict v = judgeExecuterDigit(c.text);
        ASSERT_EQ(v.action, c.action) << c.text;
        EXPECT_EQ(v.text, c.result) << c.text;
        EXPECT_EQ(v.position, c.position) << c.text;
        EXPECT_EQ(v.message, "") << c.text;
    }
}

TEST(MiscSetupCatalog, APortKeepsTheBeginningOfAModeAndIsFoundByIt) {
    const std::string longName = "Carrier And PL Or Tone Squelch";
    // The 24th byte, the most a port keeps, falls inside the U with two dots.
    const std::string umlaut = "Carrier And PL Or Tone \xC3\x9C"
                               "bergang";
    const std::vector<std::string> names = {"Carrier", longName, umlaut,
                                            "Carrier And PL Or Tone S"};
    struct Case {
        std::string chosen;
        std::string kept;
        int shown; // the line a port keeping `kept` shows
    };
    const Case cases[] = {
        {"Carrier", "Carrier", 0},
        {umlaut, "Carrier And PL Or Tone ", 2}, // whole characters only
        // Kept the same as the long name: the name itself goes first, as the commands find it.
        {longName, "Carrier And PL Or Tone S", 3},
        {"Tone", "Tone", -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(keptAccessMode(c.chosen), c.kept) << c.chosen;
        EXPECT_EQ(accessModeIndex(names, c.kept), c.shown) << c.chosen;
    }
    // What a document read from a file keeps: the first 24 bytes, whatever they cut.
    EXPECT_EQ(accessModeIndex(names, umlaut.substr(0, 24)), 2);
    EXPECT_EQ(accessModeIndex({"Carrier", longName}, longName.substr(0, 24)), 1);
    EXPECT_EQ(accessModeIndex(names, ""), -1);
}

} // namespace
} // namespace merix
