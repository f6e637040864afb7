#include "link/UploadHistory.h"

#include "document/AtomicFile.h"
#include "document/SideFiles.h"
#include "link/TranscriptWriter.h"
#include "link/WallTime.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace merix {

namespace {

namespace fs = std::filesystem;

constexpr const char* kEntryFile = "upload.txt";
constexpr std::size_t kLongestEntryFile = 64 * 1024;
constexpr std::size_t kLongestValue = 8192;

std::string uploadsFolder(std::string_view historyFolder) {
    return std::string(historyFolder) + "/uploads";
}

std::string readBounded(const std::string& path, std::size_t limit) {
    std::ifstream in(path, std::ios::binary);
    std::string text(limit, '\0');
    in.read(text.data(), static_cast<std::streamsize>(limit));
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
}

std::string readWhole(const std::string& path, bool& ok) {
    std::ifstream in(path, std::ios::binary);
    ok = static_cast<bool>(in);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// "12/40" into the two counts, each clamped to what an upload can reach.
void parseLines(std::string_view value, HistoryEntry& entry) {
    const auto slash = value.find('/');
    if (slash == std::string_view::npos)
        return;
    auto number = [](std::string_view s) {
        int n = 0;
        const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
        return ec == std::errc() && end == s.data() + s.size() && n >= 0 ? n : 0;
    };
    entry.linesSent = number(value.substr(0, slash));
    entry.linesTotal = number(value.substr(slash + 1));
}

UploadResult resultNamed(std::string_view word) {
    if (word == "completed")
        return UploadResult::Completed;
    if (word == "stopped")
        return UploadResult::Stopped;
    return UploadResult::Failed;
}

void takeField(std::string_view key, std::string_view value, std::string_view historyFolder,
               HistoryEntry& e) {
    if (key == "Time")
        e.time = value;
    else if (key == "Result")
        e.result = resultNamed(value);
    else if (key == "Lines")
        parseLines(value, e);
    else if (key == "Option")
        e.option = uploadOptionNamed(value).value_or(UploadOption::Everything);
    else if (key == "Port")
        e.port = value;
    else if (key == "Endpoint")
        e.endpoint = value;
    else if (key == "Baud")
        e.baudRate = value;
    else if (key == "Transcript" && !value.empty())
        e.transcript = std::string(historyFolder) + "/" + std::string(value);
    else if (key == "Reason")
        e.reason = value;
}

// A value on one line: line ends in a reason or a device name would break the file.
std::string oneLine(std::string_view text) {
    std::string out(text.substr(0, kLongestValue));
    std::replace(out.begin(), out.end(), '\r', ' ');
    std::replace(out.begin(), out.end(), '\n', ' ');
    return out;
}

std::string relativeTo(std::string_view folder, const std::string& path) {
    const std::string prefix = std::string(folder) + "/";
    return path.rfind(prefix, 0) == 0 ? path.substr(prefix.size()) : path;
}

// A new folder for the entry, named after the time it starts.
std::string createEntryFolder(const std::string& uploads, WallTime now, std::string& error) {
    std::error_code ec;
    fs::create_directories(uploads, ec);
    const std::string stem = uploads + "/" + fileStamp(now);
    for (int n = 1; n < 100; ++n) {
        std::string folder = stem;
        if (n > 1)
            folder += '-' + std::to_string(n);
        if (fs::create_directory(folder, ec))
            return folder;
        if (ec)
            break;
    }
    error = "Unable to write " + stem + ": " + (ec ? ec.message() : "it exists") +
            ".  The upload goes on without its history entry.";
    return {};
}

} // namespace

std::string historyFolderPath(std::string_view documentPath) {
    return sideFilePath(documentPath, "history");
}

std::string transcriptFolderPath(std::string_view documentPath) {
    return historyFolderPath(documentPath) + "/transcripts";
}

std::string historyEntryText(const HistoryEntry& e, std::string_view historyFolder) {
    std::string text = "[UPLOAD]\r\n";
    auto field = [&text](const char* key, std::string_view value) {
        text += key;
        text += '=';
        text += oneLine(value);
        text += "\r\n";
    };
    field("Time", e.time);
    field("Result", uploadResultWord(e.result));
    field("Lines", std::to_string(e.linesSent) + "/" + std::to_string(e.linesTotal));
    field("Option", uploadOptionWord(e.option));
    field("Port", e.port);
    field("Endpoint", e.endpoint);
    field("Baud", e.baudRate);
    field("Transcript", e.transcript.empty() ? "" : relativeTo(historyFolder, e.transcript));
    field("Reason", e.reason);
    text += "END\r\n";
    return text;
}

HistoryEntry parseHistoryEntry(std::string_view text, std::string_view historyFolder) {
    HistoryEntry entry;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const auto equals = line.find('=');
        if (equals != std::string_view::npos)
            takeField(line.substr(0, equals), oneLine(line.substr(equals + 1)), historyFolder,
                      entry);
    }
    return entry;
}

