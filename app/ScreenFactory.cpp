#include "app/ScreenFactory.h"

#include "screens/AnalogInputsScreen.h"
#include "screens/CommandsScreen.h"
#include "screens/MacrosScreen.h"
#include "screens/SchedulerScreen.h"
#include "screens/TimersScreen.h"
#include "screens/UsersScreen.h"

namespace merix {

EditingScreen* createScreen(ScreenId screen, const ScreenContext& context, QWidget* parent) {
    switch (screen) {
    case ScreenId::Timers:
        return new TimersScreen(context, parent);
    case ScreenId::Users:
        return new UsersScreen(context, parent);
    case ScreenId::Scheduler:
        return new SchedulerScreen(context, parent);
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
