#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace merix {

namespace telnet {
inline constexpr std::uint8_t kSe = 240;
inline constexpr std::uint8_t kSb = 250;
inline constexpr std::uint8_t kWill = 251;
inline constexpr std::uint8_t kWont = 252;
inline constexpr std::uint8_t kDo = 253;
inline constexpr std::uint8_t kDont = 254;
inline constexpr std::uint8_t kIac = 255;

inline constexpr std::uint8_t kBinary = 0;
inline constexpr std::uint8_t kEcho = 1;
inline constexpr std::uint8_t kSuppressGoAhead = 3;
inline constexpr std::uint8_t kComPort = 44; // RFC 2217
} // namespace telnet

// Telnet (RFC 854) as far as a serial line carried over it needs: data with IAC doubled,
// option negotiation answered by the rules of RFC 1143 (never a request loop), and
// subnegotiations handed up whole. Reads any bytes; keeps no more than a bounded
// subnegotiation.
class TelnetCodec {
  public:
    enum class State : std::uint8_t { No, Yes, Asked };
    struct Subnegotiation {
        std::uint8_t option = 0;
        std::string payload; // IAC undoubled
    };
    // Longer ones are dropped: no option we take needs more.
    static constexpr std::size_t kSubnegotiationLimit = 64;

    // The options this side takes on (WILL) and lets the peer take on (DO); every other
    // request is refused.
    TelnetCodec(std::initializer_list<std::uint8_t> ours,
                std::initializer_list<std::uint8_t> theirs);

    // Asks for all of them at the start: WILL for ours, DO for theirs.
    std::string offer();
    // Bytes from the peer: the data is appended to `data`, the answers owed to `reply`.
    void receive(std::string_view bytes, std::string& data, std::string& reply,
                 std::vector<Subnegotiation>& subnegotiations);
    // Data for the peer: IAC doubled, and a carriage return followed by NUL unless we send
    // binary.
    void encode(std::string_view data, std::string& out) const;
    // How many bytes of data the first `wireCount` bytes of their encoding carry whole.
    std::size_t dataCarried(std::string_view data, std::size_t wireCount) const;
    static std::string subnegotiation(std::uint8_t option, std::string_view payload);

    State ours(std::uint8_t option) const { return m_ours[option]; }
    State theirs(std::uint8_t option) const { return m_theirs[option]; }

  private:
    enum class Parse : std::uint8_t { Data, Iac, Option, SubOption, Sub, SubIac };

    void dataByte(std::uint8_t c, std::string& data);
    void command(std::uint8_t c);
    void negotiate(std::uint8_t verb, std::uint8_t option, std::string& reply);
    void endSubnegotiation(std::vector<Subnegotiation>& out);
    std::size_t encodedLength(std::string_view data, std::size_t i) const;

    std::array<State, 256> m_ours{};
    std::array<State, 256> m_theirs{};
    std::bitset<256> m_acceptOurs;
    std::bitset<256> m_acceptTheirs;

    Parse m_parse = Parse::Data;
    std::uint8_t m_verb = 0;
    bool m_afterCr = false;
    bool m_subTooLong = false;
    Subnegotiation m_sub;
};

} // namespace merix
