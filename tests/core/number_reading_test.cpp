#include "core/number_reading.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {
constexpr std::int32_t MAX = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t MIN = std::numeric_limits<std::int32_t>::min();
}  // namespace

TEST(NumberReading, DecimalFormsAreNumeric)
{
    for (const char* text : {"0", "7", "-4", "+4", "63.5", ".5", "5.", "-.5", "1e1", "1E1", "1e+2", "2.5e-1", "  12  ",
             "\t12\t", " -0 ", "000012", "1.e5", "99999999999999999999", "1e309", "-1e309", "1e-400"}) {
        EXPECT_TRUE(isNumeric(text)) << '"' << text << '"';
    }
}

TEST(NumberReading, EverythingElseIsNot)
{
    for (const char* text : {"", " ", "\t ", "12abc", "1 2", ".", "-", "+", "+-1", "--1", "1..2", "1.2.3", "e5", "1e",
             "1e+", "1e5.5", "1,000", "0x1F", "&H1F", "$5", "five", "1_000", "- 1", "\xEF\xBC\x91\xEF\xBC\x92",
             "12\xC2\xA0", "inf", "nan", "1e5e5"}) {
        EXPECT_FALSE(isNumeric(text)) << '"' << text << '"';
        EXPECT_FALSE(readNumber(text).has_value()) << '"' << text << '"';
    }
}

TEST(NumberReading, RoundsToTheNearestIntegerWithHalvesToEven)
{
    const std::pair<const char*, std::int32_t> cases[] = {
        {"2.5", 2},
        {"3.5", 4},
        {"-0.5", 0},
        {"-1.5", -2},
        {"-2.5", -2},
        {"63.5", 64},
        {"62.5", 62},
        {"0.49", 0},
        {"0.51", 1},
        {"-0.51", -1},
        {"1e1", 10},
        {"-4", -4},
        {" 12 ", 12},
        {"25e-1", 2},
        {".5", 0},
        {"1.5", 2},
        {"5.", 5},
        {"0.0001", 0},
        {"6.3e1", 63},
        {"0.00063e5", 63},
        {"32767", 32767},
        {"-32768", -32768},
        {"32768", 32768},
        {"1e-400", 0},
        {"-1e-400", 0},
        {"0e99999", 0},
        {"000000000000000000000000000005", 5},
        {"5.000000000000000000000000000000001", 5},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(readNumber(text), value) << '"' << text << '"';
}

TEST(NumberReading, EveryDigitCountsNotOnlyTheOnesADoubleHolds)
{
    // Beside a half, a digit far down the text decides the rounding.
    const std::pair<const char*, std::int32_t> cases[] = {
        {"2.50000000000000000001", 3},
        {"-2.50000000000000000001", -3},
        {"1.49999999999999999999", 1},
        {"62.49999999999999999999", 62},
        {"63.50000000000000000000", 64},
        {"0.50000000000000000000001", 1},
        {"0.49999999999999999999999", 0},
        {"2.5000000000000000000000000000000000000000000000000000000000000000000000000001", 3},
        {"25000000000000000000001e-22", 3},
        {"2147483646.5", 2147483646},
        {"2147483646.50000000000000000001", MAX},
        {"-2147483647.5", MIN},
        {"999999999.5", 1000000000},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(readNumber(text), value) << '"' << text << '"';
}

TEST(NumberReading, ValuesBeyondTheIntegerRangeSaturate)
{
    EXPECT_EQ(readNumber("99999999999999999999"), MAX);
    EXPECT_EQ(readNumber("-99999999999999999999"), MIN);
    EXPECT_EQ(readNumber("1e309"), MAX);
    EXPECT_EQ(readNumber("-1e309"), MIN);
    EXPECT_EQ(readNumber("1e99999999999999999999999"), MAX);
    EXPECT_EQ(readNumber("1e-99999999999999999999999"), 0);
    EXPECT_EQ(readNumber("2147483647"), MAX);
    EXPECT_EQ(readNumber("2147483646.4"), MAX - 1);
    EXPECT_EQ(readNumber("-2147483648"), MIN);
    EXPECT_EQ(readNumber("4294967296"), MAX);
    EXPECT_EQ(readNumber(std::string(5000, '9')), MAX);
    EXPECT_EQ(readNumber("0." + std::string(5000, '0') + "1"), 0);
}

TEST(NumberReading, SixteenBitRange)
{
    EXPECT_TRUE(fitsInt16(32767));
    EXPECT_TRUE(fitsInt16(-32768));
    EXPECT_FALSE(fitsInt16(32768));
    EXPECT_FALSE(fitsInt16(-32769));
}
