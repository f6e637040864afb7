#include "cli/Args.h"
#include "cli/Commands.h"

#include <cstdio>

namespace merix::cli {

int runNew(int, char**)
{
    std::fputs("merix-cli new: not available in this build yet\n", stderr);
    return kExitFailure;
}

} // namespace merix::cli
