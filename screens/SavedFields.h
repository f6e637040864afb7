#pragma once

namespace merix {

struct ScheduleEvent;
struct UserEntry;

// What Cancel puts back: the fields a screen edits, from a copy of the record taken when the
// screen showed it. The key and every field the screen does not edit stay as they are.

// The Users screen: every field it or its Autopatch and Paging screens edit.
void restoreUserFields(UserEntry& user, const UserEntry& saved);
// The Autopatch screen: the autodial number, the down code, the three list texts and the two
// check boxes.
void restoreAutopatchFields(UserEntry& user, const UserEntry& saved);
// The Paging screen: the pager type and the two ports.
void restorePagerFields(UserEntry& user, const UserEntry& saved);
// The Scheduler screen: every field of the event but its key.
void restoreEventFields(ScheduleEvent& event, const ScheduleEvent& saved);

} // namespace merix
