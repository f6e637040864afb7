#include "app/ScreenFactory.h"

#include "screens/AnalogInputsScreen.h"
#include "screens/CommandsScreen.h"
#include "screens/CourtesyBeepsScreen.h"
#include "screens/MacrosScreen.h"
#include "screens/MessagesScreen.h"
#include "screens/MiscSetupScreen.h"
#include "screens/SchedulerScreen.h"
#include "screens/TimersScreen.h"
#include "screens/TonesScreen.h"
#include "screens/UsersScreen.h"

namespace merix {

EditingScreen* createScreen(ScreenId screen, const ScreenContext& context, QWidget* parent) {
    switch (screen) {
    case ScreenId::Timers:
        return new TimersScreen(context, parent);
    case ScreenId::Messages:
        return new MessagesScreen(context, parent);
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
    case ScreenId::Tones:
        return new TonesScreen(context, parent);
    case ScreenId::CourtesyBeeps:
        return new CourtesyBeepsScreen(context, parent);
    case ScreenId::MiscSetup:
        return new MiscSetupScreen(context, parent);
    }
    return nullptr; // no default: a new ScreenId without a window is a compiler warning
}

} // namespace merix
