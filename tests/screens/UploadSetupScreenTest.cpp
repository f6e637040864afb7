#include "screens/UploadSetupScreen.h"
#include "document/SideFiles.h"
#include "link/SideFileTemplates.h"
#include "tests/screens/UploadFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <filesystem>

namespace merix {
namespace {

namespace fs = std::filesystem;
using test::readFile;

const std::string kTooLong = "The Phone Number must be eleven digits or less.";

std::string invalidMessage(char c) {
    return std::string(1, c) +
           " is an invalid character.  The Phone Number must consist only of the following "
           "characters. 1234567890-( ) ";
}

class UploadSetupScreenTest : public test::UploadFixture {
  protected:
    void open() {
        screen = std::make_unique<UploadSetupScreen>(makeSession(), nullptr);
        screen->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(screen.get()));
    }

    void typePhone(const QString& keys) {
        screen->phoneField()->setFocus();
        QTest::keyClicks(screen->phoneField(), keys);
    }

    std::unique_ptr<UploadSetupScreen> screen;
};

TEST_F(UploadSetupScreenTest, ShowsTheRecord) {
    settings.connectionType = ConnectionType::Modem;
    settings.phoneNumber = "(555) 123-4567";
    settings.baudRate = "19200";
    settings.comPort = 2;
    settings.stripComments = 0;
    settings.uploadOption = UploadOption::Everything;
    settings.beforeFile = "/x/B.CMD";
    settings.uploadBefore = 0;
    settings.afterFile = "/x/A.CMD";
    mapPort(2, "/dev/ttyUSB3");
    open();
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Upload Setup"));
    EXPECT_TRUE(screen->connectionButton(ConnectionType::Modem)->isChecked());
    EXPECT_EQ(screen->phoneField()->text(), QStringLiteral("(555) 123-4567"));
    EXPECT_EQ(screen->baudList()->currentText(), QStringLiteral("19200"));
    EXPECT_EQ(screen->baudList()->count(), 7);
    EXPECT_TRUE(screen->portButton(2)->isChecked());
    EXPECT_EQ(screen->portButton(2)->text(), QStringLiteral("Port &3"));
    EXPECT_EQ(screen->deviceList(2)->currentText(), QStringLiteral("/dev/ttyUSB3"));
    EXPECT_EQ(screen->deviceList(0)->currentText(), QStringLiteral("/dev/ttyS0"));
    EXPECT_FALSE(screen->stripCommentsBox()->isChecked());
    EXPECT_TRUE(screen->optionButton(UploadOption::Everything)->isChecked());
    EXPECT_EQ(screen->beforeField()->text(), QStringLiteral("/x/B.CMD"));
    EXPECT_FALSE(screen->uploadBeforeBox()->isChecked());
    EXPECT_EQ(screen->afterField()->text(), QStringLiteral("/x/A.CMD"));
    EXPECT_TRUE(screen->uploadAfterBox()->isChecked());
    // Nothing was written for merely showing.
    EXPECT_EQ(uploadSettingsText(settings), uploadSettingsText(session->settings));
}

TEST_F(UploadSetupScreenTest, EveryChangeGoesThroughAndCancelPutsTheWholeRecordBack) {
    const std::string before = uploadSettingsText(settings);
    open();
    screen->connectionButton(ConnectionType::Modem)->click();
    EXPECT_EQ(settings.connectionType, ConnectionType::Modem);
    typePhone(QStringLiteral("555-1234"));
    EXPECT_EQ(settings.phoneNumber.str(), "555-1234");
    screen->baudList()->setCurrentIndex(2);
    EXPECT_EQ(settings.baudRate.str(), "1200");
    screen->portButton(3)->click();
    EXPECT_EQ(settings.comPort, 3);
    screen->stripCommentsBox()->click();
    EXPECT_EQ(settings.stripComments, 0);
    screen->optionButton(UploadOption::ChangesSinceInitialization)->click();
    EXPECT_EQ(settings.uploadOption, UploadOption::ChangesSinceInitialization);
    screen->beforeField()->setText(QString(120, u'b'));
    EXPECT_EQ(settings.beforeFile.str(), std::string(120, 'b')); // whole, not cut at 99
    screen->afterField()->clear();
    QTest::keyClicks(screen->afterField(), QStringLiteral("/tmp/A.CMD"));
    EXPECT_EQ(settings.afterFile.str(), "/tmp/A.CMD");
    screen->uploadBeforeBox()->click();
    screen->uploadAfterBox()->click();
    EXPECT_EQ(settings.uploadBefore, 0);
    EXPECT_EQ(settings.uploadAfter, 0);
    screen->deviceList(3)->setCurrentText(QStringLiteral("/dev/ttyACM0"));
    EXPECT_EQ(session->ports.device(3), "/dev/ttyACM0");

    screen->cancelButton()->click();
    EXPECT_EQ(screen->result(), QDialog::Rejected);
    EXPECT_EQ(uploadSettingsText(settings), before);
    EXPECT_EQ(session->ports.device(3), "/dev/ttyS3");
    EXPECT_FALSE(fs::exists(settingsFilePath(documentPath())));
    EXPECT_EQ(loadPortMap().device(3), "/dev/ttyS3");
}

TEST_F(UploadSetupScreenTest, EscapeIsCancel) {
    open();
    typePhone(QStringLiteral("911"));
    QTest::keyClick(screen.get(), Qt::Key_Escape);
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(settings.phoneNumber.str(), "");
}

TEST_F(UploadSetupScreenTest, ElevenDigitsInGroupsPassAndOneMoreIsRemovedWithItsMessage) {
    open();
    typePhone(QStringLiteral("1-(800)-555-1212"));
    EXPECT_TRUE(prompter.boxes.empty());
    EXPECT_EQ(settings.phoneNumber.str(), "1-(800)-555-1212");

    typePhone(QStringLiteral("3"));
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{kTooLong});
    EXPECT_EQ(screen->phoneField()->text(), QStringLiteral("1-(800)-555-1212"));
    EXPECT_EQ(settings.phoneNumber.str(), "1-(800)-555-1212");
}

