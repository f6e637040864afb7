#include "screens/AutopatchScreen.h"
#include "screens/PagingScreen.h"
#include "tests/screens/AccessibleTree.h"
#include "tests/screens/ClickButton.h"
#include "tests/screens/ScreenTestFixture.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace merix {
namespace {

const std::string kTooLong = "The Autodial Number must be eighteen characters or less.";

// The screens opened for the one user of the test catalogs, as the Users screen opens them
// (modal there; shown here so the test can type into them).
class AutopatchScreenTest : public test::ScreenTestFixture {
  protected:
    template <typename Screen> std::unique_ptr<Screen> show() {
        auto screen = std::make_unique<Screen>(doc, prompter, 0, nullptr);
        screen->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(screen.get()));
        return screen;
    }

    static void retype(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }

    UserEntry& user() { return doc.users[0]; }
};

TEST_F(AutopatchScreenTest, OpensOnTheStoredValuesAndSelectsListsByTheirBeginning) {
    user().autodialNumber = "555-1212";
    user().autodialReadbackType = "NO READBACK";
    user().normalReadbackType = "polite readback/dial only if not";
    user().patchPrivacyType = "";
    user().sendPredialDigits = 1;
    const auto screen = show<AutopatchScreen>();
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Autopatch"));
    EXPECT_TRUE(screen->isModal());
    EXPECT_EQ(screen->autodialField()->text(), QStringLiteral("555-1212"));
    EXPECT_EQ(screen->downCodeField()->text(), QStringLiteral("#"));
    EXPECT_EQ(screen->autodialReadbackList()->currentIndex(), 0);
    EXPECT_EQ(screen->normalReadbackList()->currentIndex(), 4);
    EXPECT_EQ(screen->privacyList()->currentIndex(), -1); // nothing stored, nothing chosen
    ASSERT_EQ(screen->privacyList()->count(), 3);
    EXPECT_EQ(screen->privacyList()->itemText(2), QStringLiteral("cover tone"));
    EXPECT_TRUE(screen->predialBox()->isChecked());
    EXPECT_TRUE(screen->timeOutBox()->isChecked());
    // Showing the stored values changes none of them.
    EXPECT_EQ(user().autodialReadbackType, "NO READBACK");
    EXPECT_EQ(user().patchPrivacyType, "");
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(AutopatchScreenTest, AutodialNumberTakesEighteenDtmfCharactersBesidesSeparators) {
    const auto screen = show<AutopatchScreen>();
    QLineEdit* field = screen->autodialField();
    retype(field, QStringLiteral("(123) 456-7890 12345678"));
    EXPECT_TRUE(prompter.boxes.empty());
    EXPECT_EQ(user().autodialNumber, "(123) 456-7890 12345678");
    QTest::keyClicks(field, QStringLiteral("9"));
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{kTooLong});
    EXPECT_EQ(field->text(), QStringLiteral("(123) 456-7890 12345678"));
    EXPECT_EQ(user().autodialNumber, "(123) 456-7890 12345678");
}

TEST_F(AutopatchScreenTest, AutodialNumberRemovesStrangersAndRaisesAToD) {
    const auto screen = show<AutopatchScreen>();
    QLineEdit* field = screen->autodialField();
    retype(field, QStringLiteral("12"));
    field->setCursorPosition(1);
    QTest::keyClicks(field, QStringLiteral("e"));
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{
                  "e is an invalid character.  The Autodial Number must consist only of the "
                  "following characters. *#ABCD1234567890-( ) "});
    EXPECT_EQ(field->text(), QStringLiteral("12"));
    EXPECT_EQ(field->cursorPosition(), 2); // one past where it stood
    EXPECT_EQ(user().autodialNumber, "12");

    field->setCursorPosition(1);
    QTest::keyClicks(field, QStringLiteral("b"));
    EXPECT_EQ(field->text(), QStringLiteral("1B2"));
    EXPECT_EQ(field->cursorPosition(), 2);
    EXPECT_EQ(user().autodialNumber, "1B2");
    EXPECT_EQ(prompter.boxes.size(), 1u);

    retype(field, QString());
    EXPECT_EQ(user().autodialNumber, "");
}

TEST_F(AutopatchScreenTest, DownCodeIsThreeCharactersWithoutBlanks) {
    const auto screen = show<AutopatchScreen>();
    QLineEdit* field = screen->downCodeField();
    retype(field, QStringLiteral("*7"));
    field->setCursorPosition(1);
    QTest::keyClicks(field, QStringLiteral(" "));
    EXPECT_EQ(field->text(), QStringLiteral("*7"));
    EXPECT_EQ(field->cursorPosition(), 1);
    EXPECT_TRUE(prompter.boxes.empty());
    QTest::keyClicks(field, QStringLiteral(":3"));
    EXPECT_EQ(field->text(), QStringLiteral("*37"));
    QTest::keyClicks(field, QStringLiteral("9"));
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{
                                    "The Autopatch Down Code must be three characters or less."});
    EXPECT_EQ(field->text(), QStringLiteral("*39"));
    EXPECT_EQ(user().autopatchDownCode, "*39");
}

