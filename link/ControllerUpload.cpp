#include "link/ControllerLink.h"

#include "link/CommandLines.h"
#include "link/ControllerOutput.h"
#include "link/LinkMessages.h"
#include "link/SerialPort.h"

#include <vector>

namespace merix {

using namespace linktext;

void ControllerLink::resetUploadState()
{
    m_response.reset();
    m_error = false;
    m_lineCounter = 0;
}

void ControllerLink::showFinished()
{
    const bool kept = m_output.addLine(kFinished);
    if (!m_output.addLine(kPrompt) || !kept) {
        m_output.clear();
        m_output.addLine(kFinished);
        m_output.addLine(kPrompt);
    }
}

bool ControllerLink::sendCommandLine(const std::string& line) {
    ++m_lineCounter;
    if (!line.empty() && !sendPreparedLine(line))
        return false;
    if (m_lineCounter > kLineLimit) {
        report(kTooManyLines);
        return false;
    }
    return true;
}

// Sends one line and shows the answer; a line the controller did not acknowledge with "OK"
// goes once more. False when the file must end here.
bool ControllerLink::sendPreparedLine(const std::string& line)
{
    m_resentOnce = false;
    for (;;) {
        if (!writeCommand(line))
            return false;
        const Wait wait = awaitPrompt(15);
        const bool resend = !m_response.hasOk() && !m_resentOnce && line.front() != ';';
        if (!checkResponse(wait))
            return false;
        showResponse();
        m_port->purge();
        if (!resend) {
            m_resentOnce = false;
            return true;
        }
        m_resentOnce = true;
        ++m_lineCounter;
    }
}

bool ControllerLink::writeCommand(const std::string& line)
{
    Transfer w = writeBytes(line);
    if (!w.ok) {
        report(kSendError);
        return false;
    }
    if (w.count == 0) {
        w = writeBytes(line);
        if (!w.ok || w.count < line.size()) {
            report(kWriteError);
            return false;
        }
        return true;
    }
    // A cut command would reach the controller as a different command: send the rest.
    if (w.count < line.size()) {
        const std::string_view rest = std::string_view(line).substr(w.count);
        const Transfer r = writeBytes(rest);
        if (!r.ok || r.count < rest.size()) {
            report(kWriteError);
            return false;
        }
    }
    return true;
}

ControllerLink::Wait ControllerLink::awaitPrompt(int reads)
{
    const Wait wait = awaitText(reads, &Response::hasPrompt);
    if (wait == Wait::ReadFailed)
        report(kReceiveError);
    return wait;
}

bool ControllerLink::checkResponse(Wait wait)
{
    if (!m_response.empty())
        return true;
    report(wait == Wait::ReadFailed ? kNoResponse : kResponseTimeout);
    return false;
}

void ControllerLink::showResponse()
{
    std::vector<std::string> pieces;
    std::string current;
    for (char c : m_response.text()) {
        if (c == '\n') {
            if (!current.empty())
                pieces.push_back(std::move(current));
            current.clear();
        } else {
            current.push_back(c == '\r' ? ' ' : c);
        }
    }
    if (!current.empty())
        pieces.push_back(std::move(current));
    if (pieces.empty())
        return;
    if (m_output.lineCount() == 0)
        m_output.addLine(pieces.front());
    else
        m_output.replaceLastLine(m_output.lastLine() + pieces.front());
    for (std::size_t i = 1; i < pieces.size(); ++i)
        m_output.addLine(pieces[i]);
}

void ControllerLink::sendUserCommand(std::string_view text)
{
    if (text.empty() || !m_port)
        return;
    m_port->purge();
    const std::string line = std::string(text.substr(0, kCommandPiece - 1)) + "\r";
    if (writeCommand(line) && checkResponse(awaitPrompt(15)))
        showResponse();
    m_port->purge();
}

} // namespace merix
