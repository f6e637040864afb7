#include "screens/CourtesyBeepRules.h"
#include "screens/CourtesyBeepCatalog.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace merix {
namespace {

using Action = DigitVerdict::Action;
using Choice = DefaultSetChoice::Action;
using test::TempDir;

TEST(CourtesyBeepRules, EachChordFieldHasItsLimitsAndItsMessage) {
    const std::string chord = "Invalid entry!  Enter in the chord duration length (0 - 6000).";
    const std::string pause = "Invalid entry!  Enter in the pause duration length (0 - 6000).";
    const std::string frequency = "Invalid entry!  Enter in a four digit frequency.";
    struct Case {
        BeepFields::ChordPart part;
        const char* text;
        Action action;
        int value;
        const std::string* message;
    };
    const Case cases[] = {
        {BeepFields::Length, "6000", Action::Store, 6000, nullptr},
        {BeepFields::Length, "6001", Action::Refuse, 0, &chord},
        {BeepFields::Length, "01000", Action::Refuse, 0, &chord},
        {BeepFields::Pause, "6001", Action::Refuse, 0, &pause},
        {BeepFields::Pause, "0", Action::Store, 0, nullptr},
        {BeepFields::Freq1, "9999", Action::Store, 9999, nullptr},
        {BeepFields::Freq2, "12345", Action::Refuse, 0, &frequency},
        {BeepFields::Freq2, "8o0", Action::RemoveCharacter, 0, nullptr},
    };
    for (const Case& c : cases) {
        const DigitVerdict v = judgeDigitField(c.text, beepFieldLimit(beepFieldKind(c.part)));
        ASSERT_EQ(v.action, c.action) << c.text;
        EXPECT_EQ(v.value, c.value) << c.text;
        EXPECT_EQ(v.message, c.message ? *c.message : std::string()) << c.text;
    }
}

TEST(CourtesyBeepRules, ChoosingADefaultSet) {
    std::vector<DefaultBeepSet> sets(3);
    sets[0].name = "Double Beep";
    sets[1].name = "Silent";
    sets[2].name = std::string(60, 'L'); // longer than a beep keeps
    struct Case {
        const char* chosen;
        std::string current;
        Choice action;
        std::size_t set;
    };
    const Case cases[] = {
        {"Double Beep", "", Choice::ApplySet, 0},
        {"Silent", "Double Beep", Choice::ApplySet, 1},
        {"Double Beep", "Double Beep", Choice::Nothing, 0}, // even after hand edits
        {"Other", "", Choice::RecordName, 0},
        {"OTHER", "Silent", Choice::RecordName, 0},
        {"Other", "Other", Choice::Nothing, 0},
        {"No Such Set", "", Choice::RecordName, 0},
        {"double beep", "", Choice::RecordName, 0}, // set names compare exactly
        {sets[2].name.c_str(), "", Choice::ApplySet, 2},
        {sets[2].name.c_str(), std::string(51, 'L'), Choice::Nothing, 0},
    };
    for (const Case& c : cases) {
        const DefaultSetChoice choice = chooseDefaultSet(c.chosen, c.current, sets);
        EXPECT_EQ(choice.action, c.action) << c.chosen << " over " << c.current;
        EXPECT_EQ(choice.set, c.set) << c.chosen;
    }
}

TEST(CourtesyBeepCatalog, BeepLinesCarryTheirCommandNumberBeforeTheChords) {
    TempDir dir;
    test::writeWhole(dir.file("beep.cfg"),
                     "Beeps\r\n2\r\n"
                     "Beep1,Port 1 Beep,250,100,800,0,0:0,0,0,0:0,0,0,0:0,0,0,0:0,0,0,0:After "
                     "port 1, unkeyed\r\n"
                     "Beep2,Short Beep,251,10,800\r\n");
    const BeepCatalog catalog = readBeepCatalog(dir.file("beep.cfg"), 3);
    ASSERT_EQ(catalog.info.size(), 3u);
    EXPECT_EQ(catalog.info[0].label, "Port 1 Beep");
    EXPECT_EQ(catalog.info[0].description, "After port 1, unkeyed");
    EXPECT_EQ(catalog.info[1].label, "Short Beep");
    EXPECT_EQ(catalog.info[1].description, "");
    EXPECT_EQ(catalog.info[2].label, "");
    EXPECT_EQ(catalog.notice, "beep.cfg describes 2 of the 3 entries of the document; the "
                              "others are shown without names and descriptions.");
}

TEST(CourtesyBeepCatalog, DefaultSetsInFileOrderWithTheirTwentyValues) {
    TempDir dir;
    test::writeWhole(dir.file("dfltbeep.cfg"), "Default beeps\r\n5\r\n"
                                               "Up, then down:60,523,0,20:60,659,1,30:0,0,0,0:"
                                               "0,0,0,0:5,6,7,8\r\n"
                                               "\r\n"
                                               "Chirp:30,1800\r\n");
    const DefaultBeepCatalog catalog = readDefaultBeepCatalog(dir.file("dfltbeep.cfg"));
    EXPECT_EQ(catalog.notice, "");
    // The blank line names no set, and the count beyond the file's lines names none either.
    ASSERT_EQ(catalog.sets.size(), 2u);
    const DefaultBeepSet& first = catalog.sets[0];
    EXPECT_EQ(first.name, "Up, then down");
    EXPECT_EQ(first.chords[1].freq1, 659);
    EXPECT_EQ(first.chords[1].freq2, 1);
    EXPECT_EQ(first.chords[1].pause, 30);
    EXPECT_EQ(first.chords[4].length, 5);
    EXPECT_EQ(first.chords[4].pause, 8);
    EXPECT_EQ(catalog.sets[1].name, "Chirp");
    EXPECT_EQ(catalog.sets[1].chords[0].freq1, 1800);
    EXPECT_EQ(catalog.sets[1].chords[3].length, 0);

    const DefaultBeepCatalog missing = readDefaultBeepCatalog(dir.file("gone.cfg"));
    EXPECT_TRUE(missing.sets.empty());
    EXPECT_EQ(missing.notice, "Unable to read dfltbeep.cfg in the catalog folder; Set to "
                              "Defaults offers only Other.");
}

} // namespace
} // namespace merix
