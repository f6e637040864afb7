#include "document/CatalogLoader.h"
#include "document/ConfigDocument.h"
#include "document/DocumentFile.h"
#include "CatalogSet.h"
#include "tests/support/RecordingPrompter.h"

#include <gtest/gtest.h>

using namespace merix;
using merix::test::RecordingPrompter;
using merix::test::TempDir;

namespace {

std::string text(std::string_view s) { return std::string(s); }

class DocumentRead : public ::testing::Test {
protected:
    DocumentRead() { test::writeCatalogs(dir, test::smallCatalogs()); }

    // A store freshly built from the catalogs, as Open has it before reading.
    ConfigDocument fresh()
    {
        ConfigDocument doc;
        doc.setStartupDirectory(dir.path().string());
        RecordingPrompter prompter;
        EXPECT_TRUE(loadCatalogs(doc, prompter));
        return doc;
    }
    ConfigDocument readBack(const std::string& content)
    {
        dir.write("doc.mrx", content);
        ConfigDocument doc = fresh();
        EXPECT_TRUE(readDocumentFile(doc, dir.file("doc.mrx")));
        return doc;
    }

    // Edits a value in every section, with texts free of ':' and ';'.
    static void edit(ConfigDocument& doc)
    {
        doc.timers[1].length = 65535;
        MessageEntry& m = doc.messages[0];
        m.macroNumber = "";
        m.messageType = "PoliteVoice";
        m.text = "HELLO, THERE = ALL";
        m.interruptCommand = "123";
        m.interruptAction = "COMMAND";
        m.cwIdCommand = "";
        doc.dvrTracks[1].description = "Closing, with, commas";
        doc.dvrTracks[0].description = "";
        UserEntry& u = doc.users[1];
        u.name = "Jo Smith";
        u.callSign = "W1AW";
        u.enabled = 1;
        u.password = "1234";
        u.passwordMode = 1;
        u.challengeDigits = 3;
        u.clearanceLevel = 7;
        u.autodialNumber = "5551212";
        u.sendPredialDigits = 1;
        u.autodialReadbackType = "";
        u.normalReadbackType = "none";
        u.patchPrivacyType = "cover tone";
        u.patchTimeOutTimer = 1;
        u.autopatchDownCode = "";
        u.pagerType = "Numeric";
        u.pagerPort1 = 1;
        u.pagerPort2 = 1;
        u.description = "";
        IoPoint& io = doc.ioPoints[0];
        io.decimals = 2;
        io.rangeLow = -9999;
        io.rangeHigh = 32767;
        io.resolution = "";
        io.description = "Main battery";
        doc.commands[1].name = "";
        doc.commands[1].clearanceLevel = 4;
        doc.commands[1].portEnabled = {0, 1, 0, 1, 0, 1, 0, 1};
        doc.macros[0].comment = "Station ID";
        doc.macros[0].lines = {{"020", "005 030"}, {"", ""}, {"100", ""}};
        doc.macros[1].comment = "";
        ScheduleEvent& ev = doc.events[1];
        ev.comment = "Nightly";
        ev.commandNumber = "021";
        ev.monthName = "";
        ev.dayName = "Friday";
        ev.period = 4;
        ev.minutes = 59;
        ev.hour = 11;
        ev.dayOfMonth = 31;
        ev.amPm = 1;
        CourtesyBeep& b = doc.beeps[1];
        b.defaultBeepName = "Rising tones";
        b.commandNumber = "";
        b.chordLength = {1, 2, 3, 4, 5};
        b.chordPause = {-1, 0, 0, 0, 9};
        doc.tones.cwSpeed[7] = 35;
        doc.tones.reversePatchRingDelay = -3;
        doc.tones.preaccessFreq2[0] = 2000;
        PortSetup& p = doc.ports[7];
        p.DTMFMute = 1;
        p.AccessMode = "";
        p.AccessCode = "99";
        p.ForceExecutionDigit = "";
        p.TimedExecution = 1;
    }

