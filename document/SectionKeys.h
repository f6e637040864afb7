#pragma once

#include "document/Records.h"

#include <string>

namespace merix {

// The values of [TONES] in the order of the document file, each with its key.
// f(name, value) is called with an int (const int for a const record).
template <typename Tones, typename F>
void forEachToneValue(Tones& t, F&& f)
{
    auto port = [](const char* name, int p) { return name + std::to_string(p + 1); };
    for (int p = 0; p < kPortCount; ++p) {
        f(port("CWSpeedPort", p), t.cwSpeed[p]);
        f(port("CWFreq1Port", p), t.cwFreq1[p]);
        f(port("CWFreq2Port", p), t.cwFreq2[p]);
    }
    f(std::string("DTMFCoverToneDuration"), t.coverToneDuration);
    f(std::string("DTMFCoverToneFreq1"), t.coverToneFreq1);
    f(std::string("DTMFCoverToneFreq2"), t.coverToneFreq2);
    f(std::string("DTMFCoverToneDelay"), t.coverToneDelay);
    f(std::string("DTMFReversePatchRingDuration"), t.reversePatchRingDuration);
    f(std::string("DTMFReversePatchRingFreq1"), t.reversePatchRingFreq1);
    f(std::string("DTMFReversePatchRingFreq2"), t.reversePatchRingFreq2);
    f(std::string("DTMFReversePatchRingDelay"), t.reversePatchRingDelay);
    for (int p = 0; p < kPortCount; ++p) {
        f(port("DTMFToneLengthPort", p), t.dtmfToneLength[p]);
        f(port("DTMFToneDelayPort", p), t.dtmfToneDelay[p]);
    }
    for (int p = 0; p < kPortCount; ++p) {
        f(port("DTMFPreaccessToneFreq1Port", p), t.preaccessFreq1[p]);
        f(port("DTMFPreaccessToneFreq2Port", p), t.preaccessFreq2[p]);
    }
}
inline constexpr int kToneValueCount = 64;

// The fifteen values of a port in [MISC SETUP] and misc.cfg, in file order, each with its
// key. f(name, value) is called with an int or a FixedText.
template <typename Port, typename F>
void forEachPortValue(Port& p, F&& f)
{
    f("DTMFMute", p.DTMFMute);
    f("CoverTone", p.CoverTone);
    f("Bypass", p.Bypass);
    f("CORPolarity", p.CORPolarity);
    f("PLPolarity", p.PLPolarity);
    f("PasswordSystem", p.PasswordSystem);
    f("AccessMode", p.AccessMode);
    f("Preaccess", p.Preaccess);
    f("DialTone", p.DialTone);
    f("AccessCode", p.AccessCode);
    f("IDOnOff", p.IDOnOff);
    f("IDRandRotating", p.IDRandRotating);
    f("Chaining", p.Chaining);
    f("TimedExecution", p.TimedExecution);
    f("ForceExecutionDigit", p.ForceExecutionDigit);
}
inline constexpr int kPortValueCount = 15;

} // namespace merix
