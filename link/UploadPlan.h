#pragma once

#include "document/UploadOption.h"

#include <string>
#include <vector>

namespace merix {

struct UploadSettings;

// What one upload sends and what it keeps.
struct UploadPlan {
    // Sent in this order; a file that cannot be opened is skipped.
    std::vector<std::string> files;
    // The generated command file, one of the files: when it cannot be opened nothing is sent.
    // Empty for an upload of other files.
    std::string commandFile;
    bool stripComments = true;
    UploadOption option = UploadOption::ChangesSinceLastUpload;
    // The document whose file on disk is the state being uploaded: its reference copy and its
    // upload history are kept. Empty keeps nothing.
    std::string documentPath;
};

// The before, command and after files of the document, as the settings say.
UploadPlan commandFilesPlan(const UploadSettings& settings, const std::string& commandFile,
                            const std::string& documentPath);
// Files sent as they are, keeping nothing (Upload Other File, merix-cli send).
UploadPlan otherFilesPlan(std::vector<std::string> files, bool stripComments);

enum class UploadResult {
    Completed,
    Stopped, // on request, between lines
    Failed,
};

// "completed", "stopped" or "failed".
const char* uploadResultWord(UploadResult result);

struct UploadOutcome {
    UploadResult result = UploadResult::Completed;
    int linesSent = 0;  // lines that had their prompt
    int linesTotal = 0; // lines to send, counted before the first went
    int failedLine = 0; // the line that failed; 0 unless it failed on the line
    // Why it failed, in one line.
    std::string reason;
    // What the user must be told, in order (the link's failures, a file that could not be
    // kept); a window shows each in a message box.
    std::vector<std::string> messages;
    bool referenceCopyWritten = false;
};

} // namespace merix
