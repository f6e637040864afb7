#include "screens/ToneRules.h"

#include "document/CatalogFields.h"
#include "document/Records.h"

namespace merix {

DigitLimit toneFieldLimit(ToneFieldKind kind) {
    switch (kind) {
    case ToneFieldKind::Length:
        return {4, 6000, "Invalid entry!  Enter in a length in the range (0 - 6000)."};
    case ToneFieldKind::Frequency:
        return {4, 9999, "Invalid entry!  Enter in a four digit frequency."};
    case ToneFieldKind::CwSpeed:
        break;
    }
    return {2, 50, "Invalid entry!  Enter in a CW speed in words per minute (5 - 50)."};
}

ToneFieldKind toneFieldKind(ToneValue value) {
    switch (value) {
    case ToneValue::CwSpeed:
        return ToneFieldKind::CwSpeed;
    case ToneValue::CwFreq1:
    case ToneValue::CwFreq2:
    case ToneValue::PreaccessFreq1:
    case ToneValue::PreaccessFreq2:
    case ToneValue::CoverToneFreq1:
    case ToneValue::CoverToneFreq2:
    case ToneValue::RingFreq1:
    case ToneValue::RingFreq2:
        return ToneFieldKind::Frequency;
    default:
        return ToneFieldKind::Length;
    }
}

int& toneValueOf(ToneSettings& t, ToneValue value, std::size_t portIndex) {
    const std::size_t p = portIndex < t.cwSpeed.size() ? portIndex : 0;
    switch (value) {
    case ToneValue::CwSpeed:
        return t.cwSpeed[p];
    case ToneValue::CwFreq1:
        return t.cwFreq1[p];
    case ToneValue::CwFreq2:
        return t.cwFreq2[p];
    case ToneValue::DtmfToneLength:
        return t.dtmfToneLength[p];
    case ToneValue::DtmfToneDelay:
        return t.dtmfToneDelay[p];
    case ToneValue::PreaccessFreq1:
        return t.preaccessFreq1[p];
    case ToneValue::PreaccessFreq2:
        return t.preaccessFreq2[p];
    case ToneValue::CoverToneDuration:
        return t.coverToneDuration;
    case ToneValue::CoverToneFreq1:
        return t.coverToneFreq1;
    case ToneValue::CoverToneFreq2:
        return t.coverToneFreq2;
    case ToneValue::CoverToneDelay:
        return t.coverToneDelay;
    case ToneValue::RingDuration:
        return t.reversePatchRingDuration;
    case ToneValue::RingFreq1:
        return t.reversePatchRingFreq1;
    case ToneValue::RingFreq2:
        return t.reversePatchRingFreq2;
    case ToneValue::RingDelay:
        break;
    }
    return t.reversePatchRingDelay;
}

std::optional<std::string> cwSpeedOnLeaving(std::string_view text) {
    if (readInt(text.substr(0, 9)) < 5)
        return std::string("20");
    return std::nullopt;
}

} // namespace merix
