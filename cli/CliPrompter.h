#pragma once

#include "document/Prompter.h"

#include <cstdio>
#include <string>

namespace merix::cli {

// Message boxes of the core, shown on standard error. Nobody is there to answer a
// question, so every question is answered No.
class CliPrompter : public Prompter {
public:
    void inform(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
    bool ask(const std::string& text) override
    {
        std::fprintf(stderr, "%s (answered No)\n", text.c_str());
        return false;
    }
};

// Prints a failure the system reports and gives its exit status.
inline int fail(const std::string& message)
{
    std::fprintf(stderr, "%s\n", message.c_str());
    return 1;
}

// Prints a command's usage line and gives the usage exit status.
inline int usage(const char* line)
{
    std::fprintf(stderr, "usage: merix-cli %s\n", line);
    return 2;
}

} // namespace merix::cli
