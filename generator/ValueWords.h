#pragma once

#include "document/Records.h"

#include <string>
#include <string_view>

namespace merix {

class CatalogLabels;

// How values are put into words wherever this program explains them: the explained
// command lines, the document comparison and the configuration report.

inline std::string onOff(int value) {
    return value != 0 ? "on" : "off";
}
inline std::string yesNo(int value) {
    return value != 0 ? "yes" : "no";
}

// What a four-digit field carries to the controller: the value within 1..maximum, else 0.
int sentValue(int value, int maximum);

// "440 Hz for 100 ms, pause 50 ms", or "440 + 880 Hz ..." for two tones.
std::string toneWords(int length, int pause, int freq1, int freq2);

// "every Monday at 7:30 PM", "every hour at minute 30", "every year on March 17 at ...".
std::string scheduleWords(const ScheduleEvent& e);

// "036 1 2 (Say Time)": a command or macro number, its parameters and the label of what
// the number names.
std::string commandWords(std::string_view number, std::string_view parameters,
                         const CatalogLabels& labels);

// The ports whose flags are set: "1 2 5", "all" or "none".
std::string portList(const PortInts& flags);

// "off", "repeater" or "link".
std::string preaccessWords(int preaccess);

// "whole password" or "challenge of 3 digits".
std::string passwordModeWords(int mode, int digits);

} // namespace merix
