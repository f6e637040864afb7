#include "sim/SimOptions.h"

#include <charconv>
#include <cstring>

namespace merix::sim {

const char* const kSimUsage =
    "usage: merix-sim [--link PATH | --listen tcp:PORT | --listen rfc2217:PORT] [--modem]\n"
    "                 [--no-ok] [--silent] [--split-prompt] [--baud RATE] [--log FILE]\n"
    "                 [--connect-delay MS] [--guard MS]\n"
    "       merix-sim --help | --version\n"
    "Simulates a MERIX controller (and optionally a Hayes modem) on a pseudo-terminal, or on\n"
    "a TCP port of this machine (raw, or Telnet with RFC 2217 serial port control; port 0\n"
    "takes a free one), one client at a time.\n"
    "Prints the device path or the URL on its first line; stops on SIGINT or SIGTERM.\n";

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

std::optional<ListenPort> parseListen(const std::string& text) {
    ListenPort wanted;
    std::string port;
    if (text.rfind("tcp:", 0) == 0) {
        port = text.substr(4);
    } else if (text.rfind("rfc2217:", 0) == 0) {
        wanted.telnet = true;
        port = text.substr(8);
    } else {
        return std::nullopt;
    }
    long n = 0;
    if (!parseNumber(port.c_str(), 65535, n))
        return std::nullopt;
    wanted.port = static_cast<int>(n);
    return wanted;
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
        } else if (word == "--listen" && hasValue) {
            o.listen = parseListen(argv[++i]);
            if (!o.listen) {
                error = "merix-sim: --listen takes tcp:PORT or rfc2217:PORT, PORT 0 to 65535";
                return std::nullopt;
            }
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
    if (o.listen && !o.link.empty()) {
        error = "merix-sim: --link names a pseudo-terminal; there is none with --listen";
        return std::nullopt;
    }
    return o;
}

} // namespace merix::sim
