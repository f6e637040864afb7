#include "cli/UploadRun.h"

#include "cli/Args.h"
#include "cli/ConsoleProgress.h"
#include "cli/LinkConsole.h"
#include "cli/StopSignals.h"

#include "link/Clock.h"
#include "link/ControllerLink.h"
#include "link/StopRequest.h"
#include "link/TranscriptWriter.h"
#include "link/UploadHistory.h"
#include "link/UploadJob.h"

#include <memory>

namespace merix::cli {

namespace {

int exitStatusOf(const UploadOutcome& outcome, const StopSignals& signals) {
    switch (outcome.result) {
    case UploadResult::Completed:
        return kExitOk;
    case UploadResult::Stopped:
        return signals.exitStatus();
    case UploadResult::Failed:
        break;
    }
    return kExitFailure;
}

} // namespace

int connectUploadDisconnect(const UploadRun& run) {
    StopSignals signals;
    const std::string& document = run.plan.documentPath;
    std::unique_ptr<TranscriptWriter> transcript;
    std::unique_ptr<UploadHistory> history;
    if (!document.empty()) {
        transcript = std::make_unique<TranscriptWriter>(transcriptFolderPath(document));
        history = std::make_unique<UploadHistory>(document, transcript.get());
    }

    SteadyClock clock;
    ConsoleProgress progress;
    LinkConsoleOutput output;
    output.setProgress(&progress);
    ControllerLink link(clock, output);
    link.setPortMap(run.ports);
    link.setRecorder(transcript.get());
    link.setStopRequest(&signals.request());

    if (signals.request().requested())
        return signals.exitStatus();
    if (!link.connect(run.settings)) {
        output.finish();
        reportConnectFailure(output, link.takeMessages());
        return signals.request().requested() ? signals.exitStatus() : kExitFailure;
    }
    printMessages(link.takeMessages());

    UploadJob job(link, clock);
    job.setObserver(&progress);
    job.setStopRequest(&signals.request());
    job.setHistory(history.get());
    const UploadOutcome outcome = job.run(run.plan);
    // A failed or stopped upload has disconnected already.
    if (link.isConnected())
        link.disconnect();
    progress.end();
    output.finish();
    printMessages(outcome.messages);
    if (outcome.result == UploadResult::Failed && outcome.messages.empty())
        printMessages({outcome.reason});
    return exitStatusOf(outcome, signals);
}

} // namespace merix::cli
