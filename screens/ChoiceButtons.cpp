#include "screens/ChoiceButtons.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QSignalBlocker>

namespace merix {

void checkQuietly(QButtonGroup* group, int id) {
    const QSignalBlocker block(group);
    if (QAbstractButton* button = group->button(id)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group never lets its last button go by itself.
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons())
        button->setChecked(false);
    group->setExclusive(true);
}

} // namespace merix
