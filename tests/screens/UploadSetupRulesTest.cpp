#include "screens/UploadSetupRules.h"
#include "link/PortMap.h"

#include <QString>

#include <gtest/gtest.h>

#include <ostream>

namespace merix {
namespace {

using Verdict = PhoneNumberCheck::Verdict;

// Readable when a case fails.
std::string utf8(const std::u16string& s) {
    return QString::fromStdU16String(s).toStdString();
}

struct PhoneCase {
    const char16_t* typed;
    Verdict verdict;
    const char16_t* corrected;
    const char16_t* invalid;
    int caret;
};

// The typed text names a case in the test list.
void PrintTo(const PhoneCase& c, std::ostream* os) {
    *os << utf8(c.typed);
}

class PhoneNumberRuleTest : public ::testing::TestWithParam<PhoneCase> {};

TEST_P(PhoneNumberRuleTest, GivesTheVerdictTheTextAndTheCaret) {
    const PhoneCase& c = GetParam();
    const PhoneNumberCheck check = checkPhoneNumber(c.typed);
    EXPECT_EQ(check.verdict, c.verdict);
    EXPECT_EQ(utf8(check.corrected), utf8(c.corrected));
    if (c.verdict == Verdict::InvalidCharacter) {
        EXPECT_EQ(utf8(check.invalid), utf8(c.invalid));
        EXPECT_EQ(check.caret, c.caret);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, PhoneNumberRuleTest,
    ::testing::Values(
        PhoneCase{u"", Verdict::Accepted, u"", u"", 0},
        PhoneCase{u"5551234", Verdict::Accepted, u"5551234", u"", 0},
        // Separators are not counted: eleven digits in groups pass, one more does not.
        PhoneCase{u"1-(800)-555-1212", Verdict::Accepted, u"1-(800)-555-1212", u"", 0},
        PhoneCase{u"1 800 555 12 12", Verdict::Accepted, u"1 800 555 12 12", u"", 0},
        PhoneCase{u"1-800-555-12123", Verdict::TooManyDigits, u"1-800-555-1212", u"", 0},
        // The last character goes, whatever it is.
        PhoneCase{u"123456789012-", Verdict::TooManyDigits, u"123456789012", u"", 0},
        // Letters count as digits for the length, so a long text loses its end first.
        PhoneCase{u"12345678901x", Verdict::TooManyDigits, u"12345678901", u"", 0},
        PhoneCase{u"555x", Verdict::InvalidCharacter, u"555", u"x", 3},
        PhoneCase{u"5x55", Verdict::InvalidCharacter, u"555", u"x", 2},
        PhoneCase{u"x555", Verdict::InvalidCharacter, u"555", u"x", 1},
        PhoneCase{u"55+5#", Verdict::InvalidCharacter, u"555#", u"+", 3},
        PhoneCase{u"5.5", Verdict::InvalidCharacter, u"55", u".", 2},
        // A character outside the basic plane goes whole, never half of it.
        PhoneCase{u"55\U0001F4DE", Verdict::InvalidCharacter, u"55", u"\U0001F4DE", 2}));

TEST(PhoneNumberMessages, AreTheProgramsTexts) {
    EXPECT_EQ(utf8(checkPhoneNumber(u"123456789012").message()),
              "The Phone Number must be eleven digits or less.");
    EXPECT_EQ(utf8(checkPhoneNumber(u"12a").message()),
              "a is an invalid character.  The Phone Number must consist only of the following "
              "characters. 1234567890-( ) ");
    EXPECT_EQ(utf8(checkPhoneNumber(u"(555) 123-4567").message()), "");
}

TEST(PortEndpoints, TheFirstThatCannotBeReadIsSaidWithItsPort) {
    struct Case {
        std::vector<std::string> devices; // ports 1.. in order, the rest keep their defaults
        int port;
        std::string message;
    };
    for (const Case& c : {
             Case{{}, -1, ""},
             Case{{"/dev/ttyUSB0", "tcp://10.0.0.7:2001", "RFC2217://[fe80::1%eth0]:2002", ""},
                  -1,
                  ""},
             // A path may hold colons and even "://" after something that is no scheme.
             Case{{"/dev/serial/by-path/pci-0000:00:14.0-usb-0:1:1.0-port0", "./a://b"}, -1, ""},
             Case{{"/dev/ttyUSB0", "tcp://controller"},
                  1,
                  "Port 2: tcp://controller has no port number: write it as in "
                  "tcp://host:2000."},
             Case{{"/dev/ttyS0", "/dev/ttyS1", "udp://site:7", "tcp://:1"},
                  2,
                  "Port 3: udp://site:7: unknown kind of port \"udp://\"; give a device path, "
                  "tcp://host:port or rfc2217://host:port."},
             Case{{"", "", "", "rfc2217://site:0"},
                  3,
                  "Port 4: rfc2217://site:0: the port must be a number from 1 to 65535."},
         }) {
        PortMap ports;
        for (std::size_t i = 0; i < c.devices.size(); ++i)
            ports.setDevice(static_cast<int>(i), c.devices[i]);
        const EndpointProblem problem = checkPortEndpoints(ports);
        EXPECT_EQ(problem.port, c.port) << c.message;
        EXPECT_EQ(problem.message, c.message);
    }
}

} // namespace
} // namespace merix