TEST_F(UploadSetupScreenTest, AnInvalidCharacterIsNamedRemovedAndTheCaretSetBehindIt) {
    open();
    typePhone(QStringLiteral("5551"));
    screen->phoneField()->setCursorPosition(1);
    typePhone(QStringLiteral("x"));
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{invalidMessage('x')});
    EXPECT_EQ(screen->phoneField()->text(), QStringLiteral("5551"));
    EXPECT_EQ(screen->phoneField()->cursorPosition(), 2);
    // Letters never reach the record.
    EXPECT_EQ(settings.phoneNumber.str(), "5551");

    // A pasted text with two bad characters: each is named and removed in turn.
    prompter.boxes.clear();
    screen->phoneField()->setText(QStringLiteral("55a5b"));
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{invalidMessage('a'), invalidMessage('b')}));
    EXPECT_EQ(screen->phoneField()->text(), QStringLiteral("555"));
    EXPECT_EQ(settings.phoneNumber.str(), "555");
}

TEST_F(UploadSetupScreenTest,
       OkWritesTheSettingsFileAndTheProfileWithoutRegeneratingForTheSameOption) {
    open();
    screen->portButton(1)->click();
    screen->deviceList(1)->setCurrentText(QStringLiteral("/dev/serial/by-id/usb-adapter-port0"));
    fs::remove(commandFile);
    screen->okButton()->click();
    EXPECT_EQ(screen->result(), QDialog::Accepted);
    EXPECT_EQ(readFile(settingsFilePath(documentPath())), uploadSettingsText(settings));
    EXPECT_EQ(settings.comPort, 1);
    EXPECT_EQ(loadPortMap().device(1), "/dev/serial/by-id/usb-adapter-port0");
    EXPECT_FALSE(fs::exists(commandFile));
    EXPECT_EQ(session->commandFile, commandFile);
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(UploadSetupScreenTest, ANetworkEndpointIsKeptAsTypedAndAMistypedOneIsSaidOnOk) {
    open();
    QComboBox* device = screen->deviceList(1);
    EXPECT_TRUE(device->toolTip().contains(QStringLiteral("tcp://host:port")));
    EXPECT_TRUE(device->toolTip().contains(QStringLiteral("rfc2217://host:port")));
    screen->portButton(1)->click();
    device->lineEdit()->clear();
    QTest::keyClicks(device->lineEdit(), QStringLiteral("RFC2217://Site-3.example.org"));
    EXPECT_EQ(session->ports.device(1), "RFC2217://Site-3.example.org");

    // The port number is missing: OK says so, and the screen stays with the text selected.
    screen->okButton()->click();
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{"Port 2: RFC2217://Site-3.example.org has no port number: "
                                        "write it as in rfc2217://host:2000."}));
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(device->lineEdit()->selectedText(), device->currentText());
    EXPECT_FALSE(fs::exists(settingsFilePath(documentPath())));
    EXPECT_EQ(loadPortMap().device(1), "/dev/ttyS1");

    device->lineEdit()->end(false);
    QTest::keyClicks(device->lineEdit(), QStringLiteral(":2002"));
    screen->okButton()->click();
    EXPECT_EQ(screen->result(), QDialog::Accepted);
    EXPECT_EQ(prompter.boxes.size(), 1u);
    EXPECT_EQ(loadPortMap().device(1), "RFC2217://Site-3.example.org:2002");
    EXPECT_TRUE(fs::exists(settingsFilePath(documentPath())));
}

