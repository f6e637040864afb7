#include "cli/Args.h"
#include "cli/Commands.h"

#include <cstdio>

namespace merix::cli {

int runGenerate(int, char**)
{
    std::fputs("merix-cli generate: not available in this build yet\n", stderr);
    return kExitFailure;
}

} // namespace merix::cli
