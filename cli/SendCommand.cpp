#include "cli/Args.h"
#include "cli/Commands.h"
#include "cli/LinkConsole.h"

#include "link/Clock.h"
#include "link/ControllerLink.h"
#include "link/TermiosSerialPort.h"
#include "link/UploadSettings.h"

#include <fstream>

namespace merix::cli {

namespace {

const char* const kSendUsage =
    "send FILE... --device PATH [--baud RATE] [--keep-comments] [--modem --phone NUMBER]";

} // namespace

// Connects on the device, sends each file with the upload protocol, disconnects.
int runSend(int argc, char** argv)
{
    const Args args(argc, argv, 2, {"keep-comments", "modem"});
    const auto device = args.value("device");
    const bool modem = args.flag("modem");
    if (!args.ok({"device", "baud", "keep-comments", "modem", "phone"}) || args.positional().empty() ||
        !device || modem != args.value("phone").has_value())
        return usage(kSendUsage);

    // Every file must be there before the controller is disturbed.
    for (const std::string& path : args.positional())
        if (!std::ifstream(path, std::ios::binary))
            return fail(path + ": Unable to Open File (Check Path and Filename)");

    UploadSettings settings;
    settings.connectionType = modem ? 1 : 0;
    settings.phoneNumber = args.value("phone").value_or("");
    settings.baudRate = args.value("baud").value_or("9600");
    settings.comPort = 0;
    settings.stripComments = args.flag("keep-comments") ? 0 : 1;
    PortMap ports;
    ports.setDevice(0, *device);

    TermiosSerialPort port;
    SteadyClock clock;
    LinkConsoleOutput output;
    LinkConsolePrompter prompter;
    ControllerLink link(port, clock, output, prompter);
    link.setPortMap(ports);

    if (!link.connect(settings)) {
        output.finish();
        reportConnectFailure(output, prompter, 0);
        return kExitFailure;
    }
    link.resetUploadState();
    for (const std::string& path : args.positional()) {
        std::ifstream file(path, std::ios::binary);
        link.sendFile(file, settings.stripComments != 0);
        if (link.hasError()) {
            link.disconnect(settings.connectionType);
            return kExitFailure;
        }
    }
    if (link.lineCounter() < ControllerLink::kLineLimit)
        link.showFinished();
    link.disconnect(settings.connectionType);
    return kExitOk;
}

} // namespace merix::cli
