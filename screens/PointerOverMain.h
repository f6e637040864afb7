#pragma once

namespace merix {

// Whether the mouse pointer was last over the main window rather than over a screen. The
// main window sets it, every editing screen clears it; a screen reads it to tell the user
// going to the main window from focus moving inside the screen. One per main window.
class PointerOverMain {
  public:
    bool isOver() const { return m_over; }
    void set(bool over) { m_over = over; }

  private:
    bool m_over = false;
};

} // namespace merix
