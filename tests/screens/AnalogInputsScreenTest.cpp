#include "screens/AnalogInputsScreen.h"
#include "document/CatalogLoader.h"
#include "tests/screens/AccessibleTree.h"
#include "tests/screens/GeneratedCommandFile.h"
#include "tests/screens/ScreenTestFixture.h"
#include "tests/support/TempDir.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace merix {
namespace {

constexpr const char* kInputs = "MERIX inputs\r\n3\r\n"
                                "Analog1,Analog Input 1,1,1,Volts 0 to 20,2,0,20,Supply voltage\r\n"
                                "Analog2,Analog Input 2,2,2,Temperature,1,-40,150,Room\r\n"
                                "Digital1,Digital Input 1,17,0,On/Off,0,0,1,Door switch\r\n";
constexpr const char* kResolutions = "MERIX analog resolutions\r\n6\r\n"
                                     "Volts 0 to 20,0,20,2\r\n"
                                     "Temperature,-40,150,1\r\n"
                                     "Other,0,255,0\r\n"
                                     "Wide,-5000,5000,0\r\n"
                                     "Odd,0,500,2\r\n"
                                     "Huge,-20000,20000,0\r\n";

class AnalogInputsScreenTest : public test::ScreenTestFixture {
  protected:
    void SetUp() override {
        ScreenTestFixture::SetUp();
        test::writeWhole(folder.file("io.cfg"), kInputs);
        test::writeWhole(folder.file("resolutn.cfg"), kResolutions);
        ASSERT_TRUE(loadCatalogs(doc, prompter));
        doc.setAllRefreshFlags();
    }

    void open() { screen = openScreen<AnalogInputsScreen>(); }
    IoPoint& input(std::size_t i = 0) { return doc.ioPoints[i]; }
    QComboBox* decimals() const { return screen->decimalsList(); }
    QComboBox* resolution() const { return screen->resolutionList(); }

    static void retype(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }
    // Chosen as the user does: the list dropped down, the entry picked with Enter.
    static void choose(QComboBox* list, const QString& entry) {
        const int index = list->findText(entry);
        ASSERT_GE(index, 0) << entry.toStdString();
        list->showPopup();
        QAbstractItemView* view = list->view();
        view->setCurrentIndex(view->model()->index(index, 0));
        QTest::keyClick(view, Qt::Key_Return);
        EXPECT_FALSE(view->isVisible());
    }