TEST_F(UploadSetupScreenTest, OkRegeneratesTheCommandFileWhenTheUploadOptionChanged) {
    open();
    screen->optionButton(UploadOption::Everything)->click();
    fs::remove(commandFile);
    screen->okButton()->click();
    EXPECT_TRUE(fs::exists(commandFile));
    EXPECT_EQ(session->commandFile, commandFile);
    // Everything: the timers are in it although nothing changed.
    EXPECT_NE(readFile(commandFile).find("N020"), std::string::npos);
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(UploadSetupScreenTest, AFailedRegenerationIsToldAndLeavesNoCommandFile) {
    open();
    screen->optionButton(UploadOption::ChangesSinceInitialization)->click();
    fs::remove(commandFile);
    fs::create_directory(commandFile); // nothing can be written in its place
    screen->okButton()->click();
    ASSERT_FALSE(prompter.boxes.empty());
    EXPECT_EQ(prompter.boxes.back().text, "Error in generating the command file.");
    EXPECT_TRUE(session->commandFile.empty());
}

TEST_F(UploadSetupScreenTest, EditMakesAMissingFileFromItsTemplateAndLeavesAnExistingOneAlone) {
    const std::string before = folder.file("MYBEFORE.CMD");
    open();
    screen->beforeField()->setText(QString::fromStdString(before));
    screen->beforeEditButton()->click();
    EXPECT_EQ(readFile(before), beforeFileTemplate());
    EXPECT_EQ(editor.opened, std::vector<std::string>{before});

    const std::string after = settings.afterFile.str();
    test::writeFile(after, "N050 01\r\n");
    screen->afterEditButton()->click();
    EXPECT_EQ(readFile(after), "N050 01\r\n");
    EXPECT_EQ(editor.opened.back(), after);
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(UploadSetupScreenTest, EditFailuresAreTold) {
    open();
    const std::string nowhere = folder.file("no/such/folder/B.CMD");
    screen->beforeField()->setText(QString::fromStdString(nowhere));
    screen->beforeEditButton()->click();
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Unable to open the file " + nowhere +
                                                         ".  Make sure you enter a valid path and "
                                                         "filename before editing."});
    EXPECT_TRUE(editor.opened.empty());

    prompter.boxes.clear();
    editor.starts = false;
    screen->afterEditButton()->click();
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Error in loading notepad"});
}

TEST_F(UploadSetupScreenTest, DeepPathsStayWholeThroughTheFieldsTheFileAndEdit) {
    // A before file well past a hundred characters deep, as a user's home folder gives.
    const std::string deep = folder.file(std::string(120, 'd') + "/" + std::string(120, 'e'));
    fs::create_directories(deep);
    const std::string before = deep + "/BEFORE.CMD";
    const std::string after = deep + "/AFTER.CMD";
    test::writeFile(before, "N050 0\r\n");
    open();
    screen->beforeField()->setText(QString::fromStdString(before));
    screen->afterField()->setText(QString::fromStdString(after));
    EXPECT_EQ(settings.beforeFile.str(), before);
    EXPECT_EQ(settings.afterFile.str(), after);
    screen->beforeEditButton()->click();
    EXPECT_EQ(editor.opened, std::vector<std::string>{before});
    EXPECT_EQ(readFile(before), "N050 0\r\n"); // the file there, not one at a cut path

    screen->okButton()->click();
    UploadSettings loaded;
    ASSERT_TRUE(loadUploadSettings(loaded, documentPath(), folder.path()));
    EXPECT_EQ(loaded.beforeFile.str(), before);
    EXPECT_EQ(loaded.afterFile.str(), after);
    EXPECT_TRUE(prompter.boxes.empty());
}

} // namespace
} // namespace merix
