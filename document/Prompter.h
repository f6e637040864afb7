#pragma once

#include <string>

namespace merix {

// What the core needs from message boxes: an informing box with OK, a question with Yes and No.
class Prompter {
public:
    virtual ~Prompter() = default;
    virtual void inform(const std::string& text) = 0;
    virtual bool ask(const std::string& text) = 0; // true for Yes
};

// The wait cursor.
class BusyIndicator {
public:
    virtual ~BusyIndicator() = default;
    virtual void begin() = 0;
    virtual void end() = 0;
};

class BusyGuard {
public:
    explicit BusyGuard(BusyIndicator* busy) : m_busy(busy) { if (m_busy) m_busy->begin(); }
    ~BusyGuard() { if (m_busy) m_busy->end(); }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

private:
    BusyIndicator* m_busy;
};

} // namespace merix
