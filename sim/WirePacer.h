#pragma once

#include <cstdint>
#include <string_view>

namespace merix::sim {

// Makes a pseudo-terminal as slow as a serial wire: ten bit times per byte (start, eight
// data, stop) in each direction. A rate of 0 leaves it as fast as it is.
class WirePacer {
  public:
    // A socket is written so that a client gone away fails the write instead of raising
    // SIGPIPE.
    explicit WirePacer(long baud, bool socket = false);

    static std::int64_t nowNs();

    // Bytes just read: they were on the wire one after the other from now on (or from the
    // end of the bytes before them).
    void startReceive();
    // The moment the next byte of them has fully come over the wire; waits for it.
    std::int64_t receiveByte();
    // Writes the bytes, each when the wire would have carried it. False when the line failed.
    bool send(int fd, std::string_view bytes);

  private:
    bool writeAll(int fd, std::string_view bytes) const;

    std::int64_t m_byteNs;
    bool m_socket;
    std::int64_t m_rxFreeAt = 0;
    std::int64_t m_rxStart = 0;
    std::int64_t m_txFreeAt = 0;
};

} // namespace merix::sim
