#pragma once

#include <functional>
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
    explicit CommandText(Sink sink) : m_sink(std::move(sink)) { m_buffer.reserve(kChunk); }
    CommandText(const CommandText&) = delete;
    CommandText& operator=(const CommandText&) = delete;

    CommandText& operator<<(std::string_view s)
    {
        if (m_explainer)
            tellExplainer(s);
        m_buffer.append(s);
        if (m_sink && m_buffer.size() >= kChunk)
            flush();
        return *this;
    }
    CommandText& operator<<(const std::string& s) { return *this << std::string_view(s); }
    CommandText& operator<<(const char* s) { return *this << std::string_view(s); }
    CommandText& operator<<(char c) { return *this << std::string_view(&c, 1); }
    CommandText& operator<<(int value);
    CommandText& operator<<(long value);

    void flush();

    // While set, the explainer sees every line written and takes what writers say of them.
    void setExplainer(LineExplainer* explainer) { m_explainer = explainer; }
    LineExplainer* explainer() const { return m_explainer; }
    // Everything written so far when there is no sink.
    const std::string& text() const { return m_buffer; }

private:
  void tellExplainer(std::string_view s);

  static constexpr std::size_t kChunk = 64 * 1024;
  Sink m_sink;
  std::string m_buffer;
  LineExplainer* m_explainer = nullptr;
};

} // namespace merix
