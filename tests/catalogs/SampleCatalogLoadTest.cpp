#include "SampleCatalogs.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

using namespace merix;
using merix::test::SampleDocument;
using merix::test::allDigits;

namespace {

template <typename Table, typename KeyOf>
std::vector<std::string> duplicateKeys(const Table& table, KeyOf keyOf)
{
    std::set<std::string> seen;
    std::vector<std::string> duplicates;
    for (const auto& entry : table)
        if (!seen.insert(std::string(keyOf(entry))).second)
            duplicates.push_back(std::string(keyOf(entry)));
    return duplicates;
}

class SampleLoad : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_sample = new SampleDocument; }
    static void TearDownTestSuite()
    {
        delete s_sample;
        s_sample = nullptr;
    }
    const ConfigDocument& doc() const { return s_sample->doc; }

    static SampleDocument* s_sample;
};
SampleDocument* SampleLoad::s_sample = nullptr;

} // namespace

TEST_F(SampleLoad, LoadsQuietlyWithTheSizesOfAnEightPortController)
{
    ASSERT_TRUE(s_sample->loaded);
    EXPECT_TRUE(s_sample->prompter.boxes.empty());

    EXPECT_EQ(doc().timers.size(), 40u);
    EXPECT_EQ(doc().messages.size(), 40u);
    EXPECT_EQ(doc().dvrTracks.size(), 16u);
    EXPECT_EQ(doc().users.size(), 100u);
    EXPECT_EQ(doc().ioPoints.size(), 32u);
    EXPECT_EQ(doc().commands.size(), 250u);
    EXPECT_EQ(doc().macros.size(), 500u);
    EXPECT_EQ(doc().events.size(), 40u);
    EXPECT_EQ(doc().beeps.size(), 12u);

    const auto analog = std::count_if(doc().ioPoints.begin(), doc().ioPoints.end(),
                                      [](const IoPoint& p) { return p.isAnalog(); });
    EXPECT_EQ(analog, 16);
    for (const PortSetup& port : doc().ports)
        EXPECT_FALSE(port.portDescription.empty());
}

TEST_F(SampleLoad, EveryKeyIsUniqueInItsTable)
{
    const auto key = [](const auto& e) { return e.key.view(); };
    EXPECT_TRUE(duplicateKeys(doc().timers, key).empty());
    EXPECT_TRUE(duplicateKeys(doc().messages, key).empty());
    EXPECT_TRUE(duplicateKeys(doc().dvrTracks, [](const DvrTrack& t) { return t.trackName.view(); }).empty());
    EXPECT_TRUE(duplicateKeys(doc().users, key).empty());
    EXPECT_TRUE(duplicateKeys(doc().ioPoints, key).empty());
    EXPECT_TRUE(duplicateKeys(doc().commands, key).empty());
    EXPECT_TRUE(duplicateKeys(doc().macros, key).empty());
    EXPECT_TRUE(duplicateKeys(doc().events, key).empty());
    EXPECT_TRUE(duplicateKeys(doc().beeps, key).empty());

    // Keys that lost characters to a buffer would no longer be what the catalog says.
    for (const TimerEntry& t : doc().timers)
        EXPECT_FALSE(t.key.view().empty());
    for (const MessageEntry& m : doc().messages)
        EXPECT_FALSE(m.key.view().empty());
}

