#include "sim/NetworkServer.h"

#include "sim/ComPortServer.h"
#include "sim/NetworkListener.h"
#include "sim/Simulator.h"

#include <optional>
#include <unistd.h>

namespace merix::sim {

void serveNetwork(NetworkListener& listener, const SimOptions& options, int stopFd,
                  std::FILE* log) {
    for (;;) {
        const int client = listener.accept(stopFd);
        if (client < 0)
            return;
        // Each connection is a fresh line: a new client finds the modem in command mode.
        std::optional<ComPortServer> telnet;
        if (options.listen && options.listen->telnet)
            telnet.emplace(log);
        Simulator simulator(client, options, telnet ? &*telnet : nullptr);
        simulator.run(stopFd);
        ::close(client);
    }
}

} // namespace merix::sim
