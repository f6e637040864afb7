#include "app/ScreenFactory.h"

#include "screens/TimersScreen.h"

namespace merix {

EditingScreen* createScreen(ScreenId screen, const ScreenContext& context, QWidget* parent) {
    switch (screen) {
    case ScreenId::Timers:
        return new TimersScreen(context, parent);
    default:
        return nullptr;
    }
}

} // namespace merix
