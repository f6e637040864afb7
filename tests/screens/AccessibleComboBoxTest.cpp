#include "screens/Captions.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

namespace merix {
namespace {

// The test main installs the drop-down lists' accessible interface, as the editor does.
TEST(AccessibleComboBox, NamedByItsCaptionWithTheEntryAsItsValue) {
    QWidget window;
    auto* label = new QLabel(QStringLiteral("Access &Mode:"));
    auto* box = new QComboBox;
    box->addItems({QStringLiteral("Open"), QStringLiteral("Closed")});
    box->setCurrentIndex(1);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(label);
    layout->addWidget(box);
    labelControl(label, box);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(box);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->role(), QAccessible::ComboBox);
    EXPECT_EQ(node->text(QAccessible::Name), QStringLiteral("Access Mode:"));
    EXPECT_EQ(node->text(QAccessible::Value), QStringLiteral("Closed"));
    ASSERT_EQ(node->childCount(), 1);
    EXPECT_EQ(node->child(0)->object(), box->view());

    // A tool opens the list through the interface's action.
    node->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    EXPECT_TRUE(QTest::qWaitFor([&] { return box->view()->isVisible(); }));
    box->hidePopup();
}

} // namespace
} // namespace merix
