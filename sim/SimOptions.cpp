#include "sim/SimOptions.h"

#include <charconv>
#include <cstring>

namespace merix::sim {

const char* const kSimUsage =
    "usage: merix-sim [--link PATH] [--modem] [--no-ok] [--silent] [--split-prompt]\n"
    "                 [--baud RATE] [--log FILE] [--connect-delay MS] [--guard MS]\n"
    "       merix-sim --help | --version\n"
    "Simulates a MERIX controller (and optionally a Hayes modem) on a pseudo-terminal.\n"
    "Prints the device path on its first line; stops on SIGINT or SIGTERM.\n";

namespace {

bool parseNumber(const char* text, long max, long& out) {
    const char* end = text + std::strlen(text);
    long value = 0;
    const auto [ptr, ec] = std::from_chars(text, end, value);
    if (ec != std::errc() || ptr != end || value < 0 || value > max)
        return false;
    out = value;
    return true;
}

} // namespace

std::optional<SimOptions> parseSimOptions(int argc, char** argv, std::string& error) {
    SimOptions o;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        const bool hasValue = i + 1 < argc;
        long n = 0;
        if (word == "--modem") {
            o.modem = true;
        } else if (word == "--no-ok") {
            o.noOk = true;
        } else if (word == "--silent") {
            o.silent = true;
        } else if (word == "--split-prompt") {
            o.splitPrompt = true;
        } else if (word == "--link" && hasValue) {
            o.link = argv[++i];
        } else if (word == "--log" && hasValue) {
            o.log = argv[++i];
        } else if (word == "--baud" && hasValue && parseNumber(argv[++i], 4000000, n) && n > 0) {
            o.baud = n;
        } else if (word == "--connect-delay" && hasValue && parseNumber(argv[++i], 600000, n)) {
            o.connectDelayMs = static_cast<int>(n);
        } else if (word == "--guard" && hasValue && parseNumber(argv[++i], 60000, n)) {
            o.guardMs = static_cast<int>(n);
        } else {
            error = "merix-sim: unexpected or incomplete option " + word;
            return std::nullopt;
        }
    }
    return o;
}

} // namespace merix::sim
