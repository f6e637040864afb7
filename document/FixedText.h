#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

namespace merix {

// A text of fixed capacity: a buffer of N bytes holds at most N - 1 characters.
// Every assignment cuts to capacity, so no caller has to remember the limits.
// The characters live in the object itself: a large site holds tens of thousands of
// records of a few short texts each, and a string apiece cost more than the texts.
template <std::size_t N> class FixedText {
    static_assert(N >= 2, "a fixed text holds at least one character");
    using Size = std::conditional_t<(N <= 256), std::uint8_t, std::uint16_t>;
    static_assert(N - 1 <= static_cast<Size>(-1), "the size must fit its field");

  public:
    static constexpr std::size_t capacity = N - 1;

    FixedText() = default;
    FixedText(std::string_view s) { assign(s); }
    FixedText(const char* s) { assign(s ? std::string_view(s) : std::string_view()); }

    FixedText& operator=(std::string_view s) {
        assign(s);
        return *this;
    }
    FixedText& operator=(const char* s) {
        assign(s ? std::string_view(s) : std::string_view());
        return *this;
    }
    FixedText& operator=(const std::string& s) {
        assign(s);
        return *this;
    }

    // The text may be a part of this one.
    void assign(std::string_view s) {
        const std::size_t n = s.size() < capacity ? s.size() : capacity;
        if (n > 0)
            std::memmove(m_text, s.data(), n);
        m_text[n] = '\0';
        m_size = static_cast<Size>(n);
    }
    void clear() {
        m_text[0] = '\0';
        m_size = 0;
    }

    std::string str() const { return std::string(view()); }
    const char* c_str() const { return m_text; }
    std::string_view view() const { return {m_text, m_size}; }
    operator std::string_view() const { return view(); }
    bool empty() const { return m_size == 0; }
    std::size_t size() const { return m_size; }

    friend bool operator==(const FixedText& a, const FixedText& b) { return a.view() == b.view(); }
    friend bool operator==(const FixedText& a, std::string_view b) { return a.view() == b; }
    friend bool operator==(const FixedText& a, const char* b) {
        return a.view() == std::string_view(b);
    }

  private:
    Size m_size = 0;
    char m_text[N] = {};
};

} // namespace merix
