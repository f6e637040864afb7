#include "app/ScreenFactory.h"

#include "screens/TimersScreen.h"

namespace merix {

EditingScreen* createScreen(ScreenId screen, ConfigDocument& doc, Prompter& prompter,
                            BusyIndicator* busy, QWidget* parent) {
    switch (screen) {
    case ScreenId::Timers:
        return new TimersScreen(doc, prompter, busy, parent);
    default:
        return nullptr;
    }
}

} // namespace merix
