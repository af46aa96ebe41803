#include "base/NumberText.h"

#include "support/ScopedLocale.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

using namespace lumivane;

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// The C library in the "C" locale is the reference the fixed form must match.
std::string Printf(double value, int decimals) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%0.*f", decimals, value);
    return buffer;
}

TEST(NumberTextTest, FixedMatchesPrintfIncludingItsRounding) {
    const double values[] = {0.0,    -0.0,  0.5,     1.5,     2.5,       2.675, 0.125,
                             -0.001, 1e-7,  39.3696, 1.16842, -12.5,     1e15,  123456.789,
                             1e300,  -1e22, 5e-324,  0.045,   -0.000049, 9.995, 1.0 / 3};
    for (const double value : values)
        for (int decimals = 0; decimals <= 6; ++decimals)
            EXPECT_EQ(FormatFixed(value, decimals), Printf(value, decimals))
                << value << " with " << decimals << " decimals";
}

TEST(NumberTextTest, FixedKeepsSignOfTinyNegativesAndNamesNonFinite) {
    EXPECT_EQ(FormatFixed(-0.001, 2), "-0.00");
    EXPECT_EQ(FormatFixed(-0.0, 1), "-0.0");
    EXPECT_EQ(FormatFixed(2.675, 2), "2.67"); // the double lies just below 2.675
    EXPECT_EQ(FormatFixed(0.125, 2), "0.12"); // exact ties go to even
    EXPECT_EQ(FormatFixed(NaN, 2), "nan");
    EXPECT_EQ(FormatFixed(-NaN, 2), "-nan");
    EXPECT_EQ(FormatFixed(Inf, 3), "inf");
    EXPECT_EQ(FormatFixed(-Inf, 3), "-inf");
    EXPECT_EQ(FormatFixed(1.5, -4), "2");
    EXPECT_EQ(FormatFixed(1e308, 60).size(), Printf(1e308, 60).size());
}

TEST(NumberTextTest, FixedWithWidthPadsOnTheLeftOnly) {
    EXPECT_EQ(FormatFixed(3.14159, 1, 5), "  3.1");
    EXPECT_EQ(FormatFixed(-3.14159, 1, 2), "-3.1");
    EXPECT_EQ(FormatFixed(12.25, 1, 0), "12.2");
}

TEST(NumberTextTest, IntegersAndRoundTrip) {
    EXPECT_EQ(FormatInt(0), "0");
    EXPECT_EQ(FormatInt(-42), "-42");
    EXPECT_EQ(FormatInt(std::numeric_limits<long long>::min()), "-9223372036854775808");
    EXPECT_EQ(FormatRoundTrip(0.1), "0.1");
    EXPECT_EQ(FormatRoundTrip(-1.25), "-1.25");
    for (const double value : {0.30480370641307, 1.0 / 3, 1e-300, 6.02214076e23})
        EXPECT_EQ(ParseDoublePrefix(FormatRoundTrip(value)), value);
}

TEST(NumberTextTest, ParsesTheLongestNumberPrefixLikeStrtod) {
    EXPECT_EQ(ParseDoublePrefix("3.5"), 3.5);
    EXPECT_EQ(ParseDoublePrefix(" \t\n3.5abc"), 3.5);
    EXPECT_EQ(ParseDoublePrefix("3,5"), 3.0);
    EXPECT_EQ(ParseDoublePrefix("-2.5"), -2.5);
    EXPECT_EQ(ParseDoublePrefix("+4"), 4.0);
    EXPECT_EQ(ParseDoublePrefix(".5"), 0.5);
    EXPECT_EQ(ParseDoublePrefix("5."), 5.0);
    EXPECT_EQ(ParseDoublePrefix("1.2.3"), 1.2);
    EXPECT_EQ(ParseDoublePrefix("1e3"), 1000.0);
    EXPECT_EQ(ParseDoublePrefix("2E-2x"), 0.02);
    EXPECT_EQ(ParseDoublePrefix("1e"), 1.0);
    EXPECT_EQ(ParseDoublePrefix("1e+"), 1.0);
    EXPECT_EQ(ParseDoublePrefix("7e-x"), 7.0);
}

TEST(NumberTextTest, TextWithoutANumberReadsAsZero) {
    for (const char* text : {"", "   ", "abc", ".", "-", "+.", "- 3", ",5", "e5"})
        EXPECT_EQ(ParseDoublePrefix(text), 0.0) << '"' << text << '"';
}

TEST(NumberTextTest, HexInfinityAndNanFormsAreNotNumbers) {
    EXPECT_EQ(ParseDoublePrefix("0x1p3"), 0.0);
    EXPECT_EQ(ParseDoublePrefix("inf"), 0.0);
    EXPECT_EQ(ParseDoublePrefix("-infinity"), 0.0);
    EXPECT_EQ(ParseDoublePrefix("nan"), 0.0);
}

