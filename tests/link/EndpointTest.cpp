#include "link/Endpoint.h"
#include "link/Rfc2217SerialPort.h"
#include "link/SerialPortFactory.h"
#include "link/TcpSerialPort.h"
#include "link/TermiosSerialPort.h"

#include <gtest/gtest.h>

namespace merix {
namespace {

using Kind = Endpoint::Kind;

TEST(Endpoint, TheFormsATextCanTake) {
    struct Case {
        const char* text;
        Kind kind;
        const char* pathOrHost;
        int port;
        const char* written; // as text() gives it back
    };
    for (const Case& c : {
             Case{"/dev/ttyUSB0", Kind::Device, "/dev/ttyUSB0", 0, "/dev/ttyUSB0"},
             {"/dev/serial/by-id/usb-FTDI_FT232R-if00-port0", Kind::Device,
              "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0", 0,
              "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0"},
             {"ttyS0", Kind::Device, "ttyS0", 0, "ttyS0"},
             {"/tmp/odd:name", Kind::Device, "/tmp/odd:name", 0, "/tmp/odd:name"},
             {"/tmp/a b://c", Kind::Device, "/tmp/a b://c", 0, "/tmp/a b://c"},
             {"tcp://site-a.example.org:2001", Kind::Tcp, "site-a.example.org", 2001,
              "tcp://site-a.example.org:2001"},
             {"TCP://10.0.0.5:4001/", Kind::Tcp, "10.0.0.5", 4001, "tcp://10.0.0.5:4001"},
             {"rfc2217://127.0.0.1:65535", Kind::Rfc2217, "127.0.0.1", 65535,
              "rfc2217://127.0.0.1:65535"},
             {"rfc2217://[::1]:2002", Kind::Rfc2217, "::1", 2002, "rfc2217://[::1]:2002"},
             {"tcp://[fe80::1%eth0]:1", Kind::Tcp, "fe80::1%eth0", 1, "tcp://[fe80::1%eth0]:1"},
             {"tcp://my_box:07", Kind::Tcp, "my_box", 7, "tcp://my_box:7"},
         }) {
        SCOPED_TRACE(c.text);
        const ParsedEndpoint parsed = parseEndpoint(c.text);
        ASSERT_TRUE(parsed.endpoint) << parsed.error;
        EXPECT_EQ(parsed.error, "");
        EXPECT_EQ(parsed.endpoint->kind, c.kind);
        EXPECT_EQ(c.kind == Kind::Device ? parsed.endpoint->path : parsed.endpoint->host,
                  c.pathOrHost);
        EXPECT_EQ(parsed.endpoint->port, c.port);
        EXPECT_EQ(parsed.endpoint->text(), c.written);
        EXPECT_EQ(parseEndpoint(parsed.endpoint->text()).endpoint, parsed.endpoint);
    }
}

TEST(Endpoint, AMalformedOneSaysWhatIsWrong) {
    struct Case {
        const char* text;
        const char* error;
    };
    for (const Case& c : {
             Case{"", "No device or network port is given: give a device path, tcp://host:port or "
                      "rfc2217://host:port."},
             {"udp://h:1", "udp://h:1: unknown kind of port \"udp://\"; give a device path, "
                           "tcp://host:port or rfc2217://host:port."},
             {"telnet://h:23", "telnet://h:23: unknown kind of port \"telnet://\"; give a device "
                               "path, tcp://host:port or rfc2217://host:port."},
             {"tcp://site", "tcp://site has no port number: write it as in tcp://host:2000."},
             {"tcp://", "tcp:// has no port number: write it as in tcp://host:2000."},
             {"RFC2217://site",
              "RFC2217://site has no port number: write it as in rfc2217://host:2000."},
             {"rfc2217://::1:2",
              "rfc2217://::1:2: put an IPv6 address in brackets, as in rfc2217://[::1]:2000."},
             {"tcp://:2000", "tcp://:2000 has no host name."},
             {"tcp://site:", "tcp://site:: the port must be a number from 1 to 65535."},
             {"tcp://site:0", "tcp://site:0: the port must be a number from 1 to 65535."},
             {"tcp://site:65536", "tcp://site:65536: the port must be a number from 1 to 65535."},
             {"tcp://site:20x1", "tcp://site:20x1: the port must be a number from 1 to 65535."},
             {"tcp://site:2001/path",
              "tcp://site:2001/path: the port must be a number from 1 to 65535."},
             {"tcp://site:+21", "tcp://site:+21: the port must be a number from 1 to 65535."},
             {"tcp://::1:2000",
              "tcp://::1:2000: put an IPv6 address in brackets, as in tcp://[::1]:2000."},
             {"rfc2217://[::1:2000",
              "rfc2217://[::1:2000: the IPv6 address has no closing bracket."},
             {"rfc2217://[::1]",
              "rfc2217://[::1] has no port number: write it as in rfc2217://[::1]:2000."},
             {"rfc2217://[::1]2000",
              "rfc2217://[::1]2000 has no port number: write it as in rfc2217://[::1]:2000."},
             {"tcp://[site]:1", "tcp://[site]:1: [site] is not an IPv6 address."},
             {"tcp://user@site:1",
              "tcp://user@site:1: \"user@site\" is not a host name or address."},
             {"tcp://si te:1", "tcp://si te:1: \"si te\" is not a host name or address."},
         }) {
        SCOPED_TRACE(c.text);
        const ParsedEndpoint parsed = parseEndpoint(c.text);
        EXPECT_FALSE(parsed.endpoint);
        EXPECT_EQ(parsed.error, c.error);
    }
}

TEST(SerialPortFactory, EachKindOfEndpointGetsItsPort) {
    const auto make = [](const char* text) {
        return makeSerialPort(*parseEndpoint(text).endpoint);
    };
    EXPECT_TRUE(dynamic_cast<TermiosSerialPort*>(make("/dev/ttyUSB0").get()));
    EXPECT_TRUE(dynamic_cast<TcpSerialPort*>(make("tcp://h:1").get()));
    EXPECT_TRUE(dynamic_cast<Rfc2217SerialPort*>(make("rfc2217://h:1").get()));
}

} // namespace
} // namespace merix
