#pragma once

#include <functional>
#include <string>

namespace merix {

class BusyIndicator;
class ConfigDocument;
class PointerOverMain;
class Prompter;

// What every editing screen is given by the main screen that owns it.
struct ScreenContext {
    ConfigDocument& doc;
    Prompter& prompter;
    BusyIndicator* busy = nullptr;
    PointerOverMain& pointer;
    // A line in the main window's status bar; for what is worth knowing but needs no answer.
    std::function<void(const std::string&)> showStatus;
};

} // namespace merix
