#include "link/StopRequest.h"

#include "link/SerialPort.h"

#include <thread>

namespace merix {

void StopRequest::request() {
    m_requested.store(true);
    m_interrupting.fetch_add(1);
    if (SerialPort* port = m_watched.load())
        port->interrupt();
    m_interrupting.fetch_sub(1);
}

void StopRequest::watch(SerialPort* port) {
    m_watched.store(port);
    if (port)
        return;
    // A handler that interrupted this very thread has finished before we get here; another
    // thread's request is a few instructions away from done.
    while (m_interrupting.load() != 0)
        std::this_thread::yield();
}

} // namespace merix
