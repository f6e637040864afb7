#pragma once

#include "document/CompactText.h"

#include <cstring>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

namespace merix {

class LineExplainer;

// The command file as the section writers produce it, with "\n" line ends. Without a
// sink it keeps the whole text; with one it hands the text over in large chunks, so a
// big configuration never sits in memory twice.
class CommandText {
  public:
    using Sink = std::function<void(std::string_view)>;

    CommandText() = default;
    explicit CommandText(Sink sink) : m_sink(std::move(sink)) {
        m_buffer.resize(kChunk);
        m_room = kChunk;
    }
    CommandText(const CommandText&) = delete;
    CommandText& operator=(const CommandText&) = delete;

    // The writers append a few characters at a time, so the common case stays inline.
    CommandText& operator<<(std::string_view s) {
        if (m_explainer)
            tellExplainer(s);
        if (s.size() <= m_room) {
            copy(m_buffer.data() + (kChunk - m_room), s.data(), s.size());
            m_room -= s.size();
        } else {
            append(s);
        }
        return *this;
    }
    CommandText& operator<<(const std::string& s) { return *this << std::string_view(s); }
    CommandText& operator<<(const CompactText& s) { return *this << s.view(); }
    CommandText& operator<<(const char* s) { return *this << std::string_view(s); }
    CommandText& operator<<(char c) { return *this << std::string_view(&c, 1); }
    CommandText& operator<<(int value);
    CommandText& operator<<(long value);

    // Several pieces of one line at once: room is made and counted once, not after every
    // piece (stores of characters make the compiler reread the count each time).
    CommandText& put(std::initializer_list<std::string_view> pieces) {
        std::size_t total = 0;
        for (std::string_view p : pieces)
            total += p.size();
        if (m_explainer || total > m_room) {
            for (std::string_view p : pieces)
                *this << p;
            return *this;
        }
        char* to = m_buffer.data() + (kChunk - m_room);
        for (std::string_view p : pieces) {
            copy(to, p.data(), p.size());
            to += p.size();
        }
        m_room -= total;
        return *this;
    }

    void flush();

    // While set, the explainer sees every line written and takes what writers say of them.
    void setExplainer(LineExplainer* explainer) { m_explainer = explainer; }
    LineExplainer* explainer() const { return m_explainer; }
    // Everything written so far when there is no sink.
    const std::string& text() const { return m_buffer; }

  private:
    // Up to 16 bytes as two overlapping moves of a fixed size, which need no call; more
    // through memcpy. Reads and writes only the n bytes given.
    static void copy(char* to, const char* from, std::size_t n) {
        if (n > 16) {
            std::memcpy(to, from, n);
        } else if (n >= 8) {
            std::memcpy(to, from, 8);
            std::memcpy(to + n - 8, from + n - 8, 8);
        } else if (n >= 4) {
            std::memcpy(to, from, 4);
            std::memcpy(to + n - 4, from + n - 4, 4);
        } else if (n > 0) {
            to[0] = from[0];
            to[n / 2] = from[n / 2];
            to[n - 1] = from[n - 1];
        }
    }
    void append(std::string_view s);
    void tellExplainer(std::string_view s);

    static constexpr std::size_t kChunk = 64 * 1024;
    Sink m_sink;
    // With a sink: a chunk of kChunk bytes of which the last m_room are free. Without one:
    // the whole text, grown as it comes, and m_room stays 0.
    std::string m_buffer;
    std::size_t m_room = 0;
    LineExplainer* m_explainer = nullptr;
};

} // namespace merix
