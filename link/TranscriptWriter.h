#pragma once

#include "link/LinkRecorder.h"

#include <cstdint>
#include <string>

namespace merix {

// The transcript of every connection, one file per connection in a folder: each line sent
// and each answer received, with the time, written to the file as it happens so that a
// crash still leaves what went over the line; the disk is synced at most once a second and
// at the end, so a power cut costs a second at most and the upload no measurable time.
// A folder that cannot be written leaves the connection without a transcript.
class TranscriptWriter final : public LinkRecorder {
  public:
    explicit TranscriptWriter(std::string folder);
    ~TranscriptWriter() override;
    TranscriptWriter(const TranscriptWriter&) = delete;
    TranscriptWriter& operator=(const TranscriptWriter&) = delete;

    const std::string& folder() const { return m_folder; }
    // The file of the connection open now, or of the last one; empty before the first.
    const std::string& currentFile() const { return m_path; }

    void opened(const ConnectionInfo& connection) override;
    void sent(std::string_view bytes) override;
    void received(std::string_view bytes) override;
    void note(std::string_view text) override;
    void closed() override;

  private:
    void write(char mark, std::string_view text);
    void writeAnswer();
    void close();

    std::string m_folder;
    std::string m_path;
    int m_fd = -1;
    std::string m_answer; // received since the last line sent, not yet written
    std::string m_answerTime;
    std::int64_t m_lastSyncMs = 0;
};

// A byte string as one printable line: CR, LF, tab and backslash as \r, \n, \t and \\,
// other control bytes and those above 126 as \xNN.
std::string escapedBytes(std::string_view bytes);

} // namespace merix
