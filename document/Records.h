#pragma once

#include "document/CompactText.h"
#include "document/FixedText.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace merix {

inline constexpr int kPortCount = 8;
inline constexpr int kChordCount = 5;

using u16 = std::uint16_t;
using i16 = std::int16_t;
using PortInts = std::array<int, kPortCount>;

struct TimerEntry {
    FixedText<40> key;
    FixedText<6> timerNumber;
    u16 length = 0;
};

struct MessageEntry {
    FixedText<40> key;
    FixedText<4> macroNumber;
    FixedText<15> messageType;
    FixedText<10> interruptAction;
    FixedText<4> cwIdCommand;
    FixedText<7> interruptCommand;
    std::string text;
};

struct DvrTrack {
    std::string description;
    FixedText<8> trackName;
};

// Held compactly: a large site has thousands of users of a dozen short texts each.
struct UserEntry {
    FixedText<8> key;
    CompactText name;
    CompactText callSign;
    CompactText autodialNumber;
    int clearanceLevel = 0;
    int enabled = 0;
    CompactText password;
    int passwordMode = 0;
    int challengeDigits = 0;
    int sendPredialDigits = 0;
    int patchTimeOutTimer = 0;
    CompactText autopatchDownCode;
    CompactText pagerType;
    int pagerPort1 = 0;
    int pagerPort2 = 0;
    CompactText autodialReadbackType;
    CompactText normalReadbackType;
    CompactText patchPrivacyType;
    CompactText description;

    // The characters from the fifth on: the user number the commands carry.
    std::string userNumber() const { return key.size() > 4 ? key.str().substr(4) : std::string(); }
};

struct IoPoint {
    FixedText<40> key;
    std::string resolution;
    i16 rangeLow = 0;
    i16 rangeHigh = 0;
    int decimals = 0;
    int ioNumber = 0;
    int analogInputNumber = 0;
    std::string description;

    bool isAnalog() const;
};

struct CommandEntry {
    FixedText<11> key;
    FixedText<9> name;
    PortInts portEnabled{1, 1, 1, 1, 1, 1, 1, 1};
    int clearanceLevel = 0;

    // Characters eight to ten of the key.
    std::string commandNumber() const { return key.size() > 7 ? key.str().substr(7, 3) : std::string(); }
};

// Held compactly: a large site has a hundred thousand of them.
struct MacroLine {
    CompactText commandNumber;
    CompactText parameters;
};

struct MacroEntry {
    FixedText<12> key;
    std::optional<std::string> comment;
    std::vector<MacroLine> lines;

    // The characters from the sixth on.
    std::string macroNumber() const { return key.size() > 5 ? key.str().substr(5) : std::string(); }
};

struct ScheduleEvent {
    FixedText<16> key;
    std::optional<std::string> comment;
    FixedText<4> commandNumber;
    FixedText<10> monthName{"January"};
    FixedText<10> dayName{"Monday"};
    int period = 0; // 0 hour, 1 day, 2 week, 3 month, 4 year
    int minutes = 0;
    int hour = 12;
    int dayOfMonth = 1;
    int amPm = 0;

    // Characters nine and ten of the key.
    std::string eventNumber() const { return key.size() > 8 ? key.str().substr(8, 2) : std::string(); }
};

struct CourtesyBeep {
    FixedText<40> key;
    FixedText<4> commandNumber;
    std::array<int, kChordCount> chordLength{};
    std::array<int, kChordCount> chordFreq1{};
    std::array<int, kChordCount> chordFreq2{};
    std::array<int, kChordCount> chordPause{};
    FixedText<52> defaultBeepName;
};

// One plain record: the Tones screen copies it whole into its working copy and back.
struct ToneSettings {
    FixedText<40> title;
    PortInts cwSpeed{};
    PortInts cwFreq1{};
    PortInts cwFreq2{};
    int coverToneMacro = 0;
    int coverToneDuration = 0;
    int coverToneDelay = 0;
    int coverToneFreq1 = 0;
    int coverToneFreq2 = 0;
    int reversePatchRingNumber = 0;
    int reversePatchRingDuration = 0;
    int reversePatchRingDelay = 0;
    int reversePatchRingFreq1 = 0;
    int reversePatchRingFreq2 = 0;
    PortInts dtmfToneLength{};
    PortInts dtmfToneDelay{};
    PortInts preaccessFreq1{};
    PortInts preaccessFreq2{};

    bool operator==(const ToneSettings&) const = default;
};

// Fields carry the names of their document keys.
struct PortSetup {
    int DTMFMute = 0;
    int CoverTone = 0;
    int Bypass = 0;
    int CORPolarity = 0; // 0 active low, 1 active high
    int PLPolarity = 0;
    int PasswordSystem = 0;
    FixedText<25> AccessMode;
    int Preaccess = 0; // 0 off, 1 repeater, 2 link
    int DialTone = 0;
    FixedText<7> AccessCode;
    int IDOnOff = 0;
    int IDRandRotating = 0; // 0 rotating, 1 random
    int Chaining = 0;
    int TimedExecution = 0;
    FixedText<2> ForceExecutionDigit;
    std::string portDescription; // catalog only
};

struct UserDefaults {
    int clearanceLevel = 0;
    int passwordMode = 0;
    int challengeDigits = 0;
    int sendPredialDigits = 0;
    int patchTimeOutTimer = 0;
    FixedText<10> autopatchDownCode;
    FixedText<50> autodialReadbackType;
    FixedText<50> normalReadbackType;
    FixedText<50> patchPrivacyType;
};

} // namespace merix