TEST(NumberTextTest, NumbersBeyondDoubleOverflowOrUnderflowAsStrtodDoes) {
    EXPECT_EQ(ParseDoublePrefix("1e400"), Inf);
    EXPECT_EQ(ParseDoublePrefix("-1e400"), -Inf);
    EXPECT_EQ(ParseDoublePrefix(std::string(400, '9')), Inf);
    EXPECT_EQ(ParseDoublePrefix("0.0000001e-400"), 0.0);
    EXPECT_EQ(ParseDoublePrefix("1e-99999999999999999999"), 0.0);
    EXPECT_EQ(ParseDoublePrefix("0.000000000001e99999999999"), Inf);
}

TEST(NumberTextTest, IntegerPrefixSaturates) {
    EXPECT_EQ(ParseIntPrefix(" 42x"), 42);
    EXPECT_EQ(ParseIntPrefix("-17"), -17);
    EXPECT_EQ(ParseIntPrefix("+8"), 8);
    EXPECT_EQ(ParseIntPrefix("3.9"), 3);
    EXPECT_EQ(ParseIntPrefix(""), 0);
    EXPECT_EQ(ParseIntPrefix("x1"), 0);
    EXPECT_EQ(ParseIntPrefix("9223372036854775807"), std::numeric_limits<long long>::max());
    EXPECT_EQ(ParseIntPrefix("-9223372036854775808"), std::numeric_limits<long long>::min());
    EXPECT_EQ(ParseIntPrefix("99999999999999999999"), std::numeric_limits<long long>::max());
    EXPECT_EQ(ParseIntPrefix("-99999999999999999999"), std::numeric_limits<long long>::min());
}

TEST(NumberTextTest, TruncationGoesTowardZeroAndSaturates) {
    EXPECT_EQ(TruncToInt32(2.9), 2);
    EXPECT_EQ(TruncToInt32(-2.9), -2);
    EXPECT_EQ(TruncToInt32(2147483647.9), 2147483647);
    EXPECT_EQ(TruncToInt32(-2147483648.9), -2147483647 - 1);
    EXPECT_EQ(TruncToInt16(32767.5), 32767);
    EXPECT_EQ(TruncToInt16(-32768.5), -32768);
    EXPECT_EQ(TruncToInt16(40000.0), 32767);
    EXPECT_EQ(TruncToInt64(-9223372036854775808.0), std::numeric_limits<long long>::min());
    EXPECT_EQ(TruncToInt64(9.3e18), std::numeric_limits<long long>::max());
    EXPECT_EQ(TruncToInt64(-123456789012.7), -123456789012LL);
}

TEST(NumberTextTest, TruncationOfNonFiniteAndHugeValuesIsDefined) {
    for (const double value : {NaN, -NaN}) {
        EXPECT_EQ(TruncToInt32(value), 0);
        EXPECT_EQ(TruncToInt16(value), 0);
        EXPECT_EQ(TruncToInt64(value), 0);
    }
    for (const double value : {Inf, 1e300}) {
        EXPECT_EQ(TruncToInt32(value), std::numeric_limits<std::int32_t>::max());
        EXPECT_EQ(TruncToInt16(value), std::numeric_limits<std::int16_t>::max());
        EXPECT_EQ(TruncToInt64(value), std::numeric_limits<long long>::max());
    }
    for (const double value : {-Inf, -1e300}) {
        EXPECT_EQ(TruncToInt32(value), std::numeric_limits<std::int32_t>::min());
        EXPECT_EQ(TruncToInt16(value), std::numeric_limits<std::int16_t>::min());
        EXPECT_EQ(TruncToInt64(value), std::numeric_limits<long long>::min());
    }
}

TEST(NumberTextTest, CommaDecimalLocaleChangesNothing) {
    test::ScopedLocale locale(test::CommaDecimalLocale);
    ASSERT_TRUE(locale.active()) << "run scripts/install-deps to generate "
                                 << test::CommaDecimalLocale;
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");

    EXPECT_EQ(FormatFixed(3.5, 2), "3.50");
    EXPECT_EQ(FormatFixed(-1234.5678, 3, 10), " -1234.568");
    EXPECT_EQ(FormatRoundTrip(0.25), "0.25");
    EXPECT_EQ(ParseDoublePrefix("3.5"), 3.5);
    EXPECT_EQ(ParseDoublePrefix("3,5"), 3.0);
    EXPECT_EQ(ParseDoublePrefix("1.5e2"), 150.0);
}

} // namespace
