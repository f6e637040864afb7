#pragma once

class QButtonGroup;

namespace merix {

// Shows a stored choice without running the group's handler: the button of `id` checked, or
// none at all for a value that has no button (a document may hold anything).
void checkQuietly(QButtonGroup* group, int id);

} // namespace merix
