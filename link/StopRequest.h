#pragma once

#include <atomic>

namespace merix {

// A request to end an upload after the line in flight. Set from any thread, and from a
// signal handler: a lock-free atomic store is all it does.
class StopRequest {
  public:
    void request() { m_requested.store(true, std::memory_order_relaxed); }
    void clear() { m_requested.store(false, std::memory_order_relaxed); }
    bool requested() const { return m_requested.load(std::memory_order_relaxed); }

  private:
    static_assert(std::atomic<bool>::is_always_lock_free);
    std::atomic<bool> m_requested = false;
};

} // namespace merix
