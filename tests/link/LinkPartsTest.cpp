#include "link/CommandLines.h"
#include "link/LineSettings.h"
#include "link/PortMap.h"
#include "link/Response.h"
#include "link/SerialDevices.h"
#include "tests/support/TempDir.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>

namespace merix {
namespace {

using ::testing::ElementsAre;

std::vector<std::string> pieces(const std::string& text)
{
    std::istringstream in(text);
    CommandLineReader reader(in);
    std::vector<std::string> out;
    std::string piece;
    while (reader.next(piece))
        out.push_back(piece);
    return out;
}

TEST(CommandLines, TextModeLinesAndLongLinesInPieces)
{
    EXPECT_THAT(pieces("a\r\nb\n\r\n\nlast"), ElementsAre("a\n", "b\n", "\n", "\n", "last"));
    EXPECT_THAT(pieces("cr\ralone\r"), ElementsAre("cr\ralone\r"));
    EXPECT_THAT(pieces(""), ElementsAre());

    const std::string longLine(3000, 'x');
    EXPECT_THAT(pieces(longLine + "\r\nN1\n"),
                ElementsAre(std::string(1499, 'x'), std::string(1499, 'x'), "xx\n", "N1\n"));
    // A line of exactly one piece leaves its line feed for a piece of its own.
    EXPECT_THAT(pieces(std::string(1499, 'y') + "\n"), ElementsAre(std::string(1499, 'y'), "\n"));
}

TEST(CommandLines, PreparingALine)
{
    struct Case {
        const char* piece;
        bool strip;
        const char* sent;
    } cases[] = {
        {"\n", true, ""},
        {"\n", false, ""},
        {"N050 0;turn voice responses off\n", true, "N050 0\r"},
        {"N050 0;turn voice responses off\n", false, "N050 0;turn voice responses off\r"},
        {";of the generated command file here\n", true, ""},
        {";of the generated command file here\n", false, ";of the generated command file here\r"},
        {"   \n", true, "   \r"},
        {"N020 005 030 ;timer\n", true, "N020 005 030 \r"},
        {"  ;only a comment\n", true, "  \r"},
        {"N011 1", true, "N011 1\r"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.piece);
        EXPECT_EQ(prepareCommandLine(c.piece, c.strip), c.sent);
    }
}

TEST(Response, AwaitedTextsAreFoundAcrossReadsAndBeyondTheCapacity)
{
    Response r;
    r.append("DT", 2);
    EXPECT_FALSE(r.hasPrompt());
    r.append("MF>", 3);
    EXPECT_TRUE(r.hasPrompt());
    EXPECT_EQ(r.readCount(), 2);

    r.reset();
    EXPECT_TRUE(r.empty());
    r.append("N1\r\nO", 5);
    r.append("K\r\n", 3);
    const std::string noise(1000, 'z');
    r.append(noise.data(), noise.size());
    r.append(noise.data(), noise.size());
    r.append("CONN", 4);
    r.append("ECT 9600", 8);
    EXPECT_TRUE(r.hasOk());
    EXPECT_TRUE(r.hasConnect());
    EXPECT_FALSE(r.hasPrompt());
    EXPECT_EQ(r.text().size(), Response::kCapacity);
    EXPECT_EQ(r.text().substr(r.text().size() - 12), "CONNECT 9600");

    r.reset();
    r.append("O\0K", 3); // a NUL in the answer is dropped
    EXPECT_EQ(r.text(), "OK");
    EXPECT_TRUE(r.hasOk());
    r.append("", 0);
    EXPECT_EQ(r.readCount(), 1);
}

// The baud rate text of the upload settings, in the controller's framing; a text that is no
// whole positive number gives settings every port refuses.
TEST(LineSettings, FromTheUploadSettingsBaudRate) {
    struct Case {
        const char* text;
        long baud;
    };
    for (const Case& c : {Case{"9600", 9600},
                          {"300", 300},
                          {"19200", 19200},
                          {"12345", 12345},
                          {"", 0},
                          {"fast", 0},
                          {"9600x", 0},
                          {" 9600", 0},
                          {"-300", 0},
                          {"0", 0},
                          {"99999999999999999999", 0}}) {
        SCOPED_TRACE(c.text);
        const LineSettings s = controllerLineSettings(c.text);
        EXPECT_EQ(s, (LineSettings{c.baud, 8, Parity::None, 1}));
        EXPECT_EQ(isValid(s), c.baud > 0);
    }
    EXPECT_FALSE(isValid({9600, 4, Parity::None, 1}));
    EXPECT_FALSE(isValid({9600, 9, Parity::None, 1}));
    EXPECT_FALSE(isValid({9600, 8, Parity::Even, 3}));
    EXPECT_TRUE(isValid({9600, 7, Parity::Odd, 2}));
}

TEST(PortMap, ComNamesMapToDevices)
{
    PortMap map;
    EXPECT_EQ(map.deviceFor("COM1"), "/dev/ttyS0");
    EXPECT_EQ(map.deviceFor("COM4"), "/dev/ttyS3");
    EXPECT_EQ(map.deviceFor("COM5"), std::nullopt);
    EXPECT_EQ(map.deviceFor("com1"), std::nullopt);
    map.setDevice(1, "/dev/ttyUSB0");
    EXPECT_EQ(map.deviceFor("COM2"), "/dev/ttyUSB0");
    map.setDevice(2, "");
    EXPECT_EQ(map.deviceFor("COM3"), std::nullopt);
    EXPECT_EQ(comPortName(0), "COM1");
    EXPECT_EQ(comPortName(2147483647), "COM2147483648");
}

TEST(SerialDevices, PresentDevicesAndReasons)
{
    test::TempDir sys;
    test::TempDir dev;
    for (const char* name : {"ttyS0", "ttyS1", "ttyUSB0", "ttyACM3", "tty1", "ttyUSB9"})
        std::filesystem::create_directory(sys.file(name));
    test::writeWhole(sys.file("ttyS0/type"), "4\n");
    test::writeWhole(sys.file("ttyS1/type"), "0\n");
    for (const char* name : {"ttyS0", "ttyS1", "ttyUSB0", "ttyACM3", "tty1"})
        test::writeWhole(dev.file(name), "");
    const auto present = listSerialDevices(sys.path(), dev.path());
    EXPECT_THAT(present, ElementsAre(dev.file("ttyACM3"), dev.file("ttyS0"), dev.file("ttyUSB0")));

    EXPECT_EQ(openFailureReason({OpenError::NoSuchDevice, ENOENT}, "/dev/ttyUSB1", {"/dev/ttyS0", "/dev/ttyUSB0"}),
              "No such device /dev/ttyUSB1 (unplugged?).  Serial devices present: /dev/ttyS0, /dev/ttyUSB0.");
    EXPECT_EQ(openFailureReason({OpenError::NoSuchDevice, ENOENT}, "/dev/ttyUSB1", {}),
              "No such device /dev/ttyUSB1 (unplugged?).  No serial devices are present.");
    EXPECT_EQ(openFailureReason({OpenError::PermissionDenied, EACCES}, "/dev/ttyS0", {}),
              "Permission denied on /dev/ttyS0: your user is not in the dialout group (sudo usermod "
              "-aG dialout $USER, then log in again).");
    EXPECT_EQ(openFailureReason({OpenError::Busy, EBUSY}, "/dev/ttyS0", {}),
              "/dev/ttyS0 is busy: another program holds it.");
    EXPECT_EQ(openFailureReason({OpenError::NotASerialDevice, ENOTTY}, "/tmp/x", {}),
              "/tmp/x is not a serial device.");
    EXPECT_EQ(openFailureReason({OpenError::Other, EIO}, "/dev/ttyS0", {}),
              "/dev/ttyS0: Input/output error.");
}

} // namespace
} // namespace merix
