#pragma once

#include "link/UploadPlan.h"
#include "link/UploadProgress.h"

#include <istream>
#include <string>

namespace merix {

class Clock;
class ControllerLink;
class StopRequest;
class UploadHistory;

// A whole upload on a connected link: every file of the plan, line by line, with progress
// after each line and a stop request honoured before the next; a failure or a stop ends in
// a disconnect. Only a command file that went through completely updates the document's
// reference copy; every upload of a document goes into its history. This is the one place
// that does either.
class UploadJob {
  public:
    UploadJob(ControllerLink& link, Clock& clock);

    void setObserver(UploadObserver* observer) { m_observer = observer; }
    void setStopRequest(const StopRequest* stop) { m_stop = stop; }
    void setHistory(UploadHistory* history) { m_history = history; }

    UploadOutcome run(const UploadPlan& plan);

  private:
    UploadResult sendFiles(const UploadPlan& plan, UploadOutcome& outcome);
    UploadResult sendFile(std::istream& file, const std::string& path, bool stripComments,
                          UploadOutcome& outcome);
    void noteFailedLine(UploadOutcome& outcome, int line, const std::string& path, int fileLine);
    void takeFailure(UploadOutcome& outcome);
    void showEnd(const UploadPlan& plan, UploadOutcome& outcome);
    void keepReferenceCopy(const UploadPlan& plan, UploadOutcome& outcome);
    void tell(UploadOutcome& outcome, std::string message);

    ControllerLink& m_link;
    Clock& m_clock;
    UploadObserver* m_observer = nullptr;
    const StopRequest* m_stop = nullptr;
    UploadHistory* m_history = nullptr;
    RateEstimate m_rate;
    std::string m_document; // the document file as it was when the upload started
    bool m_documentRead = false;
    std::string m_failedFile; // where the failed line stands, counted as an editor counts
    int m_failedFileLine = 0;
    std::string m_portFailure; // what the port said about the failure, if anything
};

// The lines the plan sends: those left once comments are stripped (when they are) and
// empty lines dropped, in the files that can be opened.
int countPlanLines(const UploadPlan& plan);

} // namespace merix
