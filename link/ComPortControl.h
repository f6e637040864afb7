#pragma once

#include "link/LineSettings.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace merix::rfc2217 {

// The commands of the COM Port Control option a client sends; a server answers command c
// with c + kServerOffset and the value it now has.
enum Command : std::uint8_t {
    kSignature = 0,
    kSetBaudRate = 1,
    kSetDataSize = 2,
    kSetParity = 3,
    kSetStopSize = 4,
    kPurgeData = 12,
};
inline constexpr std::uint8_t kServerOffset = 100;
inline constexpr std::uint8_t kPurgeBoth = 3; // the server's receive and transmit buffers

inline constexpr std::array<Command, 4> kLineCommands = {kSetBaudRate, kSetDataSize, kSetParity,
                                                         kSetStopSize};

// The value of a line command for the settings: four bytes of rate in network order, or one
// byte of data size, parity or stop size.
std::string encodeValue(Command command, const LineSettings& settings);

// Puts a line command's value into the settings. False for a value of the wrong length,
// one the settings cannot hold (mark or space parity, 1.5 stop bits), or 0, which asks for
// the current value.
bool decodeValue(Command command, std::string_view value, LineSettings& settings);

// The subnegotiation payload: the command and its value.
std::string request(Command command, std::string_view value);

} // namespace merix::rfc2217
