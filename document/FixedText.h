#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace merix {

// A text of fixed capacity: a buffer of N bytes holds at most N - 1 characters.
// Every assignment cuts to capacity, so no caller has to remember the limits.
template <std::size_t N>
class FixedText {
    static_assert(N >= 2, "a fixed text holds at least one character");

public:
    static constexpr std::size_t capacity = N - 1;

    FixedText() = default;
    FixedText(std::string_view s) { assign(s); }
    FixedText(const char* s) { assign(s ? std::string_view(s) : std::string_view()); }

    FixedText& operator=(std::string_view s) { assign(s); return *this; }
    FixedText& operator=(const char* s) { assign(s ? std::string_view(s) : std::string_view()); return *this; }
    FixedText& operator=(const std::string& s) { assign(s); return *this; }

// GCC 12 at -O3 warns falsely (-Wrestrict) about a path of string::assign that a cut
// text never takes.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wrestrict"
#endif
    void assign(std::string_view s) { m_text.assign(s.substr(0, capacity)); }
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif
    void clear() { m_text.clear(); }

    const std::string& str() const { return m_text; }
    const char* c_str() const { return m_text.c_str(); }
    std::string_view view() const { return m_text; }
    operator std::string_view() const { return m_text; }
    bool empty() const { return m_text.empty(); }
    std::size_t size() const { return m_text.size(); }

    friend bool operator==(const FixedText& a, const FixedText& b) { return a.m_text == b.m_text; }
    friend bool operator==(const FixedText& a, std::string_view b) { return a.m_text == b; }
    friend bool operator==(const FixedText& a, const char* b) { return a.m_text == std::string_view(b); }

private:
    std::string m_text;
};

} // namespace merix
