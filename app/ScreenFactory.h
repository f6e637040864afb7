#pragma once

#include "document/ConfigDocument.h"

class QWidget;

namespace merix {

class EditingScreen;
struct ScreenContext;

// A new window for the screen, or nullptr for a screen this version does not have yet.
// Each new screen adds its line here and nowhere else in the shell.
EditingScreen* createScreen(ScreenId screen, const ScreenContext& context, QWidget* parent);

} // namespace merix