TEST_F(SampleLoad, NumberedKeysCarryTheNumbersTheCommandsNeed)
{
    std::set<std::string> commandNumbers;
    for (const CommandEntry& c : doc().commands) {
        EXPECT_EQ(c.key.size(), 10u) << c.key.str();
        EXPECT_TRUE(allDigits(c.commandNumber())) << c.key.str();
        // Names are keyed on a DTMF pad; the Commands screen takes at most six characters.
        EXPECT_TRUE(allDigits(c.name.view())) << c.key.str() << ": " << c.name.str();
        EXPECT_LE(c.name.size(), 6u) << c.key.str();
        EXPECT_GE(c.clearanceLevel, 0);
        EXPECT_LE(c.clearanceLevel, 7);
        commandNumbers.insert(c.commandNumber());
    }
    EXPECT_EQ(commandNumbers.size(), doc().commands.size());

    std::set<std::string> macroNumbers;
    for (const MacroEntry& m : doc().macros) {
        EXPECT_EQ(m.macroNumber().size(), 3u) << m.key.str();
        EXPECT_TRUE(allDigits(m.macroNumber())) << m.key.str();
        EXPECT_EQ(commandNumbers.count(m.macroNumber()), 0u) << "macro and command share " << m.key.str();
        macroNumbers.insert(m.macroNumber());
    }
    EXPECT_EQ(macroNumbers.size(), doc().macros.size());

    std::set<std::string> userNumbers;
    for (const UserEntry& u : doc().users) {
        EXPECT_TRUE(allDigits(u.userNumber())) << u.key.str();
        EXPECT_LE(u.userNumber().size(), 4u);
        userNumbers.insert(u.userNumber());
    }
    EXPECT_EQ(userNumbers.size(), doc().users.size());

    std::set<std::string> eventNumbers;
    for (const ScheduleEvent& e : doc().events) {
        EXPECT_EQ(e.key.size(), 10u) << e.key.str();
        EXPECT_TRUE(allDigits(e.eventNumber())) << e.key.str();
        eventNumbers.insert(e.eventNumber());
    }
    EXPECT_EQ(eventNumbers.size(), doc().events.size());

    std::set<std::string> timerNumbers;
    for (const TimerEntry& t : doc().timers) {
        EXPECT_TRUE(allDigits(t.timerNumber.view())) << t.key.str();
        timerNumbers.insert(t.timerNumber.str());
    }
    EXPECT_EQ(timerNumbers.size(), doc().timers.size());
}

TEST_F(SampleLoad, MacroNumbersNamedElsewhereAreMacrosOfTheCatalog)
{
    std::set<std::string> macros;
    for (const MacroEntry& m : doc().macros)
        macros.insert(m.macroNumber());

    // The command file's fixed preamble programs macro 206.
    EXPECT_EQ(macros.count("206"), 1u);

    std::set<std::string> taken;
    for (const MessageEntry& m : doc().messages) {
        EXPECT_EQ(macros.count(m.macroNumber.str()), 1u) << m.key.str();
        EXPECT_TRUE(taken.insert(m.macroNumber.str()).second) << "two messages in macro " << m.macroNumber.str();
    }
    for (const CourtesyBeep& b : doc().beeps) {
        EXPECT_EQ(macros.count(b.commandNumber.str()), 1u) << b.key.str();
        EXPECT_TRUE(taken.insert(b.commandNumber.str()).second) << "macro reused by " << b.key.str();
    }
    const std::string cover = std::to_string(doc().tones.coverToneMacro);
    EXPECT_EQ(macros.count(cover), 1u);
    EXPECT_TRUE(taken.insert(cover).second) << "cover tone macro reused";

    // A polite ID interrupted falls back to a CW message of the catalog.
    std::set<std::string> cwMacros;
    for (const MessageEntry& m : doc().messages)
        if (m.messageType.str() == "CW")
            cwMacros.insert(m.macroNumber.str());
    for (const MessageEntry& m : doc().messages)
        EXPECT_EQ(cwMacros.count(m.cwIdCommand.str()), 1u) << m.key.str();
}

TEST_F(SampleLoad, MessagesUseEveryTypeAndKnownInterruptActions)
{
    std::set<std::string> types;
    for (const MessageEntry& m : doc().messages) {
        const std::string type = m.messageType.str();
        EXPECT_TRUE(type == "Voice" || type == "PoliteVoice" || type == "CW" || type == "DVR") << m.key.str();
        types.insert(type);
        const std::string action = m.interruptAction.str();
        EXPECT_TRUE(action == "NOCOMMAND" || action == "CW_ID" || action == "COMMAND") << m.key.str();
        EXPECT_TRUE(m.interruptCommand.view().empty());
        EXPECT_FALSE(m.text.empty()) << m.key.str();
        EXPECT_LE(m.text.size(), 1499u) << m.key.str();
    }
    EXPECT_EQ(types.size(), 4u);
}

