#include "document/CatalogFields.h"
#include "document/CatalogLoader.h"
#include "document/ConfigDocument.h"
#include "CatalogSet.h"
#include "tests/support/RecordingPrompter.h"

#include <gtest/gtest.h>

using namespace merix;
using merix::test::RecordingPrompter;
using merix::test::TempDir;

namespace {

class CatalogLoad : public ::testing::Test {
protected:
    CatalogLoad()
    {
        files = test::smallCatalogs();
        doc.setStartupDirectory(dir.path().string());
    }
    bool load()
    {
        test::writeCatalogs(dir, files);
        return loadCatalogs(doc, prompter);
    }

    TempDir dir;
    std::map<std::string, std::string> files;
    ConfigDocument doc;
    RecordingPrompter prompter;
};

// Fixed and free texts compare alike.
std::string text(std::string_view s) { return std::string(s); }

} // namespace

TEST_F(CatalogLoad, FillsEveryTableFromItsCatalog)
{
    ASSERT_TRUE(load());
    EXPECT_TRUE(prompter.boxes.empty());

    ASSERT_EQ(doc.timers.size(), 2u);
    EXPECT_EQ(text(doc.timers[0].key), "Timeout Port 1");
    EXPECT_EQ(text(doc.timers[0].timerNumber), "5");
    EXPECT_EQ(doc.timers[0].length, 180);

    const MessageEntry& m = doc.messages[1];
    EXPECT_EQ(text(m.key), "CW ID Port 1");
    EXPECT_EQ(text(m.macroNumber), "101");
    EXPECT_EQ(text(m.messageType), "CW");
    EXPECT_EQ(text(m.interruptAction), "CW_ID");
    EXPECT_EQ(text(m.cwIdCommand), "051");
    EXPECT_EQ(text(m.text), "DE W1AW");
    EXPECT_EQ(text(m.interruptCommand), "");

    EXPECT_EQ(text(doc.dvrTracks[0].trackName), "T01");
    EXPECT_EQ(text(doc.dvrTracks[0].description), "Opening, track one");

    const IoPoint& io = doc.ioPoints[0];
    EXPECT_EQ(text(io.key), "Analog 1");
    EXPECT_EQ(io.ioNumber, 1);
    EXPECT_EQ(io.analogInputNumber, 1);
    EXPECT_EQ(text(io.resolution), "Volts");
    EXPECT_EQ(io.decimals, 1);
    EXPECT_EQ(io.rangeHigh, 150);
    EXPECT_EQ(text(io.description), "Battery voltage");
    // Two commas in a row: the empty resolution is dropped and the later fields move up.
    EXPECT_EQ(text(doc.ioPoints[1].resolution), "0");
    EXPECT_EQ(doc.ioPoints[1].decimals, 0);
    EXPECT_EQ(doc.ioPoints[1].rangeLow, 1);
    EXPECT_EQ(text(doc.ioPoints[1].description), "");

    EXPECT_EQ(text(doc.commands[0].name), "SETTIMER");
    EXPECT_EQ(doc.commands[0].clearanceLevel, 7);
    EXPECT_EQ(doc.commands[0].portEnabled, (PortInts{1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(text(doc.macros[1].key), "Macro101");
    EXPECT_FALSE(doc.macros[1].comment.has_value());
    EXPECT_EQ(text(doc.events[0].key), "Schedule01");
    EXPECT_EQ(text(doc.events[0].monthName), "January");
    EXPECT_EQ(doc.events[0].hour, 12);

    const CourtesyBeep& b = doc.beeps[0];
    EXPECT_EQ(text(b.commandNumber), "130");
    EXPECT_EQ(b.chordLength, (std::array<int, 5>{10, 11, 12, 13, 14}));
    EXPECT_EQ(b.chordFreq1, (std::array<int, 5>{800, 810, 820, 830, 840}));
    EXPECT_EQ(b.chordFreq2, (std::array<int, 5>{900, 910, 920, 930, 940}));
    EXPECT_EQ(b.chordPause, (std::array<int, 5>{5, 6, 7, 8, 9}));
    EXPECT_EQ(doc.beeps[1].chordPause, (std::array<int, 5>{4, 0, 0, 0, 0}));
}

TEST_F(CatalogLoad, TonesAndPortSetup)
{
    ASSERT_TRUE(load());
    const ToneSettings& t = doc.tones;
    EXPECT_EQ(text(t.title), "Tones");
    EXPECT_EQ(t.cwSpeed, (PortInts{20, 21, 22, 23, 24, 25, 26, 27}));
    EXPECT_EQ(t.cwFreq1[7], 707);
    EXPECT_EQ(t.cwFreq2[3], 3);
    EXPECT_EQ(t.coverToneMacro, 900);
    EXPECT_EQ(t.coverToneDuration, 50);
    EXPECT_EQ(t.coverToneFreq1, 1000);
    EXPECT_EQ(t.coverToneFreq2, 1100);
    EXPECT_EQ(t.coverToneDelay, 60);
    EXPECT_EQ(t.reversePatchRingNumber, 901);
    EXPECT_EQ(t.reversePatchRingDelay, 80);
    EXPECT_EQ(t.dtmfToneLength, (PortInts{100, 101, 102, 103, 104, 105, 106, 107}));
    EXPECT_EQ(t.dtmfToneDelay[7], 117);
    EXPECT_EQ(t.preaccessFreq1[0], 300);
    EXPECT_EQ(t.preaccessFreq2[7], 317);

    const PortSetup& p = doc.ports[0];
    EXPECT_EQ(p.DTMFMute, 1);
    EXPECT_EQ(text(p.AccessMode), "Carrier");
    EXPECT_EQ(p.Preaccess, 2);
    EXPECT_EQ(text(p.AccessCode), "123");
    EXPECT_EQ(text(p.ForceExecutionDigit), "D");
    EXPECT_EQ(text(p.portDescription), "Main repeater");
    EXPECT_EQ(doc.ports[1].PLPolarity, 1);
    EXPECT_EQ(text(doc.ports[1].AccessCode), "");
    EXPECT_EQ(text(doc.ports[1].portDescription), "Link");
}

TEST_F(CatalogLoad, MiscCountSetsOnlyItsPortsAndLinesWithoutEqualsAreEmpty)
{
    for (PortSetup& p : doc.ports) {
        p.Bypass = 7;
        p.AccessMode = "Old";
        p.portDescription = "Old port";
    }
    // One block with lines lacking '=', then the file ends in the middle of block 2.
    std::string block = "DTMFMute\nCoverTone\nBypass\nCORPolarity=1\nPLPolarity=1\nPasswordSystem=1\n"
                        "AccessMode=A mode name longer than twenty-four\nPreaccess=1\nDialTone=1\n"
                        "AccessCode=1234567890\nIDOnOff=1\nIDRandRotating=1\nChaining=1\n"
                        "TimedExecution=1\nForceExecutionDigit=#9\nPortDescription=First\n";
    files["misc.cfg"] = "Misc\n3\n" + block + "DTMFMute=1\nCoverTone=1\n";
    ASSERT_TRUE(load());
    const PortSetup& p1 = doc.ports[0];
    EXPECT_EQ(p1.DTMFMute, 0);
    EXPECT_EQ(p1.Bypass, 0);
    EXPECT_EQ(p1.CORPolarity, 1);
    EXPECT_EQ(text(p1.AccessMode), "A mode name longer than ");
    EXPECT_EQ(text(p1.AccessCode), "123456");
    EXPECT_EQ(text(p1.ForceExecutionDigit), "#");
    EXPECT_EQ(text(p1.portDescription), "First");
    // Block 2 stops early: what is missing reads as empty or 0.
    EXPECT_EQ(doc.ports[1].CoverTone, 1);
    EXPECT_EQ(doc.ports[1].Bypass, 0);
    EXPECT_EQ(text(doc.ports[1].AccessMode), "");
    // Ports past the count keep their values; only their descriptions are dropped.
    for (std::size_t k = 3; k < kPortCount; ++k) {
        EXPECT_EQ(doc.ports[k].Bypass, 7);
        EXPECT_EQ(text(doc.ports[k].AccessMode), "Old");
        EXPECT_EQ(text(doc.ports[k].portDescription), "");
    }
}

TEST_F(CatalogLoad, UserDefaultsCommentsAndSeeding)
{
    files["userdflt.cfg"] = "Defaults\n1;mode\n 5 ;level\n4\nDOWNCODE123;cut to nine\n"
                            "1;predial\nreadback a ;keeps its trailing blank\nno comment at all\n"
                            "mute;privacy\n";
    ASSERT_TRUE(load());
    const UserDefaults& d = doc.userDefaults;
    EXPECT_EQ(d.passwordMode, 1);
    EXPECT_EQ(d.clearanceLevel, 5);
    EXPECT_EQ(d.challengeDigits, 4);
    EXPECT_EQ(text(d.autopatchDownCode), "DOWNCODE1");
    EXPECT_EQ(d.sendPredialDigits, 1);
    EXPECT_EQ(text(d.autodialReadbackType), "readback a ");
    EXPECT_EQ(text(d.normalReadbackType), "no comment at all");
    EXPECT_EQ(text(d.patchPrivacyType), "mute");
    EXPECT_EQ(d.patchTimeOutTimer, 0); // the file ends before its ninth line

    // Every user starts from the defaults.
    for (const UserEntry& u : doc.users) {
        EXPECT_EQ(u.clearanceLevel, 5);
        EXPECT_EQ(u.passwordMode, 1);
        EXPECT_EQ(u.challengeDigits, 4);
        EXPECT_EQ(text(u.autopatchDownCode), "DOWNCODE1");
        EXPECT_EQ(text(u.autodialReadbackType), "readback a ");
        EXPECT_EQ(text(u.patchPrivacyType), "mute");
        EXPECT_EQ(u.enabled, 0);
        EXPECT_EQ(text(u.name), "");
    }
    EXPECT_EQ(text(doc.users[1].description), "A guest");
}

TEST_F(CatalogLoad, WrapsCutsAndFillsMissingEntries)
{
    files["timers.cfg"] = "Timers\n3\n" + std::string(50, 'K') + ",L,1234567,70000\r\n" +
                          "Short\n";
    files["io.cfg"] = "IO\n1\nAnalog 1,L,1,1,R,2,-40000,40000,D\n";
    ASSERT_TRUE(load());
    ASSERT_EQ(doc.timers.size(), 3u);
    EXPECT_EQ(text(doc.timers[0].key), std::string(39, 'K'));
    EXPECT_EQ(text(doc.timers[0].timerNumber), "12345");
    EXPECT_EQ(doc.timers[0].length, 70000 - 65536);
    EXPECT_EQ(text(doc.timers[1].key), "Short");
    EXPECT_EQ(doc.timers[1].length, 0);
    EXPECT_EQ(text(doc.timers[2].key), ""); // the file ended before it
    EXPECT_EQ(doc.ioPoints[0].rangeLow, -40000 + 65536);
    EXPECT_EQ(doc.ioPoints[0].rangeHigh, 40000 - 65536);
}

TEST_F(CatalogLoad, AHugeCountIsCutWithAMessage)
{
    files["commands.cfg"] = "Commands\n2000000000\nCommand020,Set,SET,1\n";
    ASSERT_TRUE(load());
    EXPECT_EQ(doc.commands.size(), static_cast<std::size_t>(kMaxCatalogEntries));
    EXPECT_EQ(text(doc.commands[0].name), "SET");
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{
                  "Warning.  commands.cfg gives a count of 2000000000 entries, more than the 10000 "
                  "this program reads.  Only the first 10000 entries are used."});
}

TEST_F(CatalogLoad, ReloadReplacesEveryTable)
{
    ASSERT_TRUE(load());
    doc.timers[0].length = 1;
    doc.macros[0].comment = "edited";
    doc.users[0].name = "Someone";
    files["timers.cfg"] = "Timers\n1\nOnly,L,9,77\n";
    ASSERT_TRUE(load());
    ASSERT_EQ(doc.timers.size(), 1u);
    EXPECT_EQ(doc.timers[0].length, 77);
    EXPECT_FALSE(doc.macros[0].comment.has_value());
    EXPECT_EQ(text(doc.users[0].name), "");
}

// Each catalog, when missing, is reported with its own message and stops the load there.
TEST_F(CatalogLoad, AMissingCatalogStopsTheLoadWithItsMessage)
{
    const std::pair<const char*, const char*> order[] = {
        {"timers.cfg", "Error.  Unable to open timers.cfg (timer commands configure file)."},
        {"messages.cfg", "Error.  Unable to open messages.cfg (message commands configure file)."},
        {"dvr.cfg", "Error.  Unable to open dvr.cfg (DVR descriptions configure file)."},
        {"users.cfg", "Error.  Unable to open users.cfg (user commands configure file)."},
        {"io.cfg", "Error.  Unable to open io.cfg (inputs and outputs configure file)."},
        {"commands.cfg", "Error.  Unable to open commands.cfg (commands configure file)."},
        {"macros.cfg", "Error.  Unable to open macros.cfg (macros configure file)."},
        {"schedule.cfg", "Error.  Unable to open schedule.cfg (schedular configure file)."},
        {"beep.cfg", "Error.  Unable to open beep.cfg (courtesy beeps configure file)."},
        {"tones.cfg", "Error.  Unable to open tones.cfg (tones configure file)."},
        {"misc.cfg", "Error.  Unable to open misc.cfg (misc setup configure file)."},
    };
    for (std::size_t i = 0; i < std::size(order); ++i) {
        SCOPED_TRACE(order[i].first);
        TempDir fresh;
        ConfigDocument d;
        d.setStartupDirectory(fresh.path().string());
        // A stale table shows which catalogs were read before the failure.
        d.timers.resize(5);
        d.ports[0].portDescription = "stale";
        auto set = files;
        set.erase(order[i].first);
        test::writeCatalogs(fresh, set);
        RecordingPrompter p;
        EXPECT_FALSE(loadCatalogs(d, p));
        EXPECT_EQ(p.texts(), std::vector<std::string>{order[i].second});
        EXPECT_EQ(d.timers.size(), i == 0 ? 5u : 2u);
        EXPECT_EQ(text(d.ports[0].portDescription), "stale");
    }
}

TEST_F(CatalogLoad, AMissingUserDefaultsFileIsReportedAndTheLoadGoesOn)
{
    doc.userDefaults.clearanceLevel = 6;
    files.erase("userdflt.cfg");
    EXPECT_TRUE(load());
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{
                  "Error.  Unable to open userdflt.cfg (user defaults configure file)."});
    EXPECT_EQ(doc.userDefaults.clearanceLevel, 6);
    EXPECT_EQ(doc.users[0].clearanceLevel, 6);
}
