#pragma once

#include <optional>
#include <string>
#include <string_view>

struct termios;

namespace merix {

struct LineSettings {
    long baud = 9600;
    char parity = 'N'; // N, E or O
    int dataBits = 8;
    int stopBits = 1;
};

// The mode string of the upload settings ("baud=9600 parity=N data=8 stop=1"); nothing when
// a word is not one of these four or its value is malformed.
std::optional<LineSettings> parseModeString(std::string_view mode);

// "baud=" + rate + " parity=N data=8 stop=1".
std::string modeString(std::string_view baudRate);

// Puts the line settings into attributes and makes the line raw: no line editing, no echo,
// no CR/LF translation, no XON/XOFF, modem control lines ignored, reads that never wait in
// the driver. Hardware flow control stays as the port has it. False when the rate or framing
// has no termios equivalent.
bool applyLineSettings(termios& attributes, const LineSettings& settings);

} // namespace merix
