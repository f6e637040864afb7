#include "screens/CourtesyBeepRules.h"

#include <algorithm>
#include <cctype>

namespace merix {

namespace {

constexpr std::size_t kChosenCapacity = 99;

bool isOther(std::string_view text) {
    return std::equal(text.begin(), text.end(), kOtherBeepSet.begin(), kOtherBeepSet.end(),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

} // namespace

DigitLimit beepFieldLimit(BeepFieldKind kind) {
    switch (kind) {
    case BeepFieldKind::Length:
        return {4, 6000, "Invalid entry!  Enter in the chord duration length (0 - 6000)."};
    case BeepFieldKind::Pause:
        return {4, 6000, "Invalid entry!  Enter in the pause duration length (0 - 6000)."};
    case BeepFieldKind::Frequency:
        break;
    }
    return {4, 9999, "Invalid entry!  Enter in a four digit frequency."};
}

BeepFieldKind beepFieldKind(BeepFields::ChordPart part) {
    switch (part) {
    case BeepFields::Length:
        return BeepFieldKind::Length;
    case BeepFields::Pause:
        return BeepFieldKind::Pause;
    default:
        return BeepFieldKind::Frequency;
    }
}

int& chordValueOf(CourtesyBeep& beep, std::size_t chord, BeepFields::ChordPart part) {
    chord = std::min<std::size_t>(chord, kChordCount - 1);
    switch (part) {
    case BeepFields::Length:
        return beep.chordLength[chord];
    case BeepFields::Freq1:
        return beep.chordFreq1[chord];
    case BeepFields::Freq2:
        return beep.chordFreq2[chord];
    default:
        return beep.chordPause[chord];
    }
}

int chordValueOf(const BeepChord& chord, BeepFields::ChordPart part) {
    switch (part) {
    case BeepFields::Length:
        return chord.length;
    case BeepFields::Freq1:
        return chord.freq1;
    case BeepFields::Freq2:
        return chord.freq2;
    default:
        return chord.pause;
    }
}

DefaultSetChoice chooseDefaultSet(std::string_view chosen, std::string_view beepsDefaultName,
                                  const std::vector<DefaultBeepSet>& sets) {
    chosen = chosen.substr(0, kChosenCapacity);
    // The beep keeps a long name cut; the same set chosen again is still the same.
    constexpr std::size_t kept = decltype(CourtesyBeep::defaultBeepName)::capacity;
    if (chosen.substr(0, kept) == beepsDefaultName)
        return {DefaultSetChoice::Action::Nothing, 0};
    if (isOther(chosen))
        return {DefaultSetChoice::Action::RecordName, 0};
    const auto it = std::find_if(sets.begin(), sets.end(),
                                 [chosen](const DefaultBeepSet& s) { return s.name == chosen; });
    if (it == sets.end())
        return {DefaultSetChoice::Action::RecordName, 0};
    return {DefaultSetChoice::Action::ApplySet, static_cast<std::size_t>(it - sets.begin())};
}

} // namespace merix
