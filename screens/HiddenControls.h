#pragma once

#include <QSizePolicy>
#include <QWidget>

namespace merix {

// A control that keeps its place in the layout while it is hidden, so that showing and hiding
// controls by the chosen mode never moves the others about.
inline void keepPlaceWhenHidden(QWidget* control) {
    QSizePolicy policy = control->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    control->setSizePolicy(policy);
}

} // namespace merix
