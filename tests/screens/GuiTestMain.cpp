#include "screens/AccessibleComboBox.h"

#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

// Real widgets on the offscreen platform unless a display is asked for explicitly.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    merix::installAccessibleComboBoxes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
