#pragma once

namespace merix {

// True while the mouse pointer was last over the main window rather than over a screen.
// The main window sets it, every editing screen clears it; the Timers screen reads it to
// tell the user going to the main window from focus moving inside the screen.
bool pointerOverMain();
void setPointerOverMain(bool over);

} // namespace merix
