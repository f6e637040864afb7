#include "cli/Args.h"
#include "cli/Commands.h"

#include <cstdio>

namespace merix::cli {

int runSend(int, char**)
{
    std::fputs("merix-cli send: not available in this build yet\n", stderr);
    return kExitFailure;
}

} // namespace merix::cli
