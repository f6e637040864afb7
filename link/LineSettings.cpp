#include "link/LineSettings.h"

#include <charconv>
#include <optional>
#include <termios.h>

namespace merix {

namespace {

struct Speed {
    long baud;
    speed_t code;
};

constexpr Speed kSpeeds[] = {
    {50, B50},       {75, B75},         {110, B110},       {134, B134},       {150, B150},
    {200, B200},     {300, B300},       {600, B600},       {1200, B1200},     {1800, B1800},
    {2400, B2400},   {4800, B4800},     {9600, B9600},     {19200, B19200},   {38400, B38400},
    {57600, B57600}, {115200, B115200}, {230400, B230400}, {460800, B460800}, {921600, B921600},
};

std::optional<speed_t> speedCode(long baud) {
    for (const Speed& s : kSpeeds)
        if (s.baud == baud)
            return s.code;
    return std::nullopt;
}

tcflag_t sizeFlag(int dataBits) {
    switch (dataBits) {
    case 5:
        return CS5;
    case 6:
        return CS6;
    case 7:
        return CS7;
    default:
        return CS8;
    }
}

} // namespace

bool isValid(const LineSettings& s) {
    return s.baud > 0 && s.dataBits >= 5 && s.dataBits <= 8 && (s.stopBits == 1 || s.stopBits == 2);
}

LineSettings controllerLineSettings(std::string_view baudRate) {
    LineSettings settings;
    long baud = 0;
    const char* end = baudRate.data() + baudRate.size();
    const auto [ptr, ec] = std::from_chars(baudRate.data(), end, baud);
    settings.baud = ec == std::errc() && ptr == end && !baudRate.empty() && baud > 0 ? baud : 0;
    return settings;
}

bool applyLineSettings(termios& t, const LineSettings& s) {
    const auto speed = speedCode(s.baud);
    if (!speed || !isValid(s))
        return false;
    // Raw: the prompt "DTMF>" ends no line, and the controller's bytes must arrive as sent.
    t.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL |
                                        IXON | IXOFF | IXANY);
    t.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    t.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB);
    t.c_cflag |= sizeFlag(s.dataBits) | CREAD | CLOCAL;
    if (s.parity != Parity::None) {
        t.c_cflag |= PARENB;
        if (s.parity == Parity::Odd)
            t.c_cflag |= PARODD;
    }
    if (s.stopBits == 2)
        t.c_cflag |= CSTOPB;
    // Reads wait in poll() with our own time-out, never in the driver.
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    return cfsetispeed(&t, *speed) == 0 && cfsetospeed(&t, *speed) == 0;
}

} // namespace merix
