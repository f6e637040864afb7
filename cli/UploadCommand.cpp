#include "cli/Args.h"
#include "cli/Commands.h"

#include <cstdio>

namespace merix::cli {

int runUpload(int, char**)
{
    std::fputs("merix-cli upload: not available in this build yet\n", stderr);
    return kExitFailure;
}

} // namespace merix::cli
