#pragma once

#include <optional>
#include <string>

namespace merix::sim {

// Where a network client reaches the simulator, instead of a pseudo-terminal.
struct ListenPort {
    bool telnet = false; // rfc2217: Telnet with serial port control; else raw TCP
    int port = 0;        // 0: any free port
};

struct SimOptions {
    std::string link; // a symbolic link to the pseudo-terminal, if wanted
    std::optional<ListenPort> listen;
    bool modem = false;        // a Hayes modem in front of the controller
    bool noOk = false;         // answers lack "OK"
    bool silent = false;       // never answers
    bool splitPrompt = false;  // "DT" and "MF>" in two writes
    long baud = 0;             // wire speed honoured both ways; 0 answers at once
    std::string log;           // every line received, one per line
    int connectDelayMs = 1000; // from "ATDT" to "CONNECT"
    int guardMs = 1000;        // Hayes guard time around "+++"
    int splitDelayMs = 50;     // between the two halves of a split prompt
};

extern const char* const kSimUsage;

// Nothing (and a message in error) for a usage error.
std::optional<SimOptions> parseSimOptions(int argc, char** argv, std::string& error);

} // namespace merix::sim