    std::unique_ptr<AnalogInputsScreen> screen;
};

TEST_F(AnalogInputsScreenTest, OpensOnTheFirstInputWithTheResolutionsOfTheCatalog) {
    open();
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Analog Inputs"));
    ASSERT_EQ(screen->inputList()->count(), 3);
    EXPECT_EQ(screen->inputList()->item(2)->text(), QStringLiteral("Digital Input 1"));
    EXPECT_EQ(screen->inputList()->currentRow(), 0);
    EXPECT_EQ(screen->labelLine()->text(), QStringLiteral("Analog Input 1"));
    ASSERT_EQ(resolution()->count(), 6);
    EXPECT_EQ(resolution()->itemText(2), QStringLiteral("Other"));
    EXPECT_EQ(resolution()->currentText(), QStringLiteral("Volts 0 to 20"));
    ASSERT_EQ(decimals()->count(), 4);
    EXPECT_EQ(decimals()->itemText(3), QStringLiteral("3"));
    EXPECT_EQ(decimals()->currentText(), QStringLiteral("2"));
    EXPECT_EQ(screen->lowField()->text(), QStringLiteral("0"));
    EXPECT_EQ(screen->highField()->text(), QStringLiteral("20"));
    EXPECT_EQ(screen->descriptionField()->toPlainText(), QStringLiteral("Supply voltage"));
    EXPECT_FALSE(doc.refreshFlag(ScreenId::InputsOutputs));
    EXPECT_TRUE(doc.refreshFlag(ScreenId::Commands));
    EXPECT_EQ(busy.depth, 0);
    EXPECT_GT(busy.shown, 0);
    EXPECT_TRUE(prompter.boxes.empty());

    input(1).resolution.clear(); // a document may leave it empty
    screen->inputList()->setCurrentRow(1);
    EXPECT_EQ(resolution()->currentText(), QStringLiteral("Other"));
    EXPECT_EQ(screen->lowField()->text(), QStringLiteral("-40"));
    EXPECT_EQ(decimals()->currentText(), QStringLiteral("1"));
    EXPECT_TRUE(input(1).resolution.empty()); // shown, not stored
}

TEST_F(AnalogInputsScreenTest, RangeFieldsTakeMinus9999To9999AsTyped) {
    const std::string outOfRange = " does not fall into the specified range (-9999 to 9999).";
    const struct {
        bool low;
        const char* typed;
        const char* field;
        int stored;
        std::vector<std::string> messages;
    } cases[] = {
        {true, "-9999", "-9999", -9999, {}},
        {false, "9999", "9999", 9999, {}},
        {true,
         "-10000",
         "-1000",
         -1000,
         {"The entered number for the minimum -10000" + outOfRange}},
        {false, "10000", "1000", 1000, {"The entered number for the maximum 10000" + outOfRange}},
        {true, "1x2", "12", 12, {}},
        {true, "5-", "5", 5, {}},
        {false, "-", "-", 0, {}},
        {false, "", "", 0, {}},
    };
    input(0).decimals = 0;
    open();
    for (const auto& c : cases) {
        prompter.boxes.clear();
        QLineEdit* field = c.low ? screen->lowField() : screen->highField();
        retype(field, QString::fromUtf8(c.typed));
        EXPECT_EQ(field->text().toStdString(), c.field) << c.typed;
        EXPECT_EQ(c.low ? input(0).rangeLow : input(0).rangeHigh, c.stored) << c.typed;
        EXPECT_EQ(prompter.texts(), c.messages) << c.typed;
    }
    // The letter goes where it was typed, and the caret stays there.
    retype(screen->lowField(), QStringLiteral("15"));
    screen->lowField()->setCursorPosition(1);
    QTest::keyClicks(screen->lowField(), QStringLiteral("-"));
    EXPECT_EQ(screen->lowField()->text(), QStringLiteral("15"));
    EXPECT_EQ(screen->lowField()->cursorPosition(), 1);
}

TEST_F(AnalogInputsScreenTest, ChosenDecimalsMustLeaveBothEndsWithinFourDigits) {
    input(0).decimals = 0;
    input(0).rangeLow = -50;
    input(0).rangeHigh = 150;
    open();
    choose(decimals(), QStringLiteral("2"));
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"The entered number of decimals 2 is too large for the "
                                       "maximum 150 to fit in the range (-9999 to 9999)."});
    EXPECT_EQ(decimals()->currentText(), QStringLiteral("0"));
    EXPECT_EQ(input(0).decimals, 0);

    choose(decimals(), QStringLiteral("1"));
    EXPECT_EQ(input(0).decimals, 1);
    EXPECT_EQ(prompter.boxes.size(), 1u);

    input(0).decimals = 0;
    input(0).rangeLow = -1000;
    input(0).rangeHigh = 5;
    screen->inputList()->setCurrentRow(1);
    screen->inputList()->setCurrentRow(0);
    choose(decimals(), QStringLiteral("1"));
    EXPECT_EQ(prompter.texts().back(), "The entered number of decimals 1 is too large for the "
                                       "minimum -1000 to fit in the range (-9999 to 9999).");
    EXPECT_EQ(decimals()->currentText(), QStringLiteral("0"));
}

TEST_F(AnalogInputsScreenTest, AnEndTooLargeForTheDecimalsSetsThemToZero) {
    open(); // decimals 2
    retype(screen->highField(), QStringLiteral("100"));
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"The entered number of decimals 2 is too large for the "
                                       "entered maximum 100 to fit in the range (-9999 to "
                                       "9999).  Setting number of decimals to 0."});
    EXPECT_EQ(input(0).rangeHigh, 100);
    EXPECT_EQ(input(0).decimals, 0);
    EXPECT_EQ(decimals()->currentText(), QStringLiteral("0"));
}

