// A controller (or modem) that answers with any bytes, fails reads and writes at any
// point, or falls silent: connect, an upload of a small command file, a typed command and
// disconnect must end, stay within their buffers and report every failure they show.
#include "fuzz/FakeController.h"
#include "fuzz/FuzzSupport.h"
#include "link/ControllerLink.h"
#include "link/UploadJob.h"
#include "link/UploadSettings.h"
#include "tests/support/LentPort.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <sstream>
#include <string>

using namespace merix;
using merix::fuzz::fail;

namespace {

constexpr const char* kCommandFile = "N050 0;voice off\r\n;a comment line\r\n\r\nN020 005 030\r\n"
                                     "N078 400 !";
constexpr const char* kBaudRates[] = {"300", "600", "1200", "2400", "4800", "9600", "19200", "", "baud"};

// The port plays the input: each write and each read takes its outcome from the next bytes.
void script(fuzz::ScriptedPort& port, FuzzedDataProvider& in)
{
    port.onWrite = [&in](std::string_view bytes) -> Transfer {
        switch (in.ConsumeIntegral<std::uint8_t>()) {
        case 255: return {false, 0};
        case 254: return {true, 0};
        case 253: return {true, bytes.size() / 2};
        default: return {true, bytes.size()};
        }
    };
    port.nextRead = [&in]() -> fuzz::ScriptedPort::Read {
        if (in.remaining_bytes() == 0)
            return {};
        const std::uint8_t kind = in.ConsumeIntegral<std::uint8_t>();
        if (kind >= 250)
            return {false, {}};
        return {true, in.ConsumeRandomLengthString(1200)};
    };
}

// Every message the link has for the user must leave its error flag set for its callers.
template <typename Step> void step(ControllerLink& link, const char* what, Step&& run) {
    run();
    if (!link.takeMessages().empty() && !link.hasError())
        fail(std::string(what) + " had a message but left the error flag clear");
}

// Written once per process; every run sends the same file.
const std::string& commandFile() {
    static const std::string path = fuzz::writeScratchFile("answers.CMD", kCommandFile);
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    UploadSettings settings;
    settings.connectionType = in.ConsumeBool() ? ConnectionType::Modem : ConnectionType::Direct;
    settings.phoneNumber = in.ConsumeRandomLengthString(40);
    settings.baudRate = in.PickValueInArray(kBaudRates);
    const bool strip = in.ConsumeBool();

    fuzz::VirtualClock clock;
    fuzz::ScriptedPort port(clock);
    script(port, in);
    fuzz::BoundedOutput output;
    ControllerLink link(clock, output, test::lend(port));

    bool connected = false;
    step(link, "connect", [&] { connected = link.connect(settings); });
    if (connected != link.isConnected())
        fail("connect's result and the connected flag disagree");
    if (!connected) {
        if (port.isOpen())
            fail("a failed connect left the port open");
        return 0;
    }
    if (link.connect(settings) || !link.isConnected())
        fail("a second connect changed the connection");

    UploadJob job(link, clock);
    const UploadOutcome outcome = job.run(otherFilesPlan({commandFile()}, strip));
    if (outcome.result == UploadResult::Failed && (link.isConnected() || outcome.reason.empty()))
        fail("a failed upload left the line up or gave no reason");
    if (outcome.result != UploadResult::Failed && !outcome.messages.empty())
        fail("an upload that did not fail had something to tell");
    if (outcome.linesSent > outcome.linesTotal)
        fail("more lines sent than counted");
    if (link.isConnected())
        step(link, "sendUserCommand",
             [&] { link.sendUserCommand(in.ConsumeRandomLengthString(1498)); });
    link.disconnect();
    if (link.isConnected() || port.isOpen())
        fail("disconnect left the connection up");
    return 0;
}
