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

void CompactText::assignOnHeap(std::string_view text) {
    // Built aside first: the text may live inside what it replaces.
    auto* block = static_cast<char*>(::operator new(kHeader + text.size()));
    const std::size_t size = text.size();
    std::memcpy(block, &size, kHeader);
    std::memcpy(block + kHeader, text.data(), size);
    release();
    m_word = reinterpret_cast<std::uintptr_t>(block);
}

std::string_view CompactText::heapView() const noexcept {
    const auto* block = reinterpret_cast<const char*>(static_cast<std::uintptr_t>(m_word));
    std::size_t size = 0;
    std::memcpy(&size, block, kHeader);
    return {block + kHeader, size};
}

void CompactText::releaseHeap() noexcept {
    ::operator delete(reinterpret_cast<char*>(static_cast<std::uintptr_t>(m_word)));
}

std::ostream& operator<<(std::ostream& out, const CompactText& text) {
    return out << text.view();
}

} // namespace merix
