#include "link/UploadJob.h"

#include "document/AtomicFile.h"
#include "document/SideFiles.h"
#include "link/Clock.h"
#include "link/CommandLines.h"
#include "link/ControllerLink.h"
#include "link/ControllerOutput.h"
#include "link/LinkMessages.h"
#include "link/StopRequest.h"
#include "link/UploadHistory.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace merix {

namespace {

using namespace linktext;

// A folder opens like a file and reads as empty; it is no command file.
bool openFile(const std::string& path, std::ifstream& in) {
    std::error_code ec;
    if (path.empty() || std::filesystem::is_directory(path, ec))
        return false;
    in.open(path, std::ios::binary);
    return in.is_open();
}

int countLines(std::istream& in, bool stripComments) {
    CommandLineReader reader(in);
    std::string piece;
    int lines = 0;
    while (reader.next(piece))
        if (!prepareCommandLine(piece, stripComments).empty())
            ++lines;
    return lines;
}

std::string readWhole(const std::string& path, bool& ok) {
    std::ifstream in(path, std::ios::binary);
    ok = static_cast<bool>(in);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

int countPlanLines(const UploadPlan& plan) {
    int lines = 0;
    for (const std::string& path : plan.files) {
        std::ifstream in;
        if (openFile(path, in))
            lines += countLines(in, plan.stripComments);
    }
    return lines;
}

UploadJob::UploadJob(ControllerLink& link, Clock& clock) : m_link(link), m_clock(clock) {}

UploadOutcome UploadJob::run(const UploadPlan& plan) {
    UploadOutcome outcome;
    outcome.linesTotal = countPlanLines(plan);
    const bool keeps = !plan.documentPath.empty();
    m_document.clear();
    m_documentRead = false;
    m_failedFile.clear();
    m_failedFileLine = 0;
    m_portFailure.clear();
    if (keeps)
        m_document = readWhole(plan.documentPath, m_documentRead);
    if (keeps && m_history)
        tell(outcome, m_history->begin(plan, m_document, m_link.connection(), outcome.linesTotal));

    m_link.resetUploadState();
    m_link.note("upload of " + std::to_string(outcome.linesTotal) + " lines");
    m_rate.start(m_clock.nowMs());
    if (m_observer)
        m_observer->progress({0, outcome.linesTotal});
    std::ifstream command;
    if (!plan.commandFile.empty() && !openFile(plan.commandFile, command)) {
        outcome.result = UploadResult::Failed;
        outcome.reason = plan.commandFile + ": " + kCannotOpenFile;
    } else {
        outcome.result = sendFiles(plan, outcome);
    }
    showEnd(plan, outcome);
    if (keeps && m_history)
        tell(outcome, m_history->finish(outcome));
    return outcome;
}

UploadResult UploadJob::sendFiles(const UploadPlan& plan, UploadOutcome& outcome) {
    for (const std::string& path : plan.files) {
        std::ifstream file;
        if (!openFile(path, file))
            continue;
        UploadResult result = sendFile(file, path, plan.stripComments, outcome);
        // A read that failed after some text came lets its file go on, but no further.
        if (result == UploadResult::Completed && m_link.hasError())
            result = UploadResult::Failed;
        if (result == UploadResult::Failed)
            takeFailure(outcome);
        if (result != UploadResult::Completed)
            return result;
    }
    return UploadResult::Completed;
}

// A connection on the network that dropped says so, naming the endpoint; with where the upload
// stopped, that is the reason the user needs, beside the link's own message.
void UploadJob::takeFailure(UploadOutcome& outcome) {
    for (std::string& message : m_link.takeMessages())
        tell(outcome, std::move(message));
    m_portFailure = m_link.portFailure();
    if (!m_portFailure.empty() && !m_failedFile.empty()) {
        outcome.reason = m_portFailure + "  " + stoppedInFile(m_failedFileLine, m_failedFile);
        tell(outcome, outcome.reason);
    }
    if (outcome.reason.empty() && !outcome.messages.empty())
        outcome.reason = outcome.messages.back();
}

void UploadJob::noteFailedLine(UploadOutcome& outcome, int line, const std::string& path,
                               int fileLine) {
    outcome.failedLine = line;
    m_failedFile = path;
    m_failedFileLine = fileLine;
}

UploadResult UploadJob::sendFile(std::istream& file, const std::string& path, bool stripComments,
                                 UploadOutcome& outcome) {
    CommandLineReader reader(file);
    std::string piece;
    // A long line comes in pieces; only the piece with the line feed ends it.
    int fileLine = 1;
    for (; reader.next(piece); fileLine += piece.ends_with('\n') ? 1 : 0) {
        const std::string line = prepareCommandLine(piece, stripComments);
        if (!line.empty() && m_stop && m_stop->requested())
            return UploadResult::Stopped;
        if (!m_link.sendCommandLine(line)) {
            noteFailedLine(outcome, outcome.linesSent + 1, path, fileLine);
            return UploadResult::Failed;
        }
        if (line.empty())
            continue;
        ++outcome.linesSent;
        if (m_link.hasError() && outcome.failedLine == 0)
            noteFailedLine(outcome, outcome.linesSent, path, fileLine);
        if (m_observer)
            m_observer->progress(
                m_rate.update(outcome.linesSent, outcome.linesTotal, m_clock.nowMs()));
    }
    return UploadResult::Completed;
}

// The closing lines: "Finished Upload", or where it ended and the disconnect; and what became
// of the reference copy.
void UploadJob::showEnd(const UploadPlan& plan, UploadOutcome& outcome) {
    ControllerOutput& output = m_link.output();
    switch (outcome.result) {
    case UploadResult::Completed:
        m_link.note("upload completed");
        if (m_link.lineCounter() < ControllerLink::kLineLimit)
            m_link.showFinished();
        if (!plan.documentPath.empty())
            keepReferenceCopy(plan, outcome);
        return;
    case UploadResult::Stopped:
        outcome.reason = stoppedAt(outcome.linesSent, outcome.linesTotal);
        m_link.note(outcome.reason);
        output.addLine(outcome.reason);
        m_link.disconnect();
        break;
    case UploadResult::Failed:
        m_link.note("upload failed");
        // A command file that is not there never disturbed the line.
        if (m_link.hasError()) {
            if (!m_portFailure.empty())
                output.addLine(m_portFailure);
            output.addLine(failedAt(outcome.failedLine, outcome.linesTotal));
            m_link.disconnect();
        } else {
            output.addLine(kCannotOpenFile);
        }
        break;
    }
    if (!plan.documentPath.empty())
        output.addLine(kReferenceNotUpdated);
}

void UploadJob::keepReferenceCopy(const UploadPlan& plan, UploadOutcome& outcome) {
    if (!m_documentRead) {
        tell(outcome,
             "Unable to read " + plan.documentPath + ".  The reference copy was not updated.");
        return;
    }
    const std::string error = writeFileAtomically(referenceCopyPath(plan.documentPath), m_document);
    outcome.referenceCopyWritten = error.empty();
    tell(outcome, error);
}

void UploadJob::tell(UploadOutcome& outcome, std::string message) {
    if (!message.empty())
        outcome.messages.push_back(std::move(message));
}

} // namespace merix
