#include "document/CatalogFields.h"
#include "CatalogSet.h"
#include "document/FieldCursor.h"
#include "document/LookupList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

using namespace merix;
using merix::test::TempDir;

namespace {

using Fields = std::vector<std::string>;

FieldLayout layout(std::initializer_list<bool> colons, bool rest) {
    return FieldLayout{std::vector<bool>(colons), rest};
}

} // namespace

TEST(CutFields, SeparatorRunsCollapseAndALeadingSeparatorIsSkipped) {
    const FieldLayout l = layout({false, false, false}, false);
    EXPECT_EQ(cutFields("A,,B,C", l), (Fields{"A", "B", "C"}));
    EXPECT_EQ(cutFields(",,A,B,,,C", l), (Fields{"A", "B", "C"}));
    // An empty field cannot be written: everything after it moves forward.
    EXPECT_EQ(cutFields("Key,,Label,7,desc", timersLayout())[2], "7");
}

// Fields of every length on both sides of the stretch the cursor scans before it calls
// memchr, against the rule itself: separator runs skipped, a field up to the next one.
TEST(CutFields, FieldsOfAnyLengthEndAtTheirSeparator) {
    const auto model = [](std::string_view line, char separator) {
        Fields fields;
        std::size_t at = 0;
        while (at < line.size()) {
            while (at < line.size() && line[at] == separator)
                ++at;
            if (at == line.size())
                break;
            const std::size_t end = std::min(line.find(separator, at), line.size());
            fields.emplace_back(line.substr(at, end - at));
            at = end;
        }
        return fields;
    };
    for (std::size_t a = 0; a <= 40; ++a) {
        for (std::size_t b : {0, 1, 15, 16, 17, 33}) {
            const std::string line = std::string(a, 'a') + ",:" + std::string(b, 'b') + ",," +
                                     std::string(a % 7, ':') + "c";
            FieldCursor cursor(line);
            Fields got;
            while (auto f = cursor.next(','))
                got.emplace_back(*f);
            EXPECT_EQ(got, model(line, ',')) << line;
        }
    }
}

TEST(CutFields, ColonEndedFieldsHoldCommas) {
    const FieldLayout l = layout({false, true, false}, true);
    EXPECT_EQ(cutFields("K,a,b,c:d,rest, with, commas", l),
              (Fields{"K", "a,b,c", "d", "rest, with, commas"}));
    // Runs of ':' collapse too, before a field that ends at ':'.
    EXPECT_EQ(cutFields("K,x::y:", layout({false, true, true}, false)), (Fields{"K", "x", "y"}));
}

TEST(CutFields, RestOfLineIsEverythingAfterItsSeparator) {
    const FieldLayout l = layout({false}, true);
    EXPECT_EQ(cutFields("K,  a, b,, c ", l), (Fields{"K", "  a, b,, c "}));
    EXPECT_EQ(cutFields("K,", l), (Fields{"K", ""}));
    EXPECT_EQ(cutFields("K", l), (Fields{"K", ""}));
}

TEST(CutFields, AnEarlyLineEndLeavesTheRemainingFieldsEmpty) {
    const Fields f = cutFields("Beep 1,Label,130,10,800", beepLayout());
    ASSERT_EQ(f.size(), 3u + 20u + 1u);
    EXPECT_EQ(f[3], "10");
    EXPECT_EQ(f[4], "800");
    for (std::size_t i = 5; i < f.size(); ++i)
        EXPECT_EQ(f[i], "") << "field " << i;
    EXPECT_EQ(cutFields("", timersLayout()), Fields(6));
}

