#include "screens/AnalogRules.h"
#include "screens/ResolutionCatalog.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <climits>

namespace merix {
namespace {

TEST(AnalogRulesTest, RangeFieldTakesMinus9999To9999AndOnlyDigitsAndALeadingMinus) {
    using O = RangeCheck::Outcome;
    const struct {
        std::u16string typed;
        O outcome;
        long value;
        std::u16string text;
        std::size_t caret;
    } cases[] = {
        {u"-9999", O::Accepted, -9999, u"", 0},
        {u"9999", O::Accepted, 9999, u"", 0},
        {u"", O::Accepted, 0, u"", 0},
        {u"-", O::Accepted, 0, u"", 0},
        {u"0050", O::Accepted, 50, u"", 0},
        {u"10000", O::OutOfRange, 10000, u"", 0},
        {u"-10000", O::OutOfRange, -10000, u"", 0},
        {u"12345x", O::OutOfRange, 12345, u"", 0}, // the range is judged before the letter
        {u"99999999999999999999", O::OutOfRange, LONG_MAX, u"", 0},
        {u"1x2", O::Fixed, 12, u"12", 1},
        {u"1-", O::Fixed, 1, u"1", 1},
        {u"--5", O::Fixed, -5, u"-5", 1},
        {u"+5", O::Fixed, 5, u"5", 0},
        {u" 5", O::Fixed, 5, u"5", 0},
        {u"5\u00b0", O::Fixed, 5, u"5", 1},
    };
    for (const auto& c : cases) {
        const RangeCheck check = checkRangeField(c.typed);
        const std::string typed = toUtf8(c.typed);
        EXPECT_EQ(check.outcome, c.outcome) << typed;
        EXPECT_EQ(check.value, c.value) << typed;
        if (c.outcome == O::Fixed) {
            EXPECT_EQ(check.text, c.text) << typed;
            EXPECT_EQ(check.caret, c.caret) << typed;
        }
    }
}

TEST(AnalogRulesTest, DecimalsMustLeaveBothEndsWithinFourDigits) {
    const struct {
        int decimals;
        long low;
        long high;
        DecimalsChoice expected;
    } cases[] = {
        {2, -50, 150, DecimalsChoice::MaximumTooLarge}, // 150 x 100 = 15000
        {1, -50, 150, DecimalsChoice::Fits},
        {3, 10, 5, DecimalsChoice::MinimumTooLarge}, // 10 x 1000 is 10000 already
        {3, 9, 9, DecimalsChoice::Fits},
        {3, -10, 20, DecimalsChoice::MinimumTooLarge}, // the minimum is told first
        {0, -9999, 9999, DecimalsChoice::Fits},
        {1, -1000, 0, DecimalsChoice::MinimumTooLarge},
        {1, -999, 999, DecimalsChoice::Fits},
    };
    for (const auto& c : cases)
        EXPECT_EQ(checkDecimals(c.decimals, c.low, c.high), c.expected)
            << c.decimals << " " << c.low << " " << c.high;
    EXPECT_FALSE(fitsWithDecimals(100, 2));
    EXPECT_TRUE(fitsWithDecimals(-99, 2));
    EXPECT_FALSE(fitsWithDecimals(32767, 1000)); // never overflows
}

TEST(AnalogRulesTest, DescriptionIsCutAt1500AndLosesWhatTheDocumentCannotKeep) {
    using O = DescriptionCheck::Outcome;
    const std::u16string full(1500, u'x');
    const struct {
        std::u16string typed;
        O outcome;
        std::u16string text;
        std::size_t caret;
    } cases[] = {
        {u"Battery, 12 V", O::Accepted, u"Battery, 12 V", 0},
        {full, O::Accepted, full, 0},
        {full + u"y", O::TooLong, full, 1500},
        {full + u":", O::TooLong, full, 1500},
        {u"Volts: 12", O::Fixed, u"Volts 12", 5},
        {u"a;b", O::Fixed, u"ab", 1},
        {u"first\nsecond", O::Fixed, u"firstsecond", 5},
    };
    for (const auto& c : cases) {
        const DescriptionCheck check = checkDescription(c.typed);
        EXPECT_EQ(check.outcome, c.outcome) << toUtf8(c.typed.substr(0, 20));
        EXPECT_EQ(check.text, c.text) << toUtf8(c.typed.substr(0, 20));
        if (c.outcome == O::Fixed) {
            EXPECT_EQ(check.caret, c.caret) << toUtf8(c.typed);
        }
    }
}

TEST(AnalogRulesTest, MessagesNameTheEndAndTheNumbers) {
    EXPECT_EQ(decimalsTooLargeMessage(RangeEnd::Minimum, 3, -40),
              "The entered number of decimals 3 is too large for the minimum -40 to fit in the "
              "range (-9999 to 9999).");
    EXPECT_EQ(decimalsTooLargeMessage(RangeEnd::Maximum, 2, 150),
              "The entered number of decimals 2 is too large for the maximum 150 to fit in the "
              "range (-9999 to 9999).");
    EXPECT_EQ(rangeOutOfRangeMessage(RangeEnd::Minimum, -10000),
              "The entered number for the minimum -10000 does not fall into the specified range "
              "(-9999 to 9999).");
    EXPECT_EQ(rangeOutOfRangeMessage(RangeEnd::Maximum, 10000),
              "The entered number for the maximum 10000 does not fall into the specified range "
              "(-9999 to 9999).");
    EXPECT_EQ(decimalsResetMessage(RangeEnd::Maximum, 2, 100),
              "The entered number of decimals 2 is too large for the entered maximum 100 to fit "
              "in the range (-9999 to 9999).  Setting number of decimals to 0.");
    EXPECT_EQ(decimalsResetMessage(RangeEnd::Minimum, 1, -1000),
              "The entered number of decimals 1 is too large for the entered minimum -1000 to "
              "fit in the range (-9999 to 9999).  Setting number of decimals to 0.");
}

TEST(AnalogRulesTest, AnEmptyResolutionShowsOtherAndNamesCompareInAnyCase) {
    const std::vector<Resolution> list = {
        {"Volts 0 to 20", 0, 20, 2}, {"Other", 0, 255, 0}, {"Amps", 0, 50, 1}};
    EXPECT_EQ(resolutionShown(list, ""), 1u);
    EXPECT_EQ(resolutionShown(list, "Amps"), 2u);
    EXPECT_EQ(resolutionShown(list, "volts 0 TO 20"), 0u);
    EXPECT_EQ(resolutionShown(list, "Volts"), std::nullopt);
    EXPECT_EQ(resolutionShown({}, ""), std::nullopt);
}

TEST(ResolutionCatalogTest, ReadsNamesRangesAndDecimalsAndSaysWhatIsMissing) {
    const struct {
        const char* name;
        const char* text; // nullptr: no file
        std::vector<std::string> names;
        std::string notice;
    } cases[] = {
        {"complete",
         "T\r\n2\r\nVolts 0 to 20,0,20,2\r\nOther,0,255,0\r\n",
         {"Volts 0 to 20", "Other"},
         ""},
        {"short",
         "T\n3\nVolts,0,20,2\n",
         {"Volts"},
         "resolutn.cfg holds 1 of the 3 resolutions its count gives; only those are offered."},
        {"missing",
         nullptr,
         {},
         "Unable to read resolutn.cfg in the catalog folder; the Resolution list is empty."},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        if (c.text)
            test::writeWhole(dir.file("resolutn.cfg"), c.text);
        const ResolutionCatalog catalog = readResolutionCatalog(dir.file("resolutn.cfg"));
        std::vector<std::string> names;
        for (const Resolution& r : catalog.resolutions)
            names.push_back(r.name);
        EXPECT_EQ(names, c.names) << c.name;
        EXPECT_EQ(catalog.notice, c.notice) << c.name;
    }

    test::TempDir dir;
    test::writeWhole(dir.file("resolutn.cfg"),
                     "T\n3\nTemperature -40 to 150 F,-40,150,1\nOdd,1,2,5\nWrapped,40000,-3,-1\n");
    const auto r = readResolutionCatalog(dir.file("resolutn.cfg")).resolutions;
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[0].low, -40);
    EXPECT_EQ(r[0].high, 150);
    EXPECT_EQ(r[0].decimals, 1);
    EXPECT_EQ(r[1].decimals, 3);                          // the most the list offers
    EXPECT_EQ(r[2].low, static_cast<i16>(40000 - 65536)); // read as a 16-bit number
    EXPECT_EQ(r[2].decimals, 0);
}

} // namespace
} // namespace merix