TEST_F(AnalogInputsScreenTest, AResolutionSetsDecimalsAndRangeWithoutTheDecimalsWarning) {
    open();
    choose(resolution(), QStringLiteral("Wide"));
    EXPECT_EQ(input(0).resolution, "Wide");
    EXPECT_EQ(input(0).decimals, 0);
    EXPECT_EQ(input(0).rangeLow, -5000);
    EXPECT_EQ(input(0).rangeHigh, 5000);
    EXPECT_EQ(screen->lowField()->text(), QStringLiteral("-5000"));
    EXPECT_EQ(decimals()->currentText(), QStringLiteral("0"));

    // 500 with two decimals does not fit, but a resolution's own decimals hold.
    choose(resolution(), QStringLiteral("Odd"));
    EXPECT_EQ(input(0).resolution, "Odd");
    EXPECT_EQ(input(0).decimals, 2);
    EXPECT_EQ(input(0).rangeHigh, 500);
    EXPECT_TRUE(prompter.boxes.empty());

    // Choosing the resolution the input has changes nothing.
    retype(screen->highField(), QStringLiteral("7"));
    choose(resolution(), QStringLiteral("Odd"));
    EXPECT_EQ(input(0).rangeHigh, 7);

    // Ends beyond four digits are refused by the fields' own rule.
    choose(resolution(), QStringLiteral("Huge"));
    EXPECT_EQ(input(0).resolution, "Huge");
    EXPECT_EQ(input(0).rangeLow, 0);
    EXPECT_EQ(input(0).rangeHigh, 7);
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{"The entered number for the minimum -20000 does not "
                                        "fall into the specified range (-9999 to 9999).",
                                        "The entered number for the maximum 20000 does not fall "
                                        "into the specified range (-9999 to 9999)."}));
    EXPECT_EQ(screen->highField()->text(), QStringLiteral("7"));
}

TEST_F(AnalogInputsScreenTest, TheDescriptionLosesItsColonAndStopsAt1500Characters) {
    open();
    QPlainTextEdit* field = screen->descriptionField();
    field->setFocus();
    field->moveCursor(QTextCursor::End);
    QTest::keyClicks(field, QStringLiteral(": 12;V"));
    EXPECT_EQ(field->toPlainText(), QStringLiteral("Supply voltage 12V"));
    EXPECT_EQ(input(0).description, "Supply voltage 12V");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(input(0).description, "Supply voltage 12V"); // one line in the document
    EXPECT_TRUE(prompter.boxes.empty());

    field->setPlainText(QString(1499, QLatin1Char('x')));
    field->moveCursor(QTextCursor::End);
    QTest::keyClicks(field, QStringLiteral("yz"));
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"The description edit is limited to 1500 characters."});
    EXPECT_EQ(field->toPlainText(), QString(1499, QLatin1Char('x')) + QLatin1Char('y'));
    EXPECT_EQ(input(0).description.size(), 1500u);
}

TEST_F(AnalogInputsScreenTest, CancelPutsBackOnlyTheCurrentInput) {
    open();
    retype(screen->lowField(), QStringLiteral("3"));
    screen->inputList()->setCurrentRow(1);
    choose(resolution(), QStringLiteral("Wide"));
    retype(screen->highField(), QStringLiteral("99"));
    screen->descriptionField()->setPlainText(QStringLiteral("changed"));
    ASSERT_EQ(input(1).description, "changed");

    QTest::mouseClick(screen->cancelButton(), Qt::LeftButton);
    EXPECT_EQ(input(1).resolution, "Temperature");
    EXPECT_EQ(input(1).decimals, 1);
    EXPECT_EQ(input(1).rangeLow, -40);
    EXPECT_EQ(input(1).rangeHigh, 150);
    EXPECT_EQ(input(1).description, "Room");
    EXPECT_EQ(input(0).rangeLow, 3); // edited before the selection moved on
    ASSERT_EQ(closed->count(), 1);
    EXPECT_FALSE(closed->at(0).at(1).toBool());
}

