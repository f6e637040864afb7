#pragma once

#include "document/CatalogFields.h"
#include "document/Records.h"
#include "screens/CourtesyBeepCatalog.h"
#include "screens/DigitFieldRules.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace merix {

// The fields of a chord on the Courtesy Beeps screen.
enum class BeepFieldKind {
    Length,    // four digits, 0 - 6000
    Pause,     // four digits, 0 - 6000
    Frequency, // four digits, any value
};

DigitLimit beepFieldLimit(BeepFieldKind kind);
BeepFieldKind beepFieldKind(BeepFields::ChordPart part);

// One value of chord `chord` (0..4) of a beep, or of a default set.
int& chordValueOf(CourtesyBeep& beep, std::size_t chord, BeepFields::ChordPart part);
int chordValueOf(const BeepChord& chord, BeepFields::ChordPart part);

// The last entry of "Set to Defaults", which records a name and changes no chord.
inline constexpr std::string_view kOtherBeepSet = "Other";

// What choosing an entry of "Set to Defaults" does to the beep.
struct DefaultSetChoice {
    enum class Action {
        Nothing,    // the beep already names this entry
        RecordName, // "Other", or a name that is no set: only the name is kept
        ApplySet,   // the name is kept and the set's chords fill the fields
    };
    Action action = Action::Nothing;
    std::size_t set = 0; // ApplySet: the index in `sets`
};

DefaultSetChoice chooseDefaultSet(std::string_view chosen, std::string_view beepsDefaultName,
                                  const std::vector<DefaultBeepSet>& sets);

} // namespace merix
