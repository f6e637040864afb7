#include "screens/SavedFields.h"
#include "document/Records.h"

#include <gtest/gtest.h>

#include <tuple>

namespace merix {
namespace {

// Every field a user has beside its key, so a field Cancel forgets shows up here.
auto userFields(const UserEntry& u) {
    return std::tie(u.name, u.callSign, u.autodialNumber, u.clearanceLevel, u.enabled, u.password,
                    u.passwordMode, u.challengeDigits, u.sendPredialDigits, u.patchTimeOutTimer,
                    u.autopatchDownCode, u.pagerType, u.pagerPort1, u.pagerPort2,
                    u.autodialReadbackType, u.normalReadbackType, u.patchPrivacyType,
                    u.description);
}

UserEntry savedUser() {
    UserEntry u;
    u.key = "USER001";
    u.name = "Ann";
    u.callSign = "W1AW";
    u.autodialNumber = "555-1212";
    u.clearanceLevel = 5;
    u.enabled = 1;
    u.password = "1234";
    u.passwordMode = 1;
    u.challengeDigits = 3;
    u.sendPredialDigits = 1;
    u.patchTimeOutTimer = 1;
    u.autopatchDownCode = "#";
    u.pagerType = "DTMF";
    u.pagerPort1 = 1;
    u.pagerPort2 = 1;
    u.autodialReadbackType = "no readback/always dial";
    u.normalReadbackType = "always readback/always dial";
    u.patchPrivacyType = "mute";
    u.description = "Trustee";
    return u;
}

UserEntry editedUser() {
    UserEntry u;
    u.key = "USER009";
    u.name = "Bob";
    u.callSign = "K1ABC";
    u.autodialNumber = "911";
    u.clearanceLevel = 1;
    u.password = "9";
    u.challengeDigits = 1;
    u.autopatchDownCode = "*";
    u.pagerType = "voice";
    u.autodialReadbackType = "x";
    u.normalReadbackType = "y";
    u.patchPrivacyType = "z";
    u.description = "Changed";
    return u;
}

TEST(SavedFieldsTest, UsersCancelPutsBackEveryFieldButTheKey) {
    const UserEntry saved = savedUser();
    UserEntry user = editedUser();
    restoreUserFields(user, saved);
    EXPECT_TRUE(userFields(user) == userFields(saved));
    EXPECT_EQ(user.key, "USER009");
}

TEST(SavedFieldsTest, AutopatchAndPagingPutBackOnlyTheirOwnFields) {
    const UserEntry saved = savedUser();
    const UserEntry edited = editedUser();

    UserEntry user = edited;
    restoreAutopatchFields(user, saved);
    EXPECT_EQ(std::tie(user.autodialNumber, user.sendPredialDigits, user.autodialReadbackType,
                       user.normalReadbackType, user.patchPrivacyType, user.patchTimeOutTimer,
                       user.autopatchDownCode),
              std::tie(saved.autodialNumber, saved.sendPredialDigits, saved.autodialReadbackType,
                       saved.normalReadbackType, saved.patchPrivacyType, saved.patchTimeOutTimer,
                       saved.autopatchDownCode));
    EXPECT_EQ(std::tie(user.name, user.password, user.pagerType, user.description),
              std::tie(edited.name, edited.password, edited.pagerType, edited.description));

    user = edited;
    restorePagerFields(user, saved);
    EXPECT_EQ(std::tie(user.pagerType, user.pagerPort1, user.pagerPort2),
              std::tie(saved.pagerType, saved.pagerPort1, saved.pagerPort2));
    EXPECT_EQ(std::tie(user.name, user.autodialNumber),
              std::tie(edited.name, edited.autodialNumber));
}

TEST(SavedFieldsTest, SchedulerCancelPutsBackEveryFieldButTheKey) {
    ScheduleEvent saved;
    saved.key = "Schedule01";
    saved.comment = "Net";
    saved.commandNumber = "247";
    saved.monthName = "July";
    saved.dayName = "Friday";
    saved.period = 4;
    saved.minutes = 5;
    saved.hour = 7;
    saved.dayOfMonth = 4;
    saved.amPm = 1;
    ScheduleEvent event;
    event.key = "Schedule02";
    restoreEventFields(event, saved);
    const auto fields = [](const ScheduleEvent& e) {
        return std::tie(e.comment, e.commandNumber, e.monthName, e.dayName, e.period, e.minutes,
                        e.hour, e.dayOfMonth, e.amPm);
    };
    EXPECT_TRUE(fields(event) == fields(saved));
    EXPECT_EQ(event.key, "Schedule02");

    saved.comment.reset(); // an absent comment comes back absent
    restoreEventFields(event, saved);
    EXPECT_EQ(event.comment, std::nullopt);
}

} // namespace
} // namespace merix