    TempDir dir;
};

} // namespace

TEST_F(DocumentRead, WriteReadWriteIsByteIdentical)
{
    ConfigDocument doc = fresh();
    edit(doc);
    const std::string first = documentText(doc);

    ConfigDocument back = readBack(first);
    EXPECT_DOUBLE_EQ(back.documentVersion(), 1.5);
    EXPECT_EQ(documentText(back), first);
    // Values that differ from the catalog came back, not just the text.
    EXPECT_EQ(back.messages[0].text, "HELLO, THERE = ALL");
    EXPECT_EQ(text(back.messages[0].macroNumber), "");
    EXPECT_EQ(back.dvrTracks[0].description, "");
    EXPECT_EQ(back.dvrTracks[1].description, "Closing, with, commas");
    EXPECT_EQ(back.users[1].autodialReadbackType, "");
    EXPECT_EQ(back.users[1].description, "");
    EXPECT_EQ(back.ioPoints[0].rangeHigh, 32767);
    EXPECT_EQ(back.macros[0].lines.size(), 3u);
    EXPECT_EQ(back.macros[0].lines[1].commandNumber, "");
    EXPECT_FALSE(back.macros[1].comment.has_value()); // an empty comment reads as none
    EXPECT_EQ(back.tones, doc.tones);
    EXPECT_EQ(text(back.ports[7].AccessMode), "");
}

TEST_F(DocumentRead, AnEmptyCommandNameKeepsTheLaterFieldsInPlace)
{
    ConfigDocument doc = fresh();
    doc.commands[0].name = "";
    doc.commands[0].clearanceLevel = 3;
    doc.commands[0].portEnabled = {0, 0, 1, 1, 0, 0, 1, 1};
    const std::string written = documentText(doc);
    EXPECT_NE(written.find("Command020= :3:0:0:1:1:0:0:1:1:\r\n"), std::string::npos);

    const ConfigDocument back = readBack(written);
    EXPECT_EQ(text(back.commands[0].name), "");
    EXPECT_EQ(back.commands[0].clearanceLevel, 3);
    EXPECT_EQ(back.commands[0].portEnabled, (PortInts{0, 0, 1, 1, 0, 0, 1, 1}));
}

TEST_F(DocumentRead, SeparatorsAndCommentsInsideTexts)
{
    ConfigDocument doc = fresh();
    doc.macros[0].lines = {{"020", "1 2:3 4"}};
    doc.users[0].name = "Smith; Jo";
    doc.users[0].callSign = "W1AW";
    doc.users[1].name = "A:B";
    doc.users[1].callSign = "K1ABC";
    doc.users[1].enabled = 1;
    const std::string written = documentText(doc);
    // The parameter is written and kept only up to its ':'.
    EXPECT_NE(written.find("Macro100= :1:020,1 2:\r\n"), std::string::npos);
    ASSERT_EQ(writeDocumentFile(doc, dir.file("doc.mrx")), "");
    EXPECT_EQ(doc.macros[0].lines[0].parameters, "1 2");

    ConfigDocument back = fresh();
    ASSERT_TRUE(readDocumentFile(back, dir.file("doc.mrx")));
    EXPECT_EQ(back.macros[0].lines[0].parameters, "1 2");
    // ';' starts a comment: the rest of that line is gone.
    EXPECT_EQ(back.users[0].name, "Smith");
    EXPECT_EQ(back.users[0].callSign, "");
    // ':' splits the field and shifts the later ones.
    EXPECT_EQ(back.users[1].name, "A");
    EXPECT_EQ(back.users[1].callSign, "B");
    EXPECT_EQ(back.users[1].enabled, 0); // took "K1ABC"
}

