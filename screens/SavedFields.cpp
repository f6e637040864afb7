#include "screens/SavedFields.h"

#include "document/Records.h"

namespace merix {

void restoreUserFields(UserEntry& user, const UserEntry& saved) {
    user.name = saved.name;
    user.callSign = saved.callSign;
    user.enabled = saved.enabled;
    user.password = saved.password;
    user.passwordMode = saved.passwordMode;
    user.challengeDigits = saved.challengeDigits;
    user.clearanceLevel = saved.clearanceLevel;
    user.description = saved.description;
    restoreAutopatchFields(user, saved);
    restorePagerFields(user, saved);
}

void restoreAutopatchFields(UserEntry& user, const UserEntry& saved) {
    user.autodialNumber = saved.autodialNumber;
    user.sendPredialDigits = saved.sendPredialDigits;
    user.autodialReadbackType = saved.autodialReadbackType;
    user.normalReadbackType = saved.normalReadbackType;
    user.patchPrivacyType = saved.patchPrivacyType;
    user.patchTimeOutTimer = saved.patchTimeOutTimer;
    user.autopatchDownCode = saved.autopatchDownCode;
}

void restorePagerFields(UserEntry& user, const UserEntry& saved) {
    user.pagerType = saved.pagerType;
    user.pagerPort1 = saved.pagerPort1;
    user.pagerPort2 = saved.pagerPort2;
}

void restoreEventFields(ScheduleEvent& event, const ScheduleEvent& saved) {
    event.comment = saved.comment;
    event.commandNumber = saved.commandNumber;
    event.monthName = saved.monthName;
    event.dayName = saved.dayName;
    event.period = saved.period;
    event.minutes = saved.minutes;
    event.hour = saved.hour;
    event.dayOfMonth = saved.dayOfMonth;
    event.amPm = saved.amPm;
}

} // namespace merix
