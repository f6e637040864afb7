#include "app/ScreenFactory.h"

#include "screens/AnalogInputsScreen.h"
#include "screens/CommandsScreen.h"
#include "screens/MacrosScreen.h"
#include "screens/TimersScreen.h"

namespace merix {

EditingScreen* createScreen(ScreenId screen, const ScreenContext& context, QWidget* parent) {
    switch (screen) {
    case ScreenId::Timers:
        return new TimersScreen(context, parent);
    case ScreenId::Commands:
        return new CommandsScreen(context, parent);
    case ScreenId::Macros:
        return new MacrosScreen(context, parent);
    case ScreenId::InputsOutputs:
        return new AnalogInputsScreen(context, parent);
    default:
        return nullptr;
    }
}

} // namespace merix
