#include "generator/ChangeDetection.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace merix {
namespace {

// The eleven sections of a document file, each a list of entry lines.
struct Sections {
    std::vector<std::string> timers, messages, dvr, users, io, commands, macros, events, beeps, tones, misc;
    std::string countOverride[11];
};

std::string documentText(const Sections& s, const char* eol = "\r\n")
{
    const std::pair<const char*, const std::vector<std::string>*> parts[] = {
        {"[TIMERS]", &s.timers}, {"[MESSAGES]", &s.messages}, {"[DVR]", &s.dvr},
        {"[USERS]", &s.users}, {"[INPUTS & OUTPUTS]", &s.io}, {"[COMMANDS]", &s.commands},
        {"[MACROS]", &s.macros}, {"[SCHEDULAR]", &s.events}, {"[COURTESY BEEPS]", &s.beeps},
        {"[TONES]", &s.tones}, {"[MISC SETUP]", &s.misc},
    };
    std::string text = std::string("[MERIX FILE VER 1.5]") + eol;
    for (int i = 0; i < 11; ++i) {
        const auto& [header, lines] = parts[i];
        std::size_t count = lines->size();
        if (header == std::string("[USERS]"))
            count /= 4;
        if (header == std::string("[MISC SETUP]"))
            count /= 16;
        text += eol + std::string(header) + eol;
        text += (s.countOverride[i].empty() ? std::to_string(count) : s.countOverride[i]) + eol;
        for (const std::string& l : *lines)
            text += l + eol;
    }
    return text + eol + "END";
}

std::vector<std::string> userLines(const std::string& num, const std::string& name, const std::string& description)
{
    return {"User" + num + "=" + name + ": :0: :0:0:0:", "Autopatch" + num + "= :1: : : :0:0:",
            "Pager" + num + "= :0:0:", "Description" + num + "=" + description + ":"};
}

Sections sample()
{
    Sections s;
    s.timers = {"Hang=30:", "Id=600:", "Tail=5:"};
    s.messages = {"Msg1:500:Voice=hello world: :NOCOMMAND: :"};
    s.dvr = {"T1,first track"};
    for (const char* n : {"001", "002"}) {
        auto lines = userLines(n, "Ann", "slot");
        s.users.insert(s.users.end(), lines.begin(), lines.end());
    }
    s.io = {"Analog1=1:-50:100:volts: :"};
    s.commands = {"Command001=NAME:3:1:1:1:1:1:1:1:1:", "Command002=TWO:3:1:1:1:1:1:1:1:1:"};
    s.macros = {"Macro200= :1:5,1 2:"};
    s.events = {"Schedule01= : :January:Monday:0:0:12:1:0:"};
    s.beeps = {"Beep1= :150:100,440,0,50:0,0,0,0:0,0,0,0:0,0,0,0:0,0,0,0:"};
    for (int i = 0; i < 64; ++i)
        s.tones.push_back("Tone" + std::to_string(i) + "=" + std::to_string(i));
    for (int p = 1; p <= 8; ++p) {
        s.misc.push_back("Port " + std::to_string(p));
        for (int k = 1; k < 16; ++k)
            s.misc.push_back("Setting" + std::to_string(k) + "=0");
    }
    return s;
}

DocumentChanges compare(const Sections& doc, const Sections& copy)
{
    std::istringstream d(documentText(doc));
    std::istringstream c(documentText(copy));
    return compareDocuments(d, c);
}

std::vector<bool> flags(const SectionChanges& s, std::size_t n)
{
    std::vector<bool> out;
    for (std::size_t i = 0; i < n; ++i)
        out.push_back(s(i));
    return out;
}

using Flags = std::vector<bool>;

void expectNothingChanged(const DocumentChanges& c, const Sections& s)
{
    EXPECT_EQ(flags(c.timers, s.timers.size()), Flags(s.timers.size(), false));
    EXPECT_EQ(flags(c.messages, s.messages.size()), Flags(s.messages.size(), false));
    EXPECT_EQ(flags(c.users, s.users.size() / 4), Flags(s.users.size() / 4, false));
    EXPECT_EQ(flags(c.inputsOutputs, s.io.size()), Flags(s.io.size(), false));
    EXPECT_EQ(flags(c.commands, s.commands.size()), Flags(s.commands.size(), false));
    EXPECT_EQ(flags(c.macros, s.macros.size()), Flags(s.macros.size(), false));
    EXPECT_EQ(flags(c.scheduler, s.events.size()), Flags(s.events.size(), false));
    EXPECT_EQ(flags(c.courtesyBeeps, s.beeps.size()), Flags(s.beeps.size(), false));
    EXPECT_EQ(flags(c.tones, 64), Flags(64, false));
    EXPECT_EQ(flags(c.miscSetup, 128), Flags(128, false));
}

TEST(ChangeDetection, IdenticalAndCaseOnlyDifferencesChangeNothing)
{
    const Sections s = sample();
    expectNothingChanged(compare(s, s), s);

    Sections upper = s;
    upper.messages[0] = "MSG1:500:VOICE=HELLO WORLD: :nocommand: :";
    upper.misc[23] = "SETTING7=0";
    expectNothingChanged(compare(upper, s), s);
}

TEST(ChangeDetection, OneChangedLineMarksOnlyItsEntry)
{
    Sections doc = sample();
    doc.timers[1] = "Id=900:";
    doc.commands[1] = "Command002=TWO:3:1:0:1:1:1:1:1:1:";
    doc.misc[16 + 7] = "AccessMode=PL";
    const DocumentChanges c = compare(doc, sample());
    EXPECT_EQ(flags(c.timers, 3), (Flags{false, true, false}));
    EXPECT_EQ(flags(c.commands, 2), (Flags{false, true}));
    Flags misc(128, false);
    misc[23] = true;
    EXPECT_EQ(flags(c.miscSetup, 128), misc);
    EXPECT_EQ(flags(c.tones, 64), Flags(64, false));
}

TEST(ChangeDetection, UsersCompareTheirFirstThreeLinesOnly)
{
    Sections doc = sample();
    doc.users[3] = "Description001=a new description:";
    doc.users[4 + 1] = "Autopatch002=5551234:1: : : :0:0:";
    const DocumentChanges c = compare(doc, sample());
    EXPECT_EQ(flags(c.users, 2), (Flags{false, true}));
    EXPECT_EQ(flags(c.inputsOutputs, 1), Flags{false});
}

TEST(ChangeDetection, ExtraDocumentEntriesAreChangedAndRemovedOnesKeepTheWalkInStep)
{
    Sections doc = sample();
    doc.timers.push_back("Extra=1:");
    Sections copy = sample();
    copy.commands.push_back("Command003=OLD:3:1:1:1:1:1:1:1:1:");
    copy.dvr.push_back("T2,second");
    const DocumentChanges c = compare(doc, copy);
    EXPECT_EQ(flags(c.timers, 4), (Flags{false, false, false, true}));
    EXPECT_EQ(flags(c.commands, 2), (Flags{false, false}));
    EXPECT_EQ(flags(c.macros, 1), Flags{false});
    EXPECT_EQ(flags(c.miscSetup, 128), Flags(128, false));
}

TEST(ChangeDetection, EmptySectionsKeepTheWalkInStep)
{
    // A count of 0 is followed at once by the blank line of the next section.
    Sections s = sample();
    s.messages.clear();
    s.dvr.clear();
    s.io.clear();
    Sections doc = s;
    doc.commands[0] = "Command001=RENAMED:3:1:1:1:1:1:1:1:1:";
    const DocumentChanges c = compare(doc, s);
    EXPECT_EQ(flags(c.users, 2), (Flags{false, false}));
    EXPECT_EQ(flags(c.commands, 2), (Flags{true, false}));
    EXPECT_EQ(flags(c.tones, 64), Flags(64, false));
    EXPECT_EQ(flags(c.miscSetup, 128), Flags(128, false));
}

TEST(ChangeDetection, LongLinesCompareWhole)
{
    Sections copy = sample();
    std::string big = "Macro200= :400:";
    for (int i = 0; i < 400; ++i)
        big += "5,1 2:";
    copy.macros = {big, "Macro201= :0:"};
    Sections doc = copy;
    doc.macros[0] = big.substr(0, big.size() - 2) + "3:";
    const DocumentChanges c = compare(doc, copy);
    EXPECT_EQ(flags(c.macros, 2), (Flags{true, false}));
    EXPECT_EQ(flags(c.scheduler, 1), Flags{false});
    EXPECT_EQ(flags(c.miscSetup, 128), Flags(128, false));
}

TEST(ChangeDetection, LineFeedAloneEqualsCarriageReturnLineFeed)
{
    const Sections s = sample();
    std::istringstream d(documentText(s, "\n"));
    std::istringstream c(documentText(s, "\r\n"));
    expectNothingChanged(compareDocuments(d, c), s);
}

TEST(ChangeDetection, EntriesTheDocumentFileDoesNotReachCountAsChanged)
{
    Sections s = sample();
    std::string text = documentText(s);
    std::istringstream d(text.substr(0, text.find("[COMMANDS]")));
    std::istringstream c(text);
    const DocumentChanges changes = compareDocuments(d, c);
    EXPECT_EQ(flags(changes.timers, 3), Flags(3, false));
    EXPECT_EQ(flags(changes.commands, 2), Flags(2, true));
    EXPECT_EQ(flags(changes.miscSetup, 128), Flags(128, true));
}

TEST(ChangeDetection, HugeOrNegativeCountsEndAtTheEndOfTheFile)
{
    Sections copy = sample();
    copy.countOverride[0] = "99999999999999999999";
    copy.countOverride[1] = "-5";
    Sections doc = sample();
    doc.countOverride[5] = "2147483647";
    std::istringstream d(documentText(doc));
    std::istringstream c(documentText(copy));
    const DocumentChanges changes = compareDocuments(d, c);
    EXPECT_FALSE(changes.timers(0));
    std::istringstream empty("");
    std::istringstream garbage(std::string("\0\xff[\n\n\n", 6));
    const DocumentChanges none = compareDocuments(empty, garbage);
    EXPECT_TRUE(none.timers(0));
}

TEST(ChangeDetection, AnyBytesAreWalkedWithoutHarm)
{
    // Pieces of real files mixed with noise, so the walk meets counts, headers and junk.
    const std::string real = documentText(sample());
    std::uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
    for (int round = 0; round < 300; ++round) {
        std::string a, b;
        for (std::string* s : {&a, &b}) {
            const std::size_t pieces = next() % 12;
            for (std::size_t i = 0; i < pieces; ++i) {
                if (next() % 2) {
                    const std::size_t from = next() % real.size();
                    *s += real.substr(from, next() % 400);
                } else {
                    for (std::size_t n = next() % 40; n > 0; --n)
                        *s += static_cast<char>(next() >> 24);
                }
            }
        }
        std::istringstream d(a);
        std::istringstream c(b);
        const DocumentChanges changes = compareDocuments(d, c);
        // Entries the document file cannot hold are always written.
        EXPECT_TRUE(changes.miscSetup(1u << 20));
    }
}

// Every section's flags far enough to see any difference between two walks.
std::vector<Flags> allFlags(const DocumentChanges& c) {
    std::vector<Flags> out;
    for (const SectionChanges* s :
         {&c.timers, &c.messages, &c.users, &c.inputsOutputs, &c.commands, &c.macros, &c.scheduler,
          &c.courtesyBeeps, &c.tones, &c.miscSetup})
        out.push_back(flags(*s, 300));
    return out;
}

// The generator walks the files a buffer at a time; it must see exactly what a stream
// walk of the same bytes sees, however the files end.
TEST(ChangeDetection, FilesAreWalkedAsTheirBytesAre) {
    const std::string real = documentText(sample());
    std::string edited = real;
    edited.replace(edited.find("Id=600"), 6, "Id=900");
    std::vector<std::pair<std::string, std::string>> pairs = {
        {real, real},
        {edited, real},
        {real.substr(0, real.find("Hang=30:") + 8), real},  // ends in an entry, no line end
        {real.substr(0, real.find("Hang=30:") + 9), real},  // ends between CR and LF
        {real.substr(0, real.find("Hang=30:") + 10), real}, // ends just after a line end
        {real, real.substr(0, real.find("[USERS]"))},
        {"", ""},
        {std::string("\0\xff[\r\n\n\r", 7), real},
    };
    std::uint32_t seed = 777;
    auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
    for (int round = 0; round < 100; ++round) {
        std::string a = real.substr(0, next() % real.size());
        std::string b = real;
        b[next() % b.size()] = static_cast<char>(next() >> 24);
        pairs.emplace_back(a, b);
    }
    char dir[] = "/tmp/merix-walk-XXXXXX";
    ASSERT_TRUE(mkdtemp(dir));
    const std::string docPath = std::string(dir) + "/doc.mrx";
    const std::string copyPath = std::string(dir) + "/doc.REF";
    for (const auto& [a, b] : pairs) {
        std::ofstream(docPath, std::ios::binary | std::ios::trunc) << a;
        std::ofstream(copyPath, std::ios::binary | std::ios::trunc) << b;
        std::istringstream d(a);
        std::istringstream c(b);
        const auto fromFiles = compareDocumentFiles(docPath, copyPath);
        ASSERT_TRUE(fromFiles);
        EXPECT_EQ(allFlags(*fromFiles), allFlags(compareDocuments(d, c)))
            << "document of " << a.size() << " bytes, copy of " << b.size();
    }
    unlink(docPath.c_str());
    unlink(copyPath.c_str());
    rmdir(dir);
}

TEST(ChangeDetection, MissingDocumentFileIsAFailureAndAMissingCopyChangesAll)
{
    EXPECT_FALSE(compareDocumentFiles("/nonexistent/doc.mrx", "/nonexistent/doc.REF"));
    char path[] = "/tmp/merix-doc-XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);
    const auto changes = compareDocumentFiles(path, "/nonexistent/doc.REF");
    ASSERT_TRUE(changes);
    EXPECT_TRUE(changes->timers(0));
    EXPECT_TRUE(changes->miscSetup(127));
    unlink(path);
}

} // namespace
} // namespace merix
