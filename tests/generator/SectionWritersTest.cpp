#include "document/ConfigDocument.h"
#include "generator/LookupTables.h"
#include "generator/SectionWriters.h"

#include <gtest/gtest.h>

namespace merix {
namespace {

const SectionChanges kAll = SectionChanges::all();

SectionChanges only(std::initializer_list<bool> flags) { return SectionChanges(std::vector<bool>(flags)); }

CaseFreeTable words()
{
    return makeWordTable({{"hello", "101"}, {"world", "102"}, {"K", "211"}, {"a", "201"},
                          {"1", "301"}, {"HELLO", "999"}});
}

CaseFreeTable cw()
{
    return makeCwTable({{"H", "04"}, {"I", "02"}, {"D", "09"}, {"E", "01"}, {"M", "07"},
                        {" SPACE", "99"}, {" AR", "55"}});
}

TEST(TimerSection, PadsNumberAndLengthByValue)
{
    ConfigDocument doc;
    doc.timers = {{"T1", "5", 30}, {"T2", "100", 7}, {"T3", "12", 1000}};
    CommandText out;
    writeTimerSection(out, doc, kAll);
    EXPECT_EQ(out.text(), ";set up timers\n"
                          "N020 005 030;set timer number 5 to 30\n"
                          "N020 100 007;set timer number 100 to 7\n"
                          "N020 012 1000;set timer number 12 to 1000\n"
                          ";end of timers\n");
}

TEST(TimerSection, OnlyChangedEntriesAndMarkersWhenNothingChanged)
{
    ConfigDocument doc;
    doc.timers = {{"T1", "5", 30}, {"T2", "6", 40}};
    CommandText changed;
    writeTimerSection(changed, doc, only({false, true}));
    EXPECT_EQ(changed.text(), ";set up timers\nN020 006 040;set timer number 6 to 40\n;end of timers\n");
    CommandText none;
    writeTimerSection(none, doc, only({false, false}));
    EXPECT_EQ(none.text(), ";set up timers\n;end of timers\n");
}

MessageEntry message(const char* type, const char* text, const char* action = "NOCOMMAND",
                     const char* interrupt = "", const char* cwId = "")
{
    MessageEntry m;
    m.key = "Msg";
    m.macroNumber = "500";
    m.messageType = type;
    m.text = text;
    m.interruptAction = action;
    m.interruptCommand = interrupt;
    m.cwIdCommand = cwId;
    return m;
}

std::string messages(const ConfigDocument& doc)
{
    CommandText out;
    writeMessageSection(out, doc, kAll, words(), cw());
    return out.text();
}

TEST(MessageSection, VoiceMessageLooksWordsUpWithoutCaseAndSkipsUnknownOnes)
{
    ConfigDocument doc;
    doc.messages = {message("voice", "Hello  nowhere WORLD")};
    EXPECT_EQ(messages(doc), "\n;set up messages\n"
                             ";set macro 500 to the voice message Hello  nowhere WORLD\n"
                             "N055 500\n"
                             "N056 500 036 101 102\n"
                             ";end of messages\n");
}

TEST(MessageSection, MessagesAreSeparatedByOneBlankLine)
{
    ConfigDocument doc;
    doc.messages = {message("Voice", "zzz"), message("CW", "HI SPACE DE")};
    EXPECT_EQ(messages(doc), "\n;set up messages\n"
                             ";set macro 500 to the voice message zzz\n"
                             "N055 500\n"
                             "N056 500 036\n\n"
                             ";set macro 500 to the cw message HI SPACE DE\n"
                             "N055 500\n"
                             "N056 500 030 04 02 99 09 01\n"
                             ";end of messages\n");
}

TEST(MessageSection, PoliteVoiceInterruptVariants)
{
    ConfigDocument doc;
    doc.messages = {message("PoliteVoice", "hello", "NOCOMMAND"),
                    message("PoliteVoice", "hello", "COMMAND", ""),
                    message("PoliteVoice", "hello", "command", "5"),
                    message("PoliteVoice", "hello", "CW_ID", "7", "42")};
    EXPECT_EQ(messages(doc),
              "\n;set up messages\n"
              ";set macro 500 to the polite voice message hello\n"
              "N055 500\nN056 500 063 101\n\n"
              ";set macro 500 to the polite voice message hello, and if interrupted execute command \n"
              "N055 500\nN056 500 064  101\n\n"
              ";set macro 500 to the polite voice message hello, and if interrupted execute command 5\n"
              "N055 500\nN056 500 064 005 101\n\n"
              ";set macro 500 to the polite voice message hello, and if interrupted execute command 42\n"
              "N055 500\nN056 500 064 42 101\n"
              ";end of messages\n");
}

TEST(MessageSection, DvrMessageNamesTracksAsStoredAndDropsUnknownTracks)
{
    ConfigDocument doc;
    doc.dvrTracks = {{"first", "Track1"}, {"second", "TRACK2"}};
    doc.messages = {message("DVR", "track2 Track9 track1"), message("Other", "TRACK1")};
    EXPECT_EQ(messages(doc), "\n;set up messages\n"
                             ";set macro 500 to the dvr message track(s) track2 Track9 track1\n"
                             "N055 500\nN056 500 173 TRACK2 Track1\n\n"
                             ";set macro 500 to the dvr message track(s) TRACK1\n"
                             "N055 500\nN056 500 173 Track1\n"
                             ";end of messages\n");
}

TEST(MessageSection, NoMessageWrittenLeavesOnlyTheMarkers)
{
    ConfigDocument doc;
    doc.messages = {message("Voice", "hello")};
    CommandText out;
    writeMessageSection(out, doc, only({false}), words(), cw());
    EXPECT_EQ(out.text(), "\n;set up messages\n;end of messages\n");
}

UserEntry user(const char* key)
{
    UserEntry u;
    u.key = key;
    u.sendPredialDigits = 1;
    return u;
}

std::string users(const ConfigDocument& doc, const SectionChanges& changed = kAll)
{
    CommandText out;
    writeUserSection(out, doc, changed, words());
    return out.text();
}

TEST(UserSection, EnableLineWithAndWithoutPassword)
{
    ConfigDocument doc;
    UserEntry named = user("User001");
    named.name = "Joe";
    named.enabled = 1;
    named.clearanceLevel = 3;
    UserEntry whole = user("User002");
    whole.password = "1234";
    whole.clearanceLevel = 7;
    UserEntry challenge = user("User003");
    challenge.password = "98765";
    challenge.passwordMode = 1;
    challenge.challengeDigits = 3;
    doc.users = {named, whole, challenge, user("User004")};
    EXPECT_EQ(users(doc), "\n;set up users\n"
                          "N186 001 1 3\n"
                          "N186 002 0 7 0 1234\n"
                          "N186 003 0 0 3 98765\n"
                          ";end of users\n");
}

TEST(UserSection, CallSignLetterByLetterAndAutodialWithoutSeparators)
{
    ConfigDocument doc;
    UserEntry u = user("User012");
    u.callSign = "KA1?";
    u.autodialNumber = "(555) 123-4567";
    u.sendPredialDigits = 0;
    UserEntry predial = user("User013");
    predial.autodialNumber = "12";
    UserEntry quiet = user("User014");
    quiet.sendPredialDigits = 0; // no autodial number, so no N126 either
    doc.users = {u, predial, quiet};
    EXPECT_EQ(users(doc), "\n;set up users\n"
                          "N191 012 211 201 301\n"
                          "N124 012 5551234567;set autodial number to (555) 123-4567 for user 012\n"
                          "N126 012 0;turn send predial digits off for user 012\n"
                          "N124 013 12;set autodial number to 12 for user 013\n"
                          ";end of users\n");
}

TEST(UserSection, UnchangedUsersWriteNothing)
{
    ConfigDocument doc;
    UserEntry u = user("User001");
    u.name = "Ann";
    doc.users = {u};
    EXPECT_EQ(users(doc, only({false})), "\n;set up users\n;end of users\n");
}

IoPoint point(const char* key, int io, int analog, i16 low, i16 high, int decimals)
{
    IoPoint p;
    p.key = key;
    p.ioNumber = io;
    p.analogInputNumber = analog;
    p.rangeLow = low;
    p.rangeHigh = high;
    p.decimals = decimals;
    return p;
}

TEST(InputOutputSection, AnalogInputsOnlyWithSignedRanges)
{
    ConfigDocument doc;
    doc.ioPoints = {point("Analog1", 9, 1, -50, 100, 1), point("Digital1", 10, 0, 0, 0, 0),
                    point("analogX", 11, 2, 0, 9999, 0)};
    CommandText out;
    writeInputOutputSection(out, doc, kAll);
    EXPECT_EQ(out.text(),
              "\n;set up inputs and outputs\n"
              "N101 9 1 1;set number of decimals for analog input 1 I/O 9 to 1\n"
              "N102 9 1 0 0050 1 0100;set the conversion ratio for analog input 1 I/O 9 to -50 - 100\n\n"
              "N101 11 2 0;set number of decimals for analog input 2 I/O 11 to 0\n"
              "N102 11 2 1 0000 1 9999;set the conversion ratio for analog input 2 I/O 11 to 0 - 9999\n"
              ";end of inputs and outputs\n");
}

TEST(InputOutputSection, DigitalPointsAloneLeaveTheMarkers)
{
    ConfigDocument doc;
    doc.ioPoints = {point("Digital1", 10, 0, 0, 0, 0)};
    CommandText out;
    writeInputOutputSection(out, doc, kAll);
    EXPECT_EQ(out.text(), "\n;set up inputs and outputs\n;end of inputs and outputs\n");
}

TEST(CommandSection, NameEveryPortAndClearance)
{
    ConfigDocument doc;
    CommandEntry c;
    c.key = "Command036";
    c.name = "SAYTIME";
    c.portEnabled = {1, 0, 1, 0, 0, 0, 0, 0};
    c.clearanceLevel = 4;
    doc.commands = {c};
    CommandText out;
    writeCommandSection(out, doc, kAll);
    EXPECT_EQ(out.text(), "\n;set up commands\n"
                          "N010 036 SAYTIME;change command name 036 to SAYTIME\n"
                          "N131 1 036;allow command 036 on port 1\n"
                          "N130 2 036;block command 036 on port 2\n"
                          "N131 3 036;allow command 036 on port 3\n"
                          "N130 4 036;block command 036 on port 4\n"
                          "N130 5 036;block command 036 on port 5\n"
                          "N130 6 036;block command 036 on port 6\n"
                          "N130 7 036;block command 036 on port 7\n"
                          "N130 8 036;block command 036 on port 8\n"
                          "N190 036 4;set clearance to 4 for command 036\n"
                          ";end of commands\n");
}

TEST(MacroSection, LinesPaddedByLengthAndEmptyMacrosSkipped)
{
    ConfigDocument doc;
    MacroEntry a;
    a.key = "Macro200";
    a.lines = {{"5", "1 2"}, {"", "ignored"}, {"123", ""}};
    MacroEntry empty;
    empty.key = "Macro201";
    MacroEntry b;
    b.key = "Macro1234";
    b.lines = {{"40", "x"}};
    doc.macros = {a, empty, b};
    CommandText out;
    writeMacroSection(out, doc, kAll);
    EXPECT_EQ(out.text(), "\n;set up macros\n"
                          ";program macro 200\n"
                          "N055 200\n"
                          "N056 200 005 1 2\n"
                          "N056 200 123 \n\n"
                          ";program macro 1234\n"
                          "N055 1234\n"
                          "N056 1234 040 x\n"
                          ";end of macros\n");
}

ScheduleEvent event(int period, const char* command)
{
    ScheduleEvent e;
    e.key = "Schedule07";
    e.period = period;
    e.commandNumber = command;
    return e;
}

std::string scheduler(const ConfigDocument& doc)
{
    CommandText out;
    writeSchedulerSection(out, doc, kAll);
    return out.text();
}

TEST(SchedulerSection, EachPeriod)
{
    ConfigDocument doc;
    ScheduleEvent hourly = event(0, "123");
    hourly.minutes = 30;
    ScheduleEvent daily = event(1, "124");
    daily.hour = 9;
    daily.minutes = 0;
    ScheduleEvent weekly = event(2, "125");
    weekly.dayName = "Saturday";
    weekly.hour = 7;
    weekly.minutes = 5;
    weekly.amPm = 1;
    ScheduleEvent monthly = event(3, "126");
    monthly.dayOfMonth = 15;
    ScheduleEvent yearly = event(4, "127");
    yearly.monthName = "november";
    yearly.dayOfMonth = 3;
    ScheduleEvent none = event(1, "");
    doc.events = {hourly, daily, weekly, monthly, yearly, none};
    EXPECT_EQ(scheduler(doc), "\n;set up scheduler\n"
                              "N082 07 123 30\n"
                              "N082 07 124 09 00 0;schedule command 124\n"
                              "N082 07 125 7 07 05 1;schedule command 125\n"
                              "N082 07 126 15 12 00 0;schedule command 126\n"
                              "N082 07 127 11 03 12 00 0;schedule command 127\n"
                              ";end of scheduler\n");
}

TEST(SchedulerSection, UnknownDayOrMonthLeavesTheEventOut)
{
    ConfigDocument doc;
    ScheduleEvent weekly = event(2, "125");
    weekly.dayName = "Someday";
    ScheduleEvent noDay = event(2, "126");
    noDay.dayName = "";
    ScheduleEvent yearly = event(4, "127");
    yearly.monthName = "";
    doc.events = {weekly, noDay, yearly};
    // An empty weekday writes the event without a day, as it always has.
    EXPECT_EQ(scheduler(doc), "\n;set up scheduler\n"
                              "N082 07 126 12 00 0;schedule command 126\n"
                              ";end of scheduler\n");
}

CourtesyBeep beep(const char* number)
{
    CourtesyBeep b;
    b.key = "Beep";
    b.commandNumber = number;
    return b;
}

TEST(ToneSection, BeepChordsSkipSilentOnesAndClampFields)
{
    ConfigDocument doc;
    CourtesyBeep b = beep("150");
    b.chordLength = {100, 0, 7000, 0, 0};
    b.chordFreq1 = {440, 1, 2, 3, 4};
    b.chordFreq2 = {0, 1, 10000, 3, 4};
    b.chordPause = {50, 1, 6000, 3, 4};
    doc.beeps = {b, beep("151")};
    CommandText beepsOnly;
    writeToneSection(beepsOnly, doc, kAll, SectionChanges(std::vector<bool>(64, false)));
    EXPECT_EQ(beepsOnly.text(), "\n;set up tones"
                                "\n;program courtesy beep macro 150"
                                "\nN055 150\n"
                                "N056 150 040 0100 0050 0440 0000\n"
                                "N056 150 040 0000 6000 0002 0000\n"
                                "\n;program courtesy beep macro 151"
                                "\nN055 151\n"
                                "\n;end of tones\n");
}

ToneSettings tones()
{
    ToneSettings t;
    for (int p = 0; p < kPortCount; ++p) {
        t.cwSpeed[p] = 20 + p;
        t.cwFreq1[p] = 800;
        t.cwFreq2[p] = 0;
    }
    t.coverToneMacro = 210;
    t.coverToneDuration = 100;
    t.coverToneDelay = 20;
    t.coverToneFreq1 = 1000;
    t.coverToneFreq2 = 12000;
    t.reversePatchRingDuration = 2000;
    t.reversePatchRingDelay = 4000;
    t.reversePatchRingFreq1 = 440;
    t.reversePatchRingFreq2 = 480;
    return t;
}

std::string toneSection(const std::vector<int>& changedLines)
{
    ConfigDocument doc;
    doc.tones = tones();
    std::vector<bool> lines(64, false);
    for (int l : changedLines)
        lines[static_cast<std::size_t>(l)] = true;
    CommandText out;
    writeToneSection(out, doc, kAll, SectionChanges(lines));
    return out.text();
}

TEST(ToneSection, NothingChangedLeavesTheMarkers)
{
    EXPECT_EQ(toneSection({}), "\n;set up tones\n;end of tones\n");
}

TEST(ToneSection, SecondCwFrequencyWritesBothFrequencies)
{
    EXPECT_EQ(toneSection({8}), "\n;set up tones\nN043 3 0800 0000;set cw frequencies for port 3\n;end of tones\n");
    EXPECT_EQ(toneSection({21}), "\n;set up tones\nN042 8 27;set cw speed for port 8 to 27\n;end of tones\n");
}

PortSetup port()
{
    PortSetup s;
    s.DTMFMute = 1;
    s.AccessMode = "Carrier";
    s.Preaccess = 2;
    s.DialTone = 1;
    s.AccessCode = "123";
    s.IDOnOff = 1;
    s.IDRandRotating = 0;
    s.Chaining = 1;
    s.ForceExecutionDigit = "#";
    return s;
}

std::string portSection(const ConfigDocument& doc, const std::vector<int>& changedLines)
{
    std::vector<bool> lines(128, false);
    for (int l : changedLines)
        lines[static_cast<std::size_t>(l)] = true;
    const AccessModeTable modes({{"Carrier", "1"}, {"PL", "2"}});
    CommandText out;
    writePortSection(out, doc, SectionChanges(lines), modes);
    return out.text();
}

TEST(PortSection, AccessModeFoundExactlyOrAsThePortFieldHoldsALongName)
{
    const AccessModeTable modes({{"Carrier", "1"},
                                 {"Carrier And PL Or DTMF Tone", "7"},
                                 {"Linked Repeaters Mode A\xc3\x9cZ", "8"}});
    const struct {
        const char* stored;
        long code; // 0: no mode, so no command
    } cases[] = {
        {"Carrier", 1},
        {"carrier", 0},                      // exact in letter case
        {"Carrier And PL Or DTMF T", 7},     // cut to the field's 24 bytes
        {"carrier and pl or dtmf t", 0},
        {"Carrier And PL Or DTMF", 0},       // shorter than the field: not a cut name
        {"Linked Repeaters Mode A", 8},      // cut before a character that did not fit
        {"Linked Repeaters Mode A\xc3", 8},  // cut by bytes, as a file may hold it
        {"", 0},
    };
    for (const auto& c : cases) {
        const AccessModeTable::Mode* mode = modes.find(c.stored);
        EXPECT_EQ(mode ? mode->code : 0, c.code) << c.stored;
    }
}

TEST(PortSection, EveryCommandOfOnePort)
{
    ConfigDocument doc;
    doc.ports[1] = port();
    std::vector<int> all;
    for (int l = 16; l < 32; ++l)
        all.push_back(l);
    EXPECT_EQ(portSection(doc, all),
              "\n;misc setup"
              "\nN007 2 1 0 0;setup port 2 with (dtmf mute - on) (cover tone - off) (bypass - off)"
              "\nN005 2 1;set access mode for port 2 to Carrier"
              "\nN071 2 1 123;set port 2 as a link with (dial tone - on) and access code of 123"
              "\nN085 2 1;setup port 2 with (id's - on)"
              "\nN087 2 0;setup port 2 with (id's - rotating)"
              "\nN078 2 1 0 #;setup port 2 with (command chaining - on) (timed execution - off) "
              "and the force execution digit #"
              "\n;end of misc setup\n");
}

TEST(PortSection, PreaccessOffAndRepeater)
{
    ConfigDocument doc;
    doc.ports[0].Preaccess = 0;
    doc.ports[7].Preaccess = 1;
    EXPECT_EQ(portSection(doc, {10, 121}), "\n;misc setup"
                                           "\nN072 1;set preaccess off for port 1"
                                           "\nN070 8;set preaccess to repeater for port 8"
                                           "\n;end of misc setup\n");
}

} // namespace
} // namespace merix
