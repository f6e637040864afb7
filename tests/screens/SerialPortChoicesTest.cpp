#include "screens/PortMapSettings.h"
#include "screens/SerialDeviceChoices.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace merix {
namespace {

namespace fs = std::filesystem;

class SerialPortChoices : public ::testing::Test {
  protected:
    SerialPortChoices() {
        root = dir.path().toStdString();
        fs::create_directories(root + "/dev/serial/by-id");
        fs::create_directories(root + "/sys");
    }

    // A tty as the kernel shows it: a node in /dev and its class entry (type 0: no UART).
    void tty(const std::string& name, int type = 4) {
        std::ofstream(root + "/dev/" + name) << "";
        fs::create_directories(root + "/sys/" + name);
        std::ofstream(root + "/sys/" + name + "/type") << type;
    }

    std::vector<SerialDeviceChoice> choices() const {
        return serialDeviceChoices(root + "/dev/serial/by-id", root + "/sys", root + "/dev");
    }

    QTemporaryDir dir;
    std::string root;
};

TEST_F(SerialPortChoices, StableNamesComeFirstWithTheDeviceTheyStandFor) {
    tty("ttyUSB0");
    tty("ttyS0");
    tty("ttyS1", 0); // a node without a port behind it
    fs::create_symlink("../../ttyUSB0", root + "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0");
    fs::create_symlink("../../ttyUSB7", root + "/dev/serial/by-id/usb-gone-if00-port0");

    const auto found = choices();
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].path, root + "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0");
    EXPECT_EQ(found[0].currentDevice, fs::canonical(root + "/dev/ttyUSB0").string());
    EXPECT_EQ(found[1].path, root + "/dev/ttyS0");
    EXPECT_EQ(found[2].path, root + "/dev/ttyUSB0");
    EXPECT_TRUE(found[2].currentDevice.empty());
}

TEST_F(SerialPortChoices, NoByIdFolderStillListsTheKernelNames) {
    fs::remove_all(root + "/dev/serial");
    tty("ttyACM0");
    const auto found = choices();
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].path, root + "/dev/ttyACM0");
}

TEST(PortMapProfile, KeepsTheDevicesAndDefaultsTheRest) {
    QTemporaryDir profile;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, profile.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, profile.path());

    EXPECT_EQ(loadPortMap().device(0), "/dev/ttyS0");
    EXPECT_EQ(loadPortMap().device(3), "/dev/ttyS3");

    PortMap ports;
    ports.setDevice(1, "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0");
    savePortMap(ports);
    const PortMap back = loadPortMap();
    EXPECT_EQ(back.device(0), "/dev/ttyS0");
    EXPECT_EQ(back.device(1), "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0");
    EXPECT_EQ(back.deviceFor("COM2"), "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0");
}

} // namespace
} // namespace merix
