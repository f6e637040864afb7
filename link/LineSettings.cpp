#include "link/LineSettings.h"

#include <cctype>
#include <termios.h>

namespace merix {

namespace {

struct Speed {
    long baud;
    speed_t code;
};

constexpr Speed kSpeeds[] = {
    {50, B50},         {75, B75},         {110, B110},       {134, B134},
    {150, B150},       {200, B200},       {300, B300},       {600, B600},
    {1200, B1200},     {1800, B1800},     {2400, B2400},     {4800, B4800},
    {9600, B9600},     {19200, B19200},   {38400, B38400},   {57600, B57600},
    {115200, B115200}, {230400, B230400}, {460800, B460800}, {921600, B921600},
};

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::optional<long> number(std::string_view s)
{
    if (s.empty() || s.size() > 9)
        return std::nullopt;
    long value = 0;
    for (char c : s) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

bool applyWord(LineSettings& s, std::string_view key, std::string_view value)
{
    if (equalsIgnoringCase(key, "baud")) {
        const auto n = number(value);
        s.baud = n.value_or(0);
        return n && *n > 0;
    }
    if (equalsIgnoringCase(key, "parity")) {
        if (value.size() != 1)
            return false;
        s.parity = static_cast<char>(std::toupper(static_cast<unsigned char>(value[0])));
        return s.parity == 'N' || s.parity == 'E' || s.parity == 'O';
    }
    if (equalsIgnoringCase(key, "data")) {
        const auto n = number(value);
        s.dataBits = static_cast<int>(n.value_or(0));
        return n && *n >= 5 && *n <= 8;
    }
    if (equalsIgnoringCase(key, "stop")) {
        const auto n = number(value);
        s.stopBits = static_cast<int>(n.value_or(0));
        return n && (*n == 1 || *n == 2);
    }
    return false;
}

std::optional<speed_t> speedCode(long baud)
{
    for (const Speed& s : kSpeeds)
        if (s.baud == baud)
            return s.code;
    return std::nullopt;
}

tcflag_t sizeFlag(int dataBits)
{
    switch (dataBits) {
    case 5: return CS5;
    case 6: return CS6;
    case 7: return CS7;
    default: return CS8;
    }
}

} // namespace

std::optional<LineSettings> parseModeString(std::string_view mode)
{
    LineSettings settings;
    bool any = false;
    std::size_t i = 0;
    while (i < mode.size()) {
        if (mode[i] == ' ') {
            ++i;
            continue;
        }
        const std::size_t end = std::min(mode.find(' ', i), mode.size());
        const std::string_view word = mode.substr(i, end - i);
        const std::size_t eq = word.find('=');
        if (eq == std::string_view::npos || !applyWord(settings, word.substr(0, eq), word.substr(eq + 1)))
            return std::nullopt;
        any = true;
        i = end;
    }
    if (!any)
        return std::nullopt;
    return settings;
}

std::string modeString(std::string_view baudRate)
{
    return "baud=" + std::string(baudRate) + " parity=N data=8 stop=1";
}

bool applyLineSettings(termios& t, const LineSettings& s)
{
    const auto speed = speedCode(s.baud);
    if (!speed)
        return false;
    // Raw: the prompt "DTMF>" ends no line, and the controller's bytes must arrive as sent.
    t.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL |
                                        IXON | IXOFF | IXANY);
    t.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    t.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB);
    t.c_cflag |= sizeFlag(s.dataBits) | CREAD | CLOCAL;
    if (s.parity != 'N') {
        t.c_cflag |= PARENB;
        if (s.parity == 'O')
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