TEST(CutFields, EveryCatalogLayoutGivesItsNamedFieldsAndTheDescriptionLast) {
    struct Case {
        const char* catalog;
        FieldLayout layout;
        std::size_t count;
        std::size_t description;
    };
    const Case cases[] = {
        {"timers", timersLayout(), TimerFields::Count, TimerFields::Description},
        {"messages", messagesLayout(), MessageFields::Count, MessageFields::Description},
        {"dvr", dvrLayout(), DvrFields::Count, DvrFields::Description},
        {"users", usersLayout(), UserFields::Count, UserFields::Description},
        {"io", ioLayout(), IoFields::Count, IoFields::Description},
        {"commands", commandsLayout(), CommandFields::Count, CommandFields::Description},
        {"macros", macrosLayout(), MacroFields::Count, MacroFields::Description},
        {"schedule", scheduleLayout(), ScheduleFields::Count, ScheduleFields::Description},
        {"beep", beepLayout(), BeepFields::Count, BeepFields::Description},
        {"tones", tonesLayout(), ToneFields::Count, ToneFields::Description},
        {"resolutn", resolutionsLayout(), ResolutionFields::Count, ResolutionFields::Decimals},
    };
    for (const Case& c : cases) {
        // A line of numbered values with each separator the layout expects.
        std::string line;
        for (std::size_t i = 0; i < c.layout.endsAtColon.size(); ++i)
            line += std::to_string(i) + (c.layout.endsAtColon[i] ? ':' : ',');
        line += "the rest, with a comma";
        const Fields f = cutFields(line, c.layout);
        ASSERT_EQ(f.size(), c.count) << c.catalog;
        EXPECT_EQ(f[c.description], "the rest, with a comma") << c.catalog;
        EXPECT_EQ(f[0], "0") << c.catalog;
    }
    const Fields tones = cutFields("T,L,1,2,3:", tonesLayout());
    EXPECT_EQ(tones[ToneFields::cw(0, ToneFields::CwFreq2)], "3");
    const Fields beep = cutFields("K,L,250,10,20,30,40:11,21,31,41:", beepLayout());
    EXPECT_EQ(beep[BeepFields::chord(1, BeepFields::Pause)], "41");
}

// The loader cuts every line into one vector of views; a short line after a long one must
// not keep any field of the long one.
TEST(CutFields, ViewsIntoOneVectorGiveTheFieldsOfEachLine) {
    const std::pair<std::string, FieldLayout> lines[] = {
        {"K,a,b,c:d,rest, with, commas", layout({false, true, false}, true)},
        {"K", layout({false, true, false}, true)},
        {"Beep 1,Label,130,10,800", beepLayout()},
        {"", timersLayout()},
        {",,A,B,,,C", layout({false, false, false}, false)},
        {std::string("N\0L,\xff,\0", 7), timersLayout()},
    };
    std::vector<std::string_view> views;
    for (const auto& [line, l] : lines) {
        cutFieldViews(line, l, views);
        EXPECT_EQ(Fields(views.begin(), views.end()), cutFields(line, l)) << line;
        for (std::string_view v : views) {
            const bool inside = v.empty() || (v.data() >= line.data() &&
                                              v.data() + v.size() <= line.data() + line.size());
            EXPECT_TRUE(inside) << "a field outside its line";
        }
    }
}

TEST(CutFields, DefaultBeepSetsEndTheirNameAtTheColonAndTheLastPauseAtTheLineEnd) {
    using D = DefaultBeepFields;
    const Fields f = cutFields("Rising, then falling:80,660,0,20:1,2,3,4:5,6,7,8:9,10,11,12:"
                               "60,523,0,15",
                               defaultBeepLayout());
    ASSERT_EQ(f.size(), D::Count);
    EXPECT_EQ(f[D::Name], "Rising, then falling");
    EXPECT_EQ(f[D::chord(0, BeepFields::Freq1)], "660");
    EXPECT_EQ(f[D::chord(2, BeepFields::Freq2)], "7");
    EXPECT_EQ(f[D::chord(4, BeepFields::Pause)], "15");
    // A short set leaves its later chords empty, which read as 0.
    const Fields shortSet = cutFields("Chirp:30,1800", defaultBeepLayout());
    EXPECT_EQ(shortSet[D::chord(0, BeepFields::Freq1)], "1800");
    EXPECT_EQ(shortSet[D::chord(0, BeepFields::Freq2)], "");
    EXPECT_EQ(shortSet[D::chord(4, BeepFields::Pause)], "");
}

TEST(ReadInt, DecimalWithBlanksSignAndTrailingText) {
    struct Case {
        const char* text;
        int value;
    };
    const Case cases[] = {
        {"42", 42},
        {"  42", 42},
        {"\t-17", -17},
        {"+8", 8},
        {"12abc", 12},
        {"abc", 0},
        {"", 0},
        {"-", 0},
        {" - 5", 0},
        {"007", 7},
        {"3.9", 3},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"99999999999999999999", INT_MAX},
        {"-99999999999999999999", INT_MIN},
        {"000000000000000000000000001", 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readInt(c.text), c.value) << '"' << c.text << '"';
}