TEST_F(AnalogInputsScreenTest, PointerOverTheScreenShowsAReplacedDocument) {
    open();
    screen->inputList()->setCurrentRow(1);
    input(1).rangeHigh = 120;
    input(1).description = "Shack";
    doc.setAllRefreshFlags();

    QTest::mouseMove(screen.get(), QPoint(10, 10));
    QTest::mouseMove(screen.get(), QPoint(12, 14));
    EXPECT_FALSE(doc.refreshFlag(ScreenId::InputsOutputs));
    EXPECT_EQ(screen->inputList()->currentRow(), 1);
    EXPECT_EQ(screen->highField()->text(), QStringLiteral("120"));
    EXPECT_EQ(screen->descriptionField()->toPlainText(), QStringLiteral("Shack"));

    retype(screen->highField(), QStringLiteral("1"));
    QTest::mouseClick(screen->cancelButton(), Qt::LeftButton);
    EXPECT_EQ(input(1).rangeHigh, 120); // the refreshed value is what Cancel restores
}

TEST_F(AnalogInputsScreenTest, MissingCatalogsLoseNoInputAndSaySoInTheStatusBar) {
    std::filesystem::remove(folder.file("resolutn.cfg"));
    test::writeWhole(folder.file("io.cfg"), "MERIX inputs\r\n3\r\n"
                                            "Analog1,Analog Input 1,1,1,Volts,2,0,20,Supply\r\n");
    open();
    EXPECT_EQ(statusLines,
              std::vector<std::string>{
                  "io.cfg describes 1 of the 3 entries of the document; the others are shown "
                  "without names and descriptions.  Unable to read resolutn.cfg in the catalog "
                  "folder; the Resolution list is empty."});
    ASSERT_EQ(screen->inputList()->count(), 3);
    EXPECT_EQ(resolution()->count(), 0);
    screen->inputList()->setCurrentRow(2);
    EXPECT_EQ(screen->labelLine()->text(), QString());
    retype(screen->highField(), QStringLiteral("2"));
    EXPECT_EQ(input(2).rangeHigh, 2);
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(AnalogInputsScreenTest, EveryControlIsFoundByItsCaption) {
    open();
    const std::pair<const char*, QWidget*> controls[] = {
        {"&Commands:", screen->inputList()},
        {"&Description:", screen->descriptionField()},
        {"&Resolution:", screen->resolutionList()},
        {"De&cimals:", screen->decimalsList()},
        {"&Range", screen->lowField()},
        {"to", screen->highField()},
        {"Cancel", screen->cancelButton()},
        {"&OK", screen->okButton()},
    };
    for (const auto& [caption, widget] : controls)
        EXPECT_EQ(test::findByCaption(screen.get(), QString::fromUtf8(caption)), widget) << caption;
}

TEST_F(AnalogInputsScreenTest, AnEditReachesTheCommandFile) {
    input(0).decimals = 0;
    open();
    retype(screen->lowField(), QStringLiteral("-50"));
    retype(screen->highField(), QStringLiteral("150"));
    choose(decimals(), QStringLiteral("1"));
    QTest::mouseClick(screen->okButton(), Qt::LeftButton);

    const std::string file = test::generatedCommandFile(doc, folder.path(), prompter);
    EXPECT_NE(file.find("N101 1 1 1;set number of decimals for analog input 1 I/O 1 to 1\r\n"),
              std::string::npos)
        << file;
    EXPECT_NE(file.find("N102 1 1 0 0050 1 0150;set the conversion ratio for analog input 1 I/O "
                        "1 to -50 - 150"),
              std::string::npos);
}

} // namespace
} // namespace merix
