#include "link/Response.h"

#include <string_view>

namespace merix {

namespace {
// One less than the longest awaited text: enough of the old text to find one that straddles.
constexpr std::size_t kOverlap = 6;
} // namespace

void Response::reset()
{
    m_text.clear();
    m_readCount = 0;
    m_prompt = m_ok = m_connect = false;
}

void Response::append(const char* data, std::size_t size)
{
    if (size == 0)
        return;
    ++m_readCount;
    const std::size_t from = m_text.size() > kOverlap ? m_text.size() - kOverlap : 0;
    for (std::size_t i = 0; i < size; ++i)
        if (data[i] != '\0') // a NUL would end the text for every reader of it
            m_text.push_back(data[i]);
    const std::string_view fresh = std::string_view(m_text).substr(from);
    m_prompt = m_prompt || fresh.find("DTMF>") != std::string_view::npos;
    m_ok = m_ok || fresh.find("OK") != std::string_view::npos;
    m_connect = m_connect || fresh.find("CONNECT") != std::string_view::npos;
    if (m_text.size() > kCapacity)
        m_text.erase(0, m_text.size() - kCapacity);
}

} // namespace merix
