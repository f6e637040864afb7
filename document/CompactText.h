#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iosfwd>
#include <string>
#include <string_view>

namespace merix {

// A text of any length in eight bytes: up to seven characters in place, a longer one on
// the heap. A large site has a hundred thousand macro lines of a few characters each;
// held as two std::string each they took several times the size of the document.
class CompactText {
  public:
    CompactText() noexcept { setEmpty(); }
    CompactText(std::string_view text) {
        setEmpty();
        assign(text);
    }
    CompactText(const char* text)
        : CompactText(text ? std::string_view(text) : std::string_view()) {}
    CompactText(const std::string& text) : CompactText(std::string_view(text)) {}
    CompactText(const CompactText& other) : CompactText(other.view()) {}
    CompactText(CompactText&& other) noexcept : m_word(other.m_word) { other.setEmpty(); }
    ~CompactText() { release(); }

    CompactText& operator=(const CompactText& other) {
        assign(other.view());
        return *this;
    }
    CompactText& operator=(CompactText&& other) noexcept;
    CompactText& operator=(std::string_view text) {
        assign(text);
        return *this;
    }
    CompactText& operator=(const char* text) {
        return *this = text ? std::string_view(text) : std::string_view();
    }
    CompactText& operator=(const std::string& text) { return *this = std::string_view(text); }

    // The text may be a part of this one. Inline: the short case is nearly every call.
    void assign(std::string_view text) {
        if (text.size() > kInPlace) {
            assignOnHeap(text);
            return;
        }
        // The mark byte and the characters put together in a register: bytes stored one at
        // a time and read back as a word would stall the load behind the stores.
        const std::size_t n = text.size();
        std::uint64_t word = n << 1 | 1u;
        if (n >= 4) {
            std::uint32_t head;
            std::uint32_t tail;
            std::memcpy(&head, text.data(), 4);
            std::memcpy(&tail, text.data() + n - 4, 4);
            word |= std::uint64_t{head} << 8 | std::uint64_t{tail} << (8 * (n - 3));
        } else if (n > 0) {
            const auto byte = [&](std::size_t i) {
                return std::uint64_t{static_cast<unsigned char>(text[i])};
            };
            word |= byte(0) << 8 | byte(n / 2) << (8 * (1 + n / 2)) | byte(n - 1) << (8 * n);
        }
        release();
        m_word = word;
    }
    void clear() noexcept {
        release();
        setEmpty();
    }

    std::string_view view() const noexcept {
        if (inPlace())
            return {reinterpret_cast<const char*>(&m_word) + 1,
                    static_cast<std::size_t>((m_word & 0xffu) >> 1)};
        return heapView();
    }
    operator std::string_view() const noexcept { return view(); }
    const char* data() const noexcept { return view().data(); }
    const char* begin() const noexcept { return view().data(); }
    const char* end() const noexcept { return begin() + size(); }
    std::string str() const { return std::string(view()); }
    operator std::string() const { return str(); }
    bool empty() const noexcept { return view().empty(); }
    std::size_t size() const noexcept { return view().size(); }

    friend bool operator==(const CompactText& a, const CompactText& b) noexcept {
        return a.view() == b.view();
    }
    friend bool operator==(const CompactText& a, std::string_view b) noexcept {
        return a.view() == b;
    }
    friend bool operator==(const CompactText& a, const std::string& b) noexcept {
        return a.view() == b;
    }
    friend bool operator==(const CompactText& a, const char* b) noexcept {
        return a.view() == std::string_view(b);
    }
    // Joined onto a string as the std::string fields these replaced were.
    friend std::string operator+(std::string a, const CompactText& b) {
        a += b.view();
        return a;
    }

  private:
    static_assert(std::endian::native == std::endian::little && sizeof(void*) == 8,
                  "the in-place mark shares the lowest byte of a heap pointer");
    static constexpr std::size_t kInPlace = 7;

    // Lowest byte odd: in place, the size in its upper bits, the characters in the other
    // seven bytes. Even: a pointer (allocations are aligned) to the size and then the text.
    bool inPlace() const noexcept { return (m_word & 1u) != 0; }
    void setEmpty() noexcept { m_word = 1; }
    void release() noexcept {
        if (!inPlace())
            releaseHeap();
    }
    void assignOnHeap(std::string_view text);
    std::string_view heapView() const noexcept;
    void releaseHeap() noexcept;

    std::uint64_t m_word;
};

std::ostream& operator<<(std::ostream& out, const CompactText& text);

} // namespace merix
