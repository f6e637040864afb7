#pragma once

#include "link/LinkRecorder.h"
#include "link/UploadPlan.h"

#include <string>
#include <string_view>
#include <vector>

namespace merix {

class TranscriptWriter;

// Beside the document, named like its other side files: SITE.mrx keeps its history in
// SITE.history, with the transcripts of its connections in SITE.history/transcripts.
std::string historyFolderPath(std::string_view documentPath);
std::string transcriptFolderPath(std::string_view documentPath);

// One upload as the history keeps it: what was sent, how, and how it ended.
struct HistoryEntry {
    std::string folder; // the entry's own folder, holding the two files below
    std::string time;   // when it started, ISO 8601 local time with offset
    UploadResult result = UploadResult::Failed;
    int linesSent = 0;
    int linesTotal = 0;
    UploadOption option = UploadOption::ChangesSinceLastUpload;
    std::string port;
    std::string endpoint;
    std::string baudRate;
    std::string transcript; // the transcript of its connection; empty when there is none
    std::string reason;     // why it failed

    // The document as uploaded, and the command file sent.
    std::string documentFile() const { return folder + "/document.mrx"; }
    std::string commandFile() const { return folder + "/command.CMD"; }
};

// The entry file's text, and back. The reader takes any bytes: unknown or damaged lines are
// left out and numbers are bounded; the transcript is named relative to the history folder.
std::string historyEntryText(const HistoryEntry& entry, std::string_view historyFolder);
HistoryEntry parseHistoryEntry(std::string_view text, std::string_view historyFolder);

// Every upload of the document, oldest first.
std::vector<HistoryEntry> readUploadHistory(std::string_view documentPath);

// Records the uploads of one document. An upload is written down as failed when it starts,
// with the document and the command file it sends, so that a crash or a power cut leaves
// it as what it then was; finish() puts in how it ended.
class UploadHistory {
  public:
    UploadHistory(std::string documentPath, const TranscriptWriter* transcript = nullptr);

    // Empty on success, otherwise a message for the user.
    std::string begin(const UploadPlan& plan, const std::string& documentText,
                      const ConnectionInfo& connection, int linesTotal);
    std::string finish(const UploadOutcome& outcome);

  private:
    std::string writeEntryFile() const;

    std::string m_documentPath;
    std::string m_folder;
    const TranscriptWriter* m_transcript;
    HistoryEntry m_entry;
    bool m_started = false;
};

} // namespace merix
