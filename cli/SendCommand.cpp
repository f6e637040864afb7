#include "cli/Args.h"
#include "cli/CliPrompter.h"
#include "cli/Commands.h"
#include "cli/UploadRun.h"

#include <fstream>

namespace merix::cli {

namespace {

const char* const kSendUsage =
    "send FILE... --device PATH|URL [--baud RATE] [--keep-comments] [--modem --phone NUMBER]";

} // namespace

// Connects on the device, sends each file with the upload protocol, disconnects.
int runSend(int argc, char** argv) {
    const Args args(argc, argv, 2, {"keep-comments", "modem"});
    const auto device = args.value("device");
    const bool modem = args.flag("modem");
    if (!args.ok({"device", "baud", "keep-comments", "modem", "phone"}) ||
        args.positional().empty() || !device || modem != args.value("phone").has_value())
        return usage(kSendUsage);

    // Every file must be there before the controller is disturbed.
    for (const std::string& path : args.positional())
        if (!std::ifstream(path, std::ios::binary))
            return fail(path + ": Unable to Open File (Check Path and Filename)");

    UploadRun run;
    run.settings.connectionType = modem ? ConnectionType::Modem : ConnectionType::Direct;
    run.settings.phoneNumber = args.value("phone").value_or("");
    run.settings.baudRate = args.value("baud").value_or("9600");
    run.settings.comPort = 0;
    run.ports.setDevice(0, *device);
    run.plan = otherFilesPlan(args.positional(), !args.flag("keep-comments"));
    return connectUploadDisconnect(run);
}

} // namespace merix::cli