TEST_F(SampleLoad, TonesAndPortsHoldValuesTheScreensAccept)
{
    const ToneSettings& t = doc().tones;
    EXPECT_FALSE(t.title.view().empty());
    for (int p = 0; p < kPortCount; ++p) {
        EXPECT_GE(t.cwSpeed[p], 5) << "port " << p + 1;
        EXPECT_LE(t.cwSpeed[p], 50) << "port " << p + 1;
        EXPECT_GT(t.cwFreq1[p], 0);
        EXPECT_LE(t.cwFreq1[p], 9999);
        EXPECT_LE(t.cwFreq2[p], 9999);
        EXPECT_LE(t.dtmfToneLength[p], 6000);
        EXPECT_LE(t.dtmfToneDelay[p], 6000);
    }
    EXPECT_GT(t.coverToneDuration, 0);
    EXPECT_LE(t.coverToneDuration, 6000);
    EXPECT_GT(t.reversePatchRingDuration, 0);
    EXPECT_LE(t.reversePatchRingDuration, 6000);
    EXPECT_LE(t.reversePatchRingDelay, 6000);
    // The last group of the line really arrived: a shifted field would leave it 0.
    EXPECT_GT(t.preaccessFreq2[kPortCount - 1], 0);

    // Port 1's password system goes out as the clearance of command 000 (0 on, 7 off),
    // after the command section has set that clearance from commands.cfg.
    const int passwordSystem = doc().ports[0].PasswordSystem;
    ASSERT_FALSE(doc().commands.empty());
    ASSERT_EQ(doc().commands[0].commandNumber(), "000");
    EXPECT_EQ(doc().commands[0].clearanceLevel, passwordSystem ? 0 : 7);
    for (const PortSetup& port : doc().ports) {
        EXPECT_EQ(port.PasswordSystem, passwordSystem); // one setting for all ports
        EXPECT_GE(port.Preaccess, 0);
        EXPECT_LE(port.Preaccess, 2);
        EXPECT_EQ(port.ForceExecutionDigit.size(), 1u);
        if (port.Preaccess == 2) {
            EXPECT_FALSE(port.AccessCode.view().empty()) << port.portDescription;
        }
    }
}

TEST_F(SampleLoad, UserDefaultsSeedEveryUser)
{
    const UserDefaults& d = doc().userDefaults;
    EXPECT_GE(d.clearanceLevel, 0);
    EXPECT_LE(d.clearanceLevel, 7);
    EXPECT_TRUE(d.passwordMode == 0 || d.passwordMode == 1);
    EXPECT_GT(d.challengeDigits, 0);
    EXPECT_LE(d.challengeDigits, 8); // passwords hold at most eight characters
    EXPECT_FALSE(d.autopatchDownCode.view().empty());
    EXPECT_LE(d.autopatchDownCode.size(), 3u); // the Autopatch screen's limit

    // The Autopatch screen selects the list entry with this wording.
    const std::set<std::string> readbacks{
        "no readback/always dial", "always readback/always dial", "polite readback/always dial",
        "polite readback/dial only if kerchunked", "polite readback/dial only if not kerchunked"};
    EXPECT_EQ(readbacks.count(d.autodialReadbackType.str()), 1u) << d.autodialReadbackType.str();
    EXPECT_EQ(readbacks.count(d.normalReadbackType.str()), 1u) << d.normalReadbackType.str();
    const std::set<std::string> privacy{"none", "mute", "cover tone"};
    EXPECT_EQ(privacy.count(d.patchPrivacyType.str()), 1u) << d.patchPrivacyType.str();

    for (const UserEntry& u : doc().users) {
        EXPECT_EQ(u.autodialReadbackType, d.autodialReadbackType.str());
        EXPECT_EQ(u.clearanceLevel, d.clearanceLevel);
        EXPECT_FALSE(u.description.empty()) << u.key.str();
    }
}