TEST_F(DocumentRead, UnmatchedAndDuplicateKeys)
{
    dir.write("timers.cfg", "Timers\n3\nT,L,1,10\nt,L,2,20\nT,L,3,30\n");
    dir.write("users.cfg", "Users\n1\nUser002,Second,Guest\n");
    const std::string file =
        "[MERIX FILE VER 1.5]\r\n\r\n[TIMERS]\r\n3\r\nT=99:\r\nNoSuchTimer=5:\r\nt=77:\r\n\r\n"
        "[MESSAGES]\r\n0\r\n\r\n[DVR]\r\n0\r\n\r\n[USERS]\r\n2\r\n"
        "User001=Ghost: :1: :0:0:0:\r\nAutopatch001=999:1: : : :0: :\r\nPager001=P:1:1:\r\n"
        "Description001=Ghost user:\r\n"
        "User002=Real:CALL:1: :0:0:5:\r\nAutopatch002=555:1: : : :0: :\r\nPager002= :0:1:\r\n"
        "Description002=Real user:\r\n\r\nEND";
    const ConfigDocument doc = readBack(file);
    ASSERT_EQ(doc.timers.size(), 3u);
    EXPECT_EQ(doc.timers[0].length, 99); // the first of two equal keys
    EXPECT_EQ(doc.timers[1].length, 77); // keys differ in case
    EXPECT_EQ(doc.timers[2].length, 30); // the duplicate keeps its catalog value
    // The unknown user's further lines were consumed, so the next user reads correctly.
    ASSERT_EQ(doc.users.size(), 1u);
    EXPECT_EQ(doc.users[0].name, "Real");
    EXPECT_EQ(doc.users[0].clearanceLevel, 5);
    EXPECT_EQ(doc.users[0].autodialNumber, "555");
    EXPECT_EQ(doc.users[0].pagerPort2, 1);
    EXPECT_EQ(doc.users[0].description, "Real user");
}

TEST_F(DocumentRead, Version11FileKeepsCatalogValuesForNewerFields)
{
    // No [DVR], no Description lines, no interrupt action or CW ID, no beep command
    // number, no [MISC SETUP]. Comments and blank lines are allowed anywhere.
    const std::string file =
        "[MERIX FILE VER 1.1]\n\n[TIMERS]\n1\nTimeout Port 1=240:\n\n"
        "[MESSAGES]\n1\n; a comment line\n\nID Port 1:200:CW=DE K1ABC:321:\n\n"
        "[USERS]\n1\nUser001=Ann:K1ANN:1:55:0:0:6:\nAutopatch001=1234:1: : : :1: :\nPager001=Alpha:1:0:\n\n"
        "[INPUTS & OUTPUTS]\n1\nAnalog 1=3:-100:100:mV:\n\n"
        "[COMMANDS]\n1\nCommand021=TIMEOF:1:1:1:1:1:1:1:1:0:\n\n"
        "[MACROS]\n1\nMacro101=Tail:1:200,9:\n\n"
        "[SCHEDULAR]\n1\nSchedule02= :050:March:Sunday:1:30:6:15:1:\n\n"
        "[COURTESY BEEPS]\n1\nBeep 2=Default one:5,6,7,8:\n\n"
        "[TONES]\n2\nCWSpeedPort1=30\nCWFreq1Port1=900\n\nEND";
    const ConfigDocument doc = readBack(file);
    EXPECT_DOUBLE_EQ(doc.documentVersion(), 1.1);
    EXPECT_EQ(doc.timers[0].length, 240);
    const MessageEntry& m = doc.messages[0];
    EXPECT_EQ(text(m.macroNumber), "200");
    EXPECT_EQ(text(m.messageType), "CW");
    EXPECT_EQ(m.text, "DE K1ABC");
    EXPECT_EQ(text(m.interruptCommand), "321");
    EXPECT_EQ(text(m.interruptAction), "NOCOMMAND");
    EXPECT_EQ(text(m.cwIdCommand), "050");
    EXPECT_EQ(doc.dvrTracks[0].description, "Opening, track one");
    EXPECT_EQ(doc.users[0].name, "Ann");
    EXPECT_EQ(doc.users[0].pagerType, "Alpha");
    EXPECT_EQ(doc.users[0].description, "The owner");
    EXPECT_EQ(doc.ioPoints[0].resolution, "mV");
    EXPECT_EQ(doc.ioPoints[0].description, "Battery voltage");
    EXPECT_EQ(doc.commands[1].portEnabled, (PortInts{1, 1, 1, 1, 1, 1, 1, 0}));
    EXPECT_EQ(doc.macros[1].comment, "Tail");
    EXPECT_EQ(doc.macros[1].lines.size(), 1u);
    EXPECT_FALSE(doc.events[1].comment.has_value());
    EXPECT_EQ(text(doc.events[1].monthName), "March");
    EXPECT_EQ(doc.events[1].amPm, 1);
    EXPECT_EQ(text(doc.beeps[1].defaultBeepName), "Default one");
    EXPECT_EQ(text(doc.beeps[1].commandNumber), "131");
    EXPECT_EQ(doc.beeps[1].chordLength[0], 5);
    EXPECT_EQ(doc.beeps[1].chordPause[0], 8);
    EXPECT_EQ(doc.tones.cwSpeed[0], 30);
    EXPECT_EQ(doc.tones.cwFreq1[0], 900);
    EXPECT_EQ(doc.tones.cwFreq2[0], 0); // the count was 2
    EXPECT_EQ(doc.ports[0].portDescription, "Main repeater");
    EXPECT_EQ(text(doc.ports[0].AccessMode), "Carrier");
}

