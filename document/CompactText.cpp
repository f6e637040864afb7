#include "document/CompactText.h"

#include <cstring>
#include <new>
#include <ostream>

namespace merix {

namespace {

// A heap text: its size, then its characters.
constexpr std::size_t kHeader = sizeof(std::size_t);

} // namespace

CompactText& CompactText::operator=(CompactText&& other) noexcept {
    if (this != &other) {
        release();
        m_word = other.m_word;
        other.setEmpty();
    }
    return *this;
}

void CompactText::assign(std::string_view text) {
    // Built aside first: the text may live inside what it replaces.
    std::uint64_t word = 0;
    if (text.size() <= kInPlace) {
        unsigned char bytes[8] = {static_cast<unsigned char>(text.size() << 1 | 1u)};
        if (!text.empty())
            std::memcpy(bytes + 1, text.data(), text.size());
        std::memcpy(&word, bytes, sizeof word);
    } else {
        auto* block = static_cast<char*>(::operator new(kHeader + text.size()));
        const std::size_t size = text.size();
        std::memcpy(block, &size, kHeader);
        std::memcpy(block + kHeader, text.data(), size);
        word = reinterpret_cast<std::uintptr_t>(block);
    }
    release();
    m_word = word;
}

std::string_view CompactText::view() const noexcept {
    if (inPlace())
        return {reinterpret_cast<const char*>(&m_word) + 1,
                static_cast<std::size_t>((m_word & 0xffu) >> 1)};
    const auto* block = reinterpret_cast<const char*>(static_cast<std::uintptr_t>(m_word));
    std::size_t size = 0;
    std::memcpy(&size, block, kHeader);
    return {block + kHeader, size};
}

void CompactText::release() noexcept {
    if (!inPlace())
        ::operator delete(reinterpret_cast<char*>(static_cast<std::uintptr_t>(m_word)));
}

std::ostream& operator<<(std::ostream& out, const CompactText& text) {
    return out << text.view();
}

} // namespace merix