TEST_F(AutopatchScreenTest, ListsAndCheckBoxesStoreAtOnceAndCancelPutsBackAllSeven) {
    user().autodialNumber = "911";
    const UserEntry before = user();
    const auto screen = show<AutopatchScreen>();
    retype(screen->autodialField(), QStringLiteral("555"));
    retype(screen->downCodeField(), QStringLiteral("0"));
    screen->autodialReadbackList()->setCurrentIndex(1);
    screen->normalReadbackList()->setCurrentIndex(3);
    screen->privacyList()->setCurrentIndex(2);
    test::clickBox(screen->predialBox());
    test::clickBox(screen->timeOutBox());
    EXPECT_EQ(user().autodialReadbackType, "always readback/always dial");
    EXPECT_EQ(user().normalReadbackType, "polite readback/dial only if kerchunked");
    EXPECT_EQ(user().patchPrivacyType, "cover tone");
    EXPECT_EQ(user().sendPredialDigits, 1);
    EXPECT_EQ(user().patchTimeOutTimer, 0);
    user().name = "Changed elsewhere"; // not Autopatch's to put back

    QTest::keyClick(screen->privacyList(), Qt::Key_Escape);
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(screen->result(), QDialog::Rejected);
    EXPECT_EQ(user().autodialNumber, before.autodialNumber);
    EXPECT_EQ(user().autopatchDownCode, before.autopatchDownCode);
    EXPECT_EQ(user().autodialReadbackType, before.autodialReadbackType);
    EXPECT_EQ(user().normalReadbackType, before.normalReadbackType);
    EXPECT_EQ(user().patchPrivacyType, before.patchPrivacyType);
    EXPECT_EQ(user().sendPredialDigits, before.sendPredialDigits);
    EXPECT_EQ(user().patchTimeOutTimer, before.patchTimeOutTimer);
    EXPECT_EQ(user().name, "Changed elsewhere");
}

TEST_F(AutopatchScreenTest, OkKeepsTheChangesAndEnterDoesNothing) {
    const auto screen = show<AutopatchScreen>();
    retype(screen->autodialField(), QStringLiteral("5551212"));
    QTest::keyClick(screen->autodialField(), Qt::Key_Return);
    EXPECT_TRUE(screen->isVisible());
    QTest::mouseClick(screen->okButton(), Qt::LeftButton);
    EXPECT_EQ(screen->result(), QDialog::Accepted);
    EXPECT_EQ(user().autodialNumber, "5551212");
}

TEST_F(AutopatchScreenTest, PagingShowsNoneForAUserWithoutAPagerTypeAndKeepsItAbsent) {
    const auto screen = show<PagingScreen>();
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Paging"));
    QComboBox* type = screen->pagerTypeList();
    ASSERT_EQ(type->count(), 5);
    EXPECT_EQ(type->currentText(), QStringLiteral("none"));
    EXPECT_EQ(user().pagerType, "");

    type->setFocus();
    QTest::keyClick(type, Qt::Key_Up);
    EXPECT_EQ(user().pagerType, "voice");
    test::clickBox(screen->portBox(2));
    EXPECT_EQ(user().pagerPort2, 1);
    EXPECT_EQ(user().pagerPort1, 0);
    QTest::mouseClick(screen->cancelButton(), Qt::LeftButton);
    EXPECT_EQ(user().pagerType, "");
    EXPECT_EQ(user().pagerPort2, 0);

    // Choosing "none" itself is a choice.
    const auto again = show<PagingScreen>();
    again->pagerTypeList()->showPopup();
    QTest::keyClick(again->pagerTypeList()->view(), Qt::Key_Return);
    EXPECT_EQ(user().pagerType, "none");
}

TEST_F(AutopatchScreenTest, PagingSelectsTheStoredTypeByItsBeginning) {
    user().pagerType = "5/6";
    user().pagerPort1 = 1;
    const auto screen = show<PagingScreen>();
    EXPECT_EQ(screen->pagerTypeList()->currentText(), QStringLiteral("5/6 tone"));
    EXPECT_TRUE(screen->portBox(1)->isChecked());
    EXPECT_FALSE(screen->portBox(2)->isChecked());
}

TEST_F(AutopatchScreenTest, EveryControlIsFoundByItsCaption) {
    const auto autopatch = show<AutopatchScreen>();
    const std::pair<const char*, QWidget*> controls[] = {
        {"&Autodial #:", autopatch->autodialField()},
        {"Send &Predial Digits", autopatch->predialBox()},
        {"Au&todial # Readback Type:", autopatch->autodialReadbackList()},
        {"Nor&mal # Readback Type:", autopatch->normalReadbackList()},
        {"Patch P&rivacy Type:", autopatch->privacyList()},
        {"Patch T&ime Out Timer", autopatch->timeOutBox()},
        {"Autopatch &Down Code:", autopatch->downCodeField()},
        {"Cancel", autopatch->cancelButton()},
        {"OK", autopatch->okButton()},
    };
    for (const auto& [caption, widget] : controls)
        EXPECT_EQ(test::findByCaption(autopatch.get(), QString::fromUtf8(caption)), widget)
            << caption;

    const auto paging = show<PagingScreen>();
    const std::pair<const char*, QWidget*> pagingControls[] = {
        {"Pager T&ype:", paging->pagerTypeList()},
        {"Port &1", paging->portBox(1)},
        {"Port &2", paging->portBox(2)},
        {"Cancel", paging->cancelButton()},
        {"OK", paging->okButton()},
    };
    for (const auto& [caption, widget] : pagingControls)
        EXPECT_EQ(test::findByCaption(paging.get(), QString::fromUtf8(caption)), widget) << caption;
}

} // namespace
} // namespace merix
