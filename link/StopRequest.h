#pragma once

#include <atomic>

namespace merix {

class SerialPort;

// A request to stop what runs on the link: an upload after the line in flight, a connect at
// once. Set from any thread, and from a signal handler: lock-free atomics and the watched
// port's interrupt (an atomic store and a write to a pipe) are all it does, so it takes no
// lock a handler could wait on forever.
class StopRequest {
  public:
    void request();
    void clear() { m_requested.store(false); }
    bool requested() const { return m_requested.load(); }

    // While a port opens: a request interrupts its waits (a network connect may take the whole
    // connect time-out). Watch first, then look at requested(), and a request that comes in
    // between still reaches the port. Watching nullptr returns only when no request is still
    // at the port it watched, so the port may go after that.
    void watch(SerialPort* port);

  private:
    static_assert(std::atomic<bool>::is_always_lock_free);
    static_assert(std::atomic<SerialPort*>::is_always_lock_free);
    static_assert(std::atomic<int>::is_always_lock_free);
    std::atomic<bool> m_requested = false;
    std::atomic<SerialPort*> m_watched = nullptr;
    std::atomic<int> m_interrupting = 0;
};

} // namespace merix