std::vector<HistoryEntry> readUploadHistory(std::string_view documentPath) {
    const std::string history = historyFolderPath(documentPath);
    std::vector<std::string> folders;
    std::error_code ec;
    for (fs::directory_iterator it(uploadsFolder(history), ec), end; !ec && it != end;
         it.increment(ec)) {
        if (it->is_directory(ec) && fs::exists(it->path() / kEntryFile, ec))
            folders.push_back(it->path().string());
    }
    // The names are UTC times: their order is the order of the uploads.
    std::sort(folders.begin(), folders.end());
    std::vector<HistoryEntry> entries;
    for (const std::string& folder : folders) {
        HistoryEntry e =
            parseHistoryEntry(readBounded(folder + "/" + kEntryFile, kLongestEntryFile), history);
        e.folder = folder;
        entries.push_back(std::move(e));
    }
    return entries;
}

UploadHistory::UploadHistory(std::string documentPath, const TranscriptWriter* transcript)
    : m_documentPath(std::move(documentPath)), m_folder(historyFolderPath(m_documentPath)),
      m_transcript(transcript) {}

std::string UploadHistory::begin(const UploadPlan& plan, const std::string& documentText,
                                 const ConnectionInfo& connection, int linesTotal) {
    m_started = false;
    const WallTime now = std::chrono::system_clock::now();
    std::string error;
    m_entry = HistoryEntry{};
    m_entry.folder = createEntryFolder(uploadsFolder(m_folder), now, error);
    if (m_entry.folder.empty())
        return error;
    m_entry.time = isoLocalTime(now);
    m_entry.linesTotal = linesTotal;
    m_entry.option = plan.option;
    m_entry.port = connection.port;
    m_entry.endpoint = connection.endpoint;
    m_entry.baudRate = connection.baudRate;
    m_entry.reason = "The upload did not end (the program stopped).";
    if (m_transcript)
        m_entry.transcript = m_transcript->currentFile();
    bool read = false;
    const std::string command = readWhole(plan.commandFile, read);
    if (error = writeFileAtomically(m_entry.documentFile(), documentText); !error.empty())
        return error;
    if (read)
        if (error = writeFileAtomically(m_entry.commandFile(), command); !error.empty())
            return error;
    m_started = true;
    return writeEntryFile();
}

std::string UploadHistory::finish(const UploadOutcome& outcome) {
    if (!m_started)
        return {};
    m_started = false;
    m_entry.result = outcome.result;
    m_entry.linesSent = outcome.linesSent;
    m_entry.linesTotal = outcome.linesTotal;
    m_entry.reason = outcome.reason;
    return writeEntryFile();
}

std::string UploadHistory::writeEntryFile() const {
    return writeFileAtomically(m_entry.folder + "/" + kEntryFile,
                               historyEntryText(m_entry, m_folder));
}

} // namespace merix
