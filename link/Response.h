#pragma once

#include <cstddef>
#include <string>

namespace merix {

// What the controller or the modem sent since the last reset. The text keeps the most
// recent characters up to its capacity; whether "DTMF>", "OK" and "CONNECT" arrived is
// noted as the bytes come, so an answer longer than the capacity, or one of these texts
// split across two reads, is still recognised.
class Response {
public:
    static constexpr std::size_t kCapacity = 1500;

    void reset();
    void append(const char* data, std::size_t size);

    const std::string& text() const { return m_text; }
    bool empty() const { return m_readCount == 0; }
    int readCount() const { return m_readCount; }
    bool hasPrompt() const { return m_prompt; }
    bool hasOk() const { return m_ok; }
    bool hasConnect() const { return m_connect; }

private:
    std::string m_text;
    int m_readCount = 0;
    bool m_prompt = false;
    bool m_ok = false;
    bool m_connect = false;
};

} // namespace merix