TEST_F(DocumentRead, Versions13And14AddTheirFields)
{
    const std::string body =
        "[TIMERS]\r\n0\r\n\r\n[MESSAGES]\r\n1\r\nID Port 1:200:Voice=HI:7:COMMAND:099:\r\n\r\n"
        "[DVR]\r\n1\r\nT01,New, description\r\n\r\n"
        "[USERS]\r\n1\r\nUser001=Ann: :0: :0:0:1:\r\nAutopatch001= :0: : : :0: :\r\nPager001= :0:0:\r\n"
        "Description001=Owner:\r\n\r\n"
        "[INPUTS & OUTPUTS]\r\n1\r\nAnalog 1=1:0:150:Volts:Pack:\r\n\r\n"
        "[COMMANDS]\r\n0\r\n\r\n[MACROS]\r\n0\r\n\r\n[SCHEDULAR]\r\n0\r\n\r\n"
        "[COURTESY BEEPS]\r\n1\r\nBeep 1= :140:1,1,1,1:\r\n\r\n[TONES]\r\n0\r\n\r\n"
        "[MISC SETUP]\r\n8\r\nPort 1\r\nDTMFMute=0\r\n\r\nEND";

    ConfigDocument v13 = readBack("[MERIX FILE VER 1.3]\r\n\r\n" + body);
    EXPECT_EQ(text(v13.messages[0].interruptCommand), "7");
    EXPECT_EQ(text(v13.messages[0].interruptAction), "NOCOMMAND");
    EXPECT_EQ(v13.dvrTracks[0].description, "New, description");
    EXPECT_EQ(v13.users[0].description, "Owner");
    EXPECT_EQ(v13.ioPoints[0].description, "Pack");
    EXPECT_EQ(text(v13.beeps[0].commandNumber), "130"); // "140" is read as a chord length
    EXPECT_EQ(v13.beeps[0].chordLength[0], 140);
    EXPECT_EQ(v13.ports[0].DTMFMute, 1);

    ConfigDocument v14 = readBack("[MERIX FILE VER 1.4]\r\n\r\n" + body);
    EXPECT_EQ(text(v14.messages[0].interruptAction), "COMMAND");
    EXPECT_EQ(text(v14.messages[0].cwIdCommand), "099");
    EXPECT_EQ(text(v14.beeps[0].commandNumber), "140");
    EXPECT_EQ(v14.beeps[0].chordLength[0], 1);
    EXPECT_EQ(v14.ports[0].DTMFMute, 1); // [MISC SETUP] is read from 1.5 on

    ConfigDocument v15 = readBack("[MERIX FILE VER 1.5]\r\n\r\n" + body);
    EXPECT_EQ(v15.ports[0].DTMFMute, 0);
    EXPECT_EQ(v15.ports[0].Bypass, 1); // the file ended: the rest keeps its catalog value
}