TEST(CatalogEntryLines, CountBlankLinesEarlyEndAndLongLines) {
    TempDir dir;
    // Blank lines and blanks before the first entry are skipped; CR LF is a line end.
    dir.write("a.cfg", "Title\r\n3\r\n\r\n   First,x\r\nSecond\r\n");
    CatalogLines lines = readCatalogEntryLines(dir.file("a.cfg"), 1999);
    ASSERT_TRUE(lines.opened);
    EXPECT_EQ(lines.declaredCount, 3);
    // The file ends before the third entry: it comes back empty.
    EXPECT_EQ(lines.lines, (Fields{"First,x", "Second", ""}));

    // A line beyond the capacity is cut, and its remainder is not a line of its own.
    dir.write("b.cfg", "Title\n2\n" + std::string(30, 'x') + "TAIL\nNext\n");
    lines = readCatalogEntryLines(dir.file("b.cfg"), 20);
    EXPECT_EQ(lines.lines, (Fields{std::string(20, 'x'), "Next"}));

    dir.write("c.cfg", "Title\n0\nIgnored\n");
    EXPECT_TRUE(readCatalogEntryLines(dir.file("c.cfg"), 1999).lines.empty());
    dir.write("d.cfg", "Title\n-5\nIgnored\n");
    EXPECT_TRUE(readCatalogEntryLines(dir.file("d.cfg"), 1999).lines.empty());

    EXPECT_FALSE(readCatalogEntryLines(dir.file("missing.cfg"), 1999).opened);
}

TEST(CatalogEntryLines, AHugeCountIsBoundedAndFlagged) {
    TempDir dir;
    dir.write("a.cfg", "Title\n2000000000\nOnly,one\n");
    const CatalogLines lines = readCatalogEntryLines(dir.file("a.cfg"), 1999);
    EXPECT_EQ(lines.declaredCount, 2000000000);
    EXPECT_TRUE(lines.countCut());
    ASSERT_EQ(lines.lines.size(), static_cast<std::size_t>(kMaxCatalogEntries));
    EXPECT_EQ(lines.lines[0], "Only,one");
    EXPECT_EQ(lines.lines[1], "");
    // A count beyond the int range saturates rather than wrapping to a small number.
    dir.write("b.cfg", "Title\n99999999999999999999\n");
    EXPECT_EQ(readCatalogEntryLines(dir.file("b.cfg"), 1999).declaredCount, INT_MAX);
}

TEST(LookupList, NamesCodesAndCounts) {
    TempDir dir;
    dir.write("cw.cfg", "CW symbols\n5\nA,12\n SPACE,99\n,,B,21,x\nNOCODE\n");
    const auto list = readLookupList(dir.file("cw.cfg"), 199);
    ASSERT_TRUE(list.has_value());
    // The count says 5 but the file holds 4 lines: only those make entries.
    ASSERT_EQ(list->size(), 4u);
    EXPECT_EQ((*list)[0].name, "A");
    EXPECT_EQ((*list)[0].code, "12");
    EXPECT_EQ((*list)[1].name, " SPACE"); // the leading blank of a named symbol stays
    EXPECT_EQ((*list)[2].name, "B");      // commas at the start are skipped
    EXPECT_EQ((*list)[2].code, "21,x");   // the code is all the rest
    EXPECT_EQ((*list)[3].name, "NOCODE");
    EXPECT_EQ((*list)[3].code, "");

    dir.write("access.cfg", "Access\n1\nCarrier,0\nPL,1\n");
    EXPECT_EQ(readLookupList(dir.file("access.cfg"), 199)->size(), 1u);
    dir.write("huge.cfg", "Words\n2000000000\nONE,1\n");
    EXPECT_EQ(readLookupList(dir.file("huge.cfg"), 199)->size(), 1u);
    EXPECT_FALSE(readLookupList(dir.file("wordlist.cfg"), 199).has_value());
}
