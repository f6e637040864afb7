#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace merix {

// A text file written the safe way: into a temporary file beside the target, renamed
// over it only by commit(), so a failed run never leaves a half-written file in place
// of the previous one. Lines go to disk with CR LF ends.
class TextFileOutput {
  public:
    TextFileOutput() = default;
    ~TextFileOutput();
    TextFileOutput(const TextFileOutput&) = delete;
    TextFileOutput& operator=(const TextFileOutput&) = delete;

    // Returns an empty string, or the message for the user.
    std::string create(const std::string& path);
    // Each "\n" becomes "\r\n". A failure is kept and reported by commit().
    void write(std::string_view text);
    // Returns an empty string, or the message for the user; the temporary file is gone
    // either way.
    std::string commit();
    // Drops the temporary file; the target stays as it was.
    void discard();

  private:
    void writeRaw(std::string_view bytes);

    static constexpr std::size_t kSlice = 32 * 1024;

    std::string m_path;
    std::string m_tempPath;
    std::string m_converted;
    int m_fd = -1;
    int m_error = 0;
};

} // namespace merix