TEST_F(DocumentRead, TonesAndPortLinesWithoutValues)
{
    std::string tones = "[TONES]\r\n40\r\n";
    for (int i = 0; i < 64; ++i)
        tones += "V" + std::to_string(i) + "=" + std::to_string(5000 + i) + "\r\n";
    tones.replace(tones.find("V1=5001"), 7, "NoEquals");
    const std::string file =
        "[MERIX FILE VER 1.5]\r\n\r\n[TIMERS]\r\n0\r\n\r\n[MESSAGES]\r\n0\r\n\r\n[DVR]\r\n0\r\n\r\n"
        "[USERS]\r\n0\r\n\r\n[INPUTS & OUTPUTS]\r\n0\r\n\r\n[COMMANDS]\r\n0\r\n\r\n[MACROS]\r\n0\r\n\r\n"
        "[SCHEDULAR]\r\n0\r\n\r\n[COURTESY BEEPS]\r\n0\r\n\r\n" + tones +
        "\r\n[MISC SETUP]\r\n8\r\nPort 2\r\nDTMFMute\r\nCoverTone=1\r\nBypass=1\r\nCORPolarity=1\r\n"
        "PLPolarity=0\r\nPasswordSystem=1\r\nAccessMode\r\nPreaccess=1\r\nDialTone=1\r\n"
        "AccessCode=12345678\r\nIDOnOff=1\r\nIDRandRotating=1\r\nChaining=1\r\nTimedExecution=1\r\n"
        "ForceExecutionDigit=#\r\nPort 9\r\nDTMFMute=1\r\n\r\nEND";
    const ConfigDocument doc = readBack(file);
    EXPECT_EQ(doc.tones.cwSpeed[0], 5000);
    EXPECT_EQ(doc.tones.cwFreq1[0], 700); // no '=': the catalog value stays
    EXPECT_EQ(doc.tones.cwFreq2[0], 5002);
    EXPECT_EQ(doc.tones.cwFreq1[7], 5022);
    EXPECT_EQ(doc.tones.coverToneDuration, 5024);
    EXPECT_EQ(doc.tones.reversePatchRingDelay, 5031);
    EXPECT_EQ(doc.tones.dtmfToneLength[3], 5038);
    EXPECT_EQ(doc.tones.dtmfToneDelay[3], 5039);
    EXPECT_EQ(doc.tones.dtmfToneLength[4], 108 - 4); // past the count of 40
    const PortSetup& p2 = doc.ports[1];
    EXPECT_EQ(p2.DTMFMute, 0);
    EXPECT_EQ(text(p2.AccessMode), "");
    EXPECT_EQ(p2.CoverTone, 1);
    EXPECT_EQ(text(p2.AccessCode), "123456");
    EXPECT_EQ(text(p2.ForceExecutionDigit), "#");
    EXPECT_EQ(doc.ports[0].DTMFMute, 1); // not in the file
}

TEST(DocumentRecognition, NeedsVerBeforeTheFirstBracket)
{
    TempDir dir;
    const std::pair<std::string, bool> cases[] = {
        {"[MERIX FILE VER 1.5]\r\n", true},
        {"anything VER then ] and more", true},
        {"] VER", false},
        {"[MERIX FILE VER 1.5\r\n]", false},
        {"[MERIX FILE ver 1.5]", false},
        {std::string(190, ' ') + "VER ]", true},
        {std::string(196, ' ') + "VER]", false}, // the ']' lies past 199 characters
        {"", false},
    };
    for (const auto& [content, expected] : cases) {
        dir.write("f.mrx", content);
        EXPECT_EQ(isDocumentFile(dir.file("f.mrx")), expected) << content;
    }
    EXPECT_FALSE(isDocumentFile(dir.file("missing.mrx")));
}
