#pragma once

namespace merix {

// Drop-down lists named by their captions. On Linux Qt names a drop-down list by its current
// entry and leaves the caption to the label relation, so a screen reader or an automation
// tool asking for "Port" or "Access Mode" by name would not find it. With this, the name is
// the caption (the accessible name, or the buddy label's text) and the entry is the value.
// Installed once, right after the application object is made.
void installAccessibleComboBoxes();

} // namespace merix
