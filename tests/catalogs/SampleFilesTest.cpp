#include "SampleCatalogs.h"

#include "document/CatalogFields.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

using namespace merix;
using merix::test::SampleDocument;
using merix::test::sampleCatalog;

namespace {

constexpr const char* kAllCatalogs[] = {
    "timers.cfg", "messages.cfg", "dvr.cfg",    "users.cfg",    "io.cfg",      "commands.cfg",
    "macros.cfg", "schedule.cfg", "beep.cfg",   "tones.cfg",    "misc.cfg",    "userdflt.cfg",
    "wordlist.cfg", "cw.cfg",     "access.cfg", "resolutn.cfg", "dfltbeep.cfg"};

std::string readWhole(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A text that goes into the document file must not split its line there.
void expectDocumentSafe(std::string_view text, const std::string& where)
{
    EXPECT_EQ(text.find_first_of(":;"), std::string_view::npos) << where << ": " << text;
}

void expectKeySafe(std::string_view key, const std::string& where)
{
    EXPECT_FALSE(key.empty()) << where;
    EXPECT_EQ(key.find_first_of(":;=, "), std::string_view::npos) << where << ": " << key;
}

} // namespace

TEST(SampleFiles, EveryLineEndsInCrLfAndFitsTheReaders)
{
    for (const char* name : kAllCatalogs) {
        const std::string content = readWhole(sampleCatalog(name));
        ASSERT_FALSE(content.empty()) << name;
        EXPECT_EQ(content.substr(content.size() - 2), "\r\n") << name;
        const std::size_t limit = std::string_view(name) == "messages.cfg" ? 1999 : 999;
        std::size_t start = 0;
        int lineNumber = 1;
        while (start < content.size()) {
            const std::size_t lf = content.find('\n', start);
            ASSERT_NE(lf, std::string::npos) << name << " line " << lineNumber;
            ASSERT_GT(lf, start) << name << " line " << lineNumber << " has a bare LF";
            EXPECT_EQ(content[lf - 1], '\r') << name << " line " << lineNumber;
            const std::string_view line(content.data() + start, lf - 1 - start);
            EXPECT_LE(line.size(), limit) << name << " line " << lineNumber;
            EXPECT_EQ(line.find('\r'), std::string_view::npos) << name << " line " << lineNumber;
            start = lf + 1;
            ++lineNumber;
        }
    }
}

TEST(SampleFiles, TextsThatReachTheDocumentHoldNoSeparators)
{
    SampleDocument sample;
    ASSERT_TRUE(sample.loaded);
    const ConfigDocument& doc = sample.doc;

    for (const TimerEntry& t : doc.timers)
        expectKeySafe(t.key.view(), "timer");
    for (const MessageEntry& m : doc.messages) {
        expectKeySafe(m.key.view(), "message");
        expectDocumentSafe(m.text, m.key.str());
        EXPECT_EQ(m.text.find_first_of(",="), std::string::npos) << m.key.str();
        expectDocumentSafe(m.messageType.view(), m.key.str());
    }
    for (const DvrTrack& t : doc.dvrTracks) {
        expectKeySafe(t.trackName.view(), "DVR track");
        expectDocumentSafe(t.description, t.trackName.str());
    }
    for (const UserEntry& u : doc.users) {
        expectKeySafe(u.key.view(), "user");
        expectDocumentSafe(u.description, u.key.str());
    }
    for (const IoPoint& p : doc.ioPoints) {
        expectKeySafe(p.key.view(), "I/O point");
        expectDocumentSafe(p.resolution, p.key.str());
        expectDocumentSafe(p.description, p.key.str());
    }
    for (const CommandEntry& c : doc.commands) {
        expectKeySafe(c.key.view(), "command");
        expectDocumentSafe(c.name.view(), c.key.str());
    }
    for (const MacroEntry& m : doc.macros)
        expectKeySafe(m.key.view(), "macro");
    for (const ScheduleEvent& e : doc.events)
        expectKeySafe(e.key.view(), "event");
    for (const CourtesyBeep& b : doc.beeps)
        expectKeySafe(b.key.view(), "beep");
    for (const PortSetup& p : doc.ports) {
        expectDocumentSafe(p.AccessMode.view(), "access mode");
        expectDocumentSafe(p.AccessCode.view(), "access code");
        expectDocumentSafe(p.ForceExecutionDigit.view(), "force execution digit");
    }
    const UserDefaults& d = doc.userDefaults;
    for (std::string_view text : {d.autopatchDownCode.view(), d.autodialReadbackType.view(),
                                  d.normalReadbackType.view(), d.patchPrivacyType.view()})
        expectDocumentSafe(text, "user defaults");
}

TEST(SampleFiles, TimerDefaultsLieWithinTheirMaximum)
{
    // The Timers screen reads label, default and maximum again from the catalog.
    const CatalogLines lines = readCatalogEntryLines(sampleCatalog("timers.cfg"), kScreenLineCapacity);
    ASSERT_TRUE(lines.opened);
    ASSERT_EQ(lines.lines.size(), 40u);
    for (const std::string& line : lines.lines) {
        const std::vector<std::string> f = cutFields(line, timersLayout());
        ASSERT_EQ(f.size(), 6u);
        EXPECT_LE(f[1].size(), 59u) << f[0];
        EXPECT_LE(f[4].size(), 4u) << f[0];
        const int dflt = readInt(f[3]);
        const int maximum = readInt(f[4]);
        EXPECT_GE(dflt, 0) << f[0];
        EXPECT_LE(dflt, maximum) << f[0];
        EXPECT_GT(maximum, 0) << f[0];
        EXPECT_FALSE(f[5].empty()) << f[0] << " has no description";
    }
}

TEST(SampleFiles, CourtesyBeepChordsFitTheBeepScreen)
{
    struct Chord {
        int length, freq1, freq2, pause;
    };
    const auto expectPlayable = [](const Chord& c, const std::string& where) {
        EXPECT_GE(c.length, 0) << where;
        EXPECT_LE(c.length, 6000) << where;
        EXPECT_GE(c.pause, 0) << where;
        EXPECT_LE(c.pause, 6000) << where;
        EXPECT_GE(c.freq1, 0) << where;
        EXPECT_LE(c.freq1, 9999) << where;
        EXPECT_GE(c.freq2, 0) << where;
        EXPECT_LE(c.freq2, 9999) << where;
        if (c.length > 0) {
            EXPECT_GT(c.freq1, 0) << where << ": a sounding chord without a tone";
        }
    };

    SampleDocument sample;
    ASSERT_TRUE(sample.loaded);
    for (const CourtesyBeep& b : sample.doc.beeps) {
        EXPECT_GT(b.chordLength[0], 0) << b.key.str() << " is silent";
        for (int n = 0; n < kChordCount; ++n)
            expectPlayable({b.chordLength[n], b.chordFreq1[n], b.chordFreq2[n], b.chordPause[n]}, b.key.str());
    }

    // dfltbeep.cfg: name:l,f1,f2,p:... five times, the last pause running to the line end.
    const CatalogLines sets = readCatalogEntryLines(sampleCatalog("dfltbeep.cfg"), kScreenLineCapacity);
    ASSERT_TRUE(sets.opened);
    EXPECT_GE(sets.lines.size(), 4u);
    FieldLayout layout{{true}, true};
    for (int n = 0; n < kChordCount; ++n)
        for (int i = 0; i < 4; ++i)
            if (n < kChordCount - 1 || i < 3)
                layout.endsAtColon.push_back(i == 3);
    std::set<std::string> names;
    for (const std::string& line : sets.lines) {
        const std::vector<std::string> f = cutFields(line, layout);
        ASSERT_EQ(f.size(), 21u);
        const std::string& name = f[0];
        EXPECT_FALSE(name.empty());
        EXPECT_LE(name.size(), 51u) << name; // what a beep's defaultBeepName holds
        EXPECT_NE(merix::test::upper(name), "OTHER") << "the screen appends Other itself";
        expectDocumentSafe(name, "default beep");
        EXPECT_TRUE(names.insert(name).second) << "listed twice: " << name;
        for (int n = 0; n < kChordCount; ++n)
            expectPlayable({readInt(f[1 + 4 * n]), readInt(f[2 + 4 * n]), readInt(f[3 + 4 * n]), readInt(f[4 + 4 * n])},
                           name);
    }
}
