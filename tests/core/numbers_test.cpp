#include <gtest/gtest.h>

#include "analysis/numbers.h"
#include "printers.h"

using namespace tarvelo;

struct LeadingCase {
    const char* text;
    double value;
};

void PrintTo(const LeadingCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class LeadingNumberTest : public testing::TestWithParam<LeadingCase> {};

TEST_P(LeadingNumberTest, ReadsLeadingNumericPart) {
    EXPECT_EQ(LeadingNumber(QString::fromUtf8(GetParam().text)), GetParam().value)
        << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, LeadingNumberTest,
                         testing::Values(LeadingCase{"12.5", 12.5}, LeadingCase{"7.", 7},
                                         LeadingCase{".", 0}, LeadingCase{"", 0},
                                         LeadingCase{"007", 7}, LeadingCase{"12.50", 12.5},
                                         LeadingCase{"1.2.", 1.2}, LeadingCase{"abc", 0},
                                         LeadingCase{"-5", -5}, LeadingCase{" 45 ", 45},
                                         LeadingCase{"1E3", 1000}, LeadingCase{"2e", 2},
                                         LeadingCase{"１２", 0}, LeadingCase{".5", 0.5}));

TEST(ShortNumberText, WritesShortestDecimal) {
    EXPECT_EQ(ShortNumberText(17.0f), "17");
    EXPECT_EQ(ShortNumberText(7.5f), "7.5");
    EXPECT_EQ(ShortNumberText(0.5f), "0.5");
    EXPECT_EQ(ShortNumberText(-12.0f), "-12");
    EXPECT_EQ(ShortNumberText(9.4f), "9.4");
    EXPECT_EQ(ShortNumberText(-1.0f), "-1");
    EXPECT_EQ(ShortNumberText(0.1f), "0.1");
    EXPECT_EQ(ShortNumberText(114.3), "114.3");
    EXPECT_EQ(ShortNumberText(0.35), "0.35");
    EXPECT_EQ(ShortNumberText(1000.0), "1000");
}

TEST(ShortNumberText, NegativeZeroHasNoSign) {
    EXPECT_EQ(ShortNumberText(-0.0f), "0");
    EXPECT_EQ(ShortNumberText(-0.0), "0");
}

TEST(ShortNumberText, VeryLargeAndSmallUseExponentForm) {
    EXPECT_EQ(ShortNumberText(1e20), "1E+20");
    EXPECT_EQ(ShortNumberText(-1.5e-5), "-1.5E-05");
    EXPECT_EQ(ShortNumberText(0.0001), "0.0001");
    EXPECT_EQ(ShortNumberText(123456789012345.0), "123456789012345");
}

TEST(FormatOneDecimal, RoundsHalvesAwayFromZeroOnPrecisionDigits) {
    EXPECT_EQ(FormatOneDecimal(5.0), "5.0");
    EXPECT_EQ(FormatOneDecimal(2.25), "2.3");
    EXPECT_EQ(FormatOneDecimal(-2.5), "-2.5");
    EXPECT_EQ(FormatOneDecimal(-2.25), "-2.3");
    EXPECT_EQ(FormatOneDecimal(0.15f), "0.2");
    EXPECT_EQ(FormatOneDecimal(0.05f), "0.1");
    EXPECT_EQ(FormatOneDecimal(0.35), "0.4");
    EXPECT_EQ(FormatOneDecimal(9.96f), "10.0");
    EXPECT_EQ(FormatOneDecimal(685.0f), "685.0");
    EXPECT_EQ(FormatOneDecimal(0.0), "0.0");
    EXPECT_EQ(FormatOneDecimal(0.04), "0.0");
}

TEST(FormatOneDecimal, ValueRoundingToZeroHasNoMinus) {
    EXPECT_EQ(FormatOneDecimal(-0.04f), "0.0");
    EXPECT_EQ(FormatOneDecimal(-0.0), "0.0");
    EXPECT_EQ(FormatOneDecimal(-0.05), "-0.1");
}

TEST(IsNumberText, AcceptsOnlyHalfWidthDigitsAndPoints) {
    EXPECT_TRUE(IsNumberText(u""));
    EXPECT_TRUE(IsNumberText(u"1.2."));
    EXPECT_TRUE(IsNumberText(u"..."));
    EXPECT_TRUE(IsNumberText(u"0123"));
    EXPECT_FALSE(IsNumberText(u"1,5"));
    EXPECT_FALSE(IsNumberText(u"-5"));
    EXPECT_FALSE(IsNumberText(u"1E+20"));
    EXPECT_FALSE(IsNumberText(u"１"));
    EXPECT_FALSE(IsNumberText(u" 1"));
}

TEST(IsDecimalNumberText, WholeTextMustBeANumber) {
    EXPECT_TRUE(IsDecimalNumberText(u"631.9"));
    EXPECT_TRUE(IsDecimalNumberText(u"-20.0"));
    EXPECT_TRUE(IsDecimalNumberText(u" 15 "));
    EXPECT_FALSE(IsDecimalNumberText(u""));
    EXPECT_FALSE(IsDecimalNumberText(u"."));
    EXPECT_FALSE(IsDecimalNumberText(u"未解析"));
    EXPECT_FALSE(IsDecimalNumberText(u"12mm"));
    EXPECT_FALSE(IsDecimalNumberText(u"nan"));
}
