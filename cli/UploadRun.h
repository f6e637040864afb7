#pragma once

#include "link/PortMap.h"
#include "link/UploadPlan.h"
#include "link/UploadSettings.h"

#include <string>

namespace merix::cli {

// One upload from the command line: how to connect, what to send, and, for a document,
// that its transcripts and history are kept.
struct UploadRun {
    UploadSettings settings;
    PortMap ports;
    UploadPlan plan;
};

// Connects, runs the upload with a progress line and SIGINT/SIGTERM for Stop, and
// disconnects. The exit status: 0 when it completed, 1 when it could not connect or failed,
// 130 or 143 when a signal stopped it.
int connectUploadDisconnect(const UploadRun& run);

} // namespace merix::cli
