#pragma once

#include <string_view>

struct termios;

namespace merix {

enum class Parity { None, Odd, Even };

// How the bits go over the wire: rate and framing.
struct LineSettings {
    long baud = 9600;
    int dataBits = 8;
    Parity parity = Parity::None;
    int stopBits = 1;

    bool operator==(const LineSettings&) const = default;
};

// Settings a line can have at all: a positive rate, 5 to 8 data bits, 1 or 2 stop bits.
bool isValid(const LineSettings& settings);

// The controller's framing (8 data bits, no parity, 1 stop bit) at the rate the upload
// settings name. A rate that is not a whole positive number gives settings that are not
// valid, which the port refuses.
LineSettings controllerLineSettings(std::string_view baudRate);

// Puts the line settings into attributes and makes the line raw: no line editing, no echo,
// no CR/LF translation, no XON/XOFF, modem control lines ignored, reads that never wait in
// the driver. Hardware flow control stays as the port has it. False when the rate or framing
// has no termios equivalent.
bool applyLineSettings(termios& attributes, const LineSettings& settings);

} // namespace merix
