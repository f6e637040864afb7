#include "link/ComPortControl.h"

namespace merix::rfc2217 {

namespace {

// On the wire: 1 none, 2 odd, 3 even (4 mark and 5 space we never use).
std::uint8_t parityCode(Parity p) {
    switch (p) {
    case Parity::Odd:
        return 2;
    case Parity::Even:
        return 3;
    default:
        return 1;
    }
}

} // namespace

std::string encodeValue(Command command, const LineSettings& s) {
    switch (command) {
    case kSetBaudRate: {
        const auto rate = static_cast<std::uint32_t>(s.baud);
        return {static_cast<char>(rate >> 24), static_cast<char>(rate >> 16),
                static_cast<char>(rate >> 8), static_cast<char>(rate)};
    }
    case kSetDataSize:
        return std::string(1, static_cast<char>(s.dataBits));
    case kSetParity:
        return std::string(1, static_cast<char>(parityCode(s.parity)));
    case kSetStopSize:
        return std::string(1, static_cast<char>(s.stopBits));
    default:
        return {};
    }
}

bool decodeValue(Command command, std::string_view value, LineSettings& s) {
    if (command == kSetBaudRate) {
        if (value.size() != 4)
            return false;
        std::uint32_t rate = 0;
        for (const char c : value)
            rate = (rate << 8) | static_cast<std::uint8_t>(c);
        if (rate == 0 || rate > 0x7fffffff)
            return false;
        s.baud = static_cast<long>(rate);
        return true;
    }
    if (value.size() != 1)
        return false;
    const auto v = static_cast<std::uint8_t>(value[0]);
    switch (command) {
    case kSetDataSize:
        if (v < 5 || v > 8)
            return false;
        s.dataBits = v;
        return true;
    case kSetParity:
        if (v < 1 || v > 3)
            return false;
        s.parity = v == 1 ? Parity::None : v == 2 ? Parity::Odd : Parity::Even;
        return true;
    case kSetStopSize:
        if (v != 1 && v != 2)
            return false;
        s.stopBits = v;
        return true;
    default:
        return false;
    }
}

std::string request(Command command, std::string_view value) {
    return static_cast<char>(command) + std::string(value);
}

} // namespace merix::rfc2217
