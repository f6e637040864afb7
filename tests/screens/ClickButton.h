#pragma once

#include <QAbstractButton>
#include <QTest>

namespace merix::test {

// Clicks a check box or radio button on its indicator: a layout may make the widget much wider
// than its indicator and text, and a click beside them does nothing, as for the user.
inline void clickBox(QAbstractButton* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->height() / 2, box->height() / 2));
}

} // namespace merix::test
