#pragma once

#include "document/ConfigDocument.h"

class QWidget;

namespace merix {

class BusyIndicator;
class EditingScreen;
class Prompter;

// A new window for the screen, or nullptr for a screen this version does not have yet.
// Each new screen adds its line here and nowhere else in the shell.
EditingScreen* createScreen(ScreenId screen, ConfigDocument& doc, Prompter& prompter,
                            BusyIndicator* busy, QWidget* parent);

} // namespace merix
