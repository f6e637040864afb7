#include "link/TermiosSerialPort.h"
#include "sim/PseudoTerminal.h"
#include "tests/support/TempDir.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <termios.h>
#include <unistd.h>

namespace merix {
namespace {

termios attributesOf(const std::string& device)
{
    termios t{};
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    EXPECT_GE(fd, 0);
    EXPECT_EQ(::tcgetattr(fd, &t), 0);
    ::close(fd);
    return t;
}

PortConfig config(LineSettings line, int timeoutMs = 100) {
    PortConfig c;
    c.line = line;
    c.readTimeoutMs = c.writeTimeoutMs = timeoutMs;
    return c;
}

TEST(TermiosSerialPort, ConfigureMakesTheLineRawAndCloseRestoresIt)
{
    sim::PseudoTerminal pty;
    ASSERT_TRUE(pty.ok());
    {
        const int fd = ::open(pty.devicePath().c_str(), O_RDWR | O_NOCTTY);
        termios cooked{};
        ::tcgetattr(fd, &cooked);
        cooked.c_lflag |= ICANON | ECHO;
        cooked.c_iflag |= ICRNL | IXON;
        cooked.c_oflag |= OPOST;
        cooked.c_cflag &= ~static_cast<tcflag_t>(CLOCAL);
        ::tcsetattr(fd, TCSANOW, &cooked);
        ::close(fd);
    }
    TermiosSerialPort port;
    ASSERT_TRUE(port.open(pty.devicePath()).ok());
    ASSERT_EQ(port.configure(config({2400, 8, Parity::None, 1})), ConfigureResult::Ok);
    termios t = attributesOf(pty.devicePath());
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(t.c_iflag & (ICRNL | INLCR | IGNCR | IXON | IXOFF), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);
    EXPECT_EQ(t.c_cflag & (CSIZE | PARENB | CSTOPB | CLOCAL), CS8 | CLOCAL);
    EXPECT_EQ(cfgetospeed(&t), B2400);
    EXPECT_EQ(cfgetispeed(&t), B2400);

    port.close();
    t = attributesOf(pty.devicePath());
    EXPECT_NE(t.c_lflag & ICANON, 0u);
    EXPECT_EQ(t.c_cflag & CLOCAL, 0u);
}

TEST(TermiosSerialPort, TheTwoConfigureFailuresAndOpenFailures)
{
    sim::PseudoTerminal pty;
    TermiosSerialPort port;
    ASSERT_TRUE(port.open(pty.devicePath()).ok());
    EXPECT_EQ(port.configure(config({0, 8, Parity::None, 1})), ConfigureResult::BadSettings);
    EXPECT_EQ(port.configure(config({9600, 9, Parity::None, 1})), ConfigureResult::BadSettings);
    EXPECT_EQ(port.configure(config({12345, 8, Parity::None, 1})), ConfigureResult::CannotApply);

    TermiosSerialPort second;
    EXPECT_EQ(second.open(pty.devicePath()).error, OpenError::Busy);
    port.close();
    EXPECT_TRUE(second.open(pty.devicePath()).ok());

    test::TempDir dir;
    test::writeWhole(dir.file("plain"), "x");
    EXPECT_EQ(second.open(dir.file("missing")).error, OpenError::NoSuchDevice);
    EXPECT_EQ(second.open(dir.file("plain")).error, OpenError::NotASerialDevice);
    EXPECT_FALSE(second.isOpen());
}

TEST(TermiosSerialPort, ReadsWhatArrivedAndTimesOutEmpty)
{
    sim::PseudoTerminal pty;
    TermiosSerialPort port;
    ASSERT_TRUE(port.open(pty.devicePath()).ok());
    ASSERT_EQ(port.configure(config({9600, 8, Parity::None, 1}, 50)), ConfigureResult::Ok);
    char buffer[8];
    Transfer r = port.read(buffer, sizeof buffer);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.count, 0u);

    ASSERT_EQ(::write(pty.master(), "DTMF>\r\nmore", 11), 11);
    r = port.read(buffer, sizeof buffer);
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.count, 8u);
    EXPECT_EQ(std::string(buffer, 8), "DTMF>\r\nm");

    // Purge drops what is still waiting.
    port.purge();
    r = port.read(buffer, sizeof buffer);
    EXPECT_EQ(r.count, 0u);

    const Transfer w = port.write("N1\r");
    EXPECT_TRUE(w.ok);
    EXPECT_EQ(w.count, 3u);
    char got[3];
    ASSERT_EQ(::read(pty.master(), got, 3), 3);
    EXPECT_EQ(std::string(got, 3), "N1\r");
}

TEST(TermiosSerialPort, WriteStalledByTheFarEndGivesUpInsteadOfHanging)
{
    sim::PseudoTerminal pty; // nobody reads the far end, so the line fills up
    TermiosSerialPort port;
    ASSERT_TRUE(port.open(pty.devicePath()).ok());
    ASSERT_EQ(port.configure(config({9600, 8, Parity::None, 1}, 50)), ConfigureResult::Ok);
    const std::string block(1 << 20, 'x');
    const Transfer w = port.write(block);
    EXPECT_TRUE(w.ok);
    EXPECT_GT(w.count, 0u);
    EXPECT_LT(w.count, block.size());
}

} // namespace
} // namespace merix
