#include "base/Length.h"

#include "base/AppContext.h"
#include "support/ScopedLocale.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using lumivane::ScopedAppContext;

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

class LengthTest : public ::testing::Test {
protected:
    void UseMetric(bool metric) { m_context.context().metricUnits = metric; }

    static std::string Shown(double value, LengthKind kind = Length) {
        std::string text = "untouched";
        FormatLength(value, text, kind);
        return text;
    }

private:
    ScopedAppContext m_context;
};

TEST_F(LengthTest, ConvertsWithTheProgramsOwnConstants) {
    EXPECT_EQ(FeetFromMetres(1.0), 3.2808);
    EXPECT_EQ(MetresFromFeet(1.0), 0.30480370641307);
    EXPECT_EQ(FeetFromMetres(-2.0), -6.5616);
}

TEST_F(LengthTest, MetricLengthShowsMetresWithoutSign) {
    UseMetric(true);
    EXPECT_EQ(Shown(1.0), "1.00m");
    EXPECT_EQ(Shown(-1.5), "1.50m");
    EXPECT_EQ(Shown(12.0), "12.00m");
    EXPECT_EQ(Shown(0.0), "0.00m");
}

TEST_F(LengthTest, EnglishLengthShowsFeetAndInchesRoundedIntoTheNextFoot) {
    UseMetric(false);
    EXPECT_EQ(Shown(1.0), "3' 3\"");
    EXPECT_EQ(Shown(-1.0), "3' 3\"");
    EXPECT_EQ(Shown(0.3048), "1' 0\"");
    EXPECT_EQ(Shown(MetresFromFeet(2 + 11.2 / 12)), "3' 0\"");
    EXPECT_EQ(Shown(MetresFromFeet(2 + 10.6 / 12)), "2' 11\"");
    EXPECT_EQ(Shown(MetresFromFeet(2 + 10.4 / 12)), "2' 10\"");
    EXPECT_EQ(Shown(0.0), "0' 0\"");
}

TEST_F(LengthTest, SwitchingUnitsChangesOnlyTheText) {
    UseMetric(true);
    EXPECT_EQ(Shown(1.0), "1.00m");
    UseMetric(false);
    EXPECT_EQ(Shown(1.0), "3' 3\"");
}

TEST_F(LengthTest, FineKindsShowInchesAndSignedMillimetres) {
    for (const bool metric : {true, false}) {
        UseMetric(metric);
        EXPECT_EQ(Shown(1.0, FineInches), "39.370\"");
        EXPECT_EQ(Shown(-1.0, FineInches), "39.370\"");
        EXPECT_EQ(Shown(-0.0125, FineMillimetres), "-12.50mm");
        EXPECT_EQ(Shown(0.035, FineMillimetres), "35.00mm");
    }
}

TEST_F(LengthTest, MillimetresAndUnknownKindsLeaveTheTextAlone) {
    EXPECT_EQ(Shown(0.0125, Millimetres), "untouched");
    EXPECT_EQ(Shown(1.0, static_cast<LengthKind>(7)), "untouched");
}

TEST_F(LengthTest, NonFiniteShowsNotAvailableInEveryKind) {
    for (const bool metric : {true, false}) {
        UseMetric(metric);
        for (const int kind : {0, 1, 2, 3, 7}) {
            EXPECT_EQ(Shown(NaN, static_cast<LengthKind>(kind)), "N/A");
            EXPECT_EQ(Shown(-Inf, static_cast<LengthKind>(kind)), "N/A");
        }
    }
}

TEST_F(LengthTest, HugeValuesShowWithoutOverflow) {
    UseMetric(false);
    EXPECT_EQ(Shown(1e300), "2147483647' 2147483647\"");
    UseMetric(true);
    EXPECT_EQ(Shown(1e20), "100000000000000000000.00m");
}

TEST_F(LengthTest, FeetAndInchesReadTheSameInEveryNotation) {
    UseMetric(false);
    const double expected = MetresFromFeet(3) + MetresFromFeet(10.0001 * 0.08333333333333333);
    for (const char* text : {"3' 10\"", "3'10\"", "3 ft 10 in", "3feet 10inches"})
        EXPECT_DOUBLE_EQ(ParseLength(text, Length), expected) << text;
    EXPECT_NEAR(expected, 1.16842, 5e-6);
    EXPECT_EQ(Shown(expected), "3' 10\"");
}

TEST_F(LengthTest, BareNumberUsesTheUnitSystem) {
    UseMetric(false);
    const double twelveFeet = ParseLength("12", Length);
    EXPECT_NEAR(twelveFeet, 3.65764, 5e-6);
    EXPECT_EQ(Shown(twelveFeet), "12' 0\"");
    UseMetric(true);
    EXPECT_EQ(ParseLength("12", Length), 12.0);
    EXPECT_EQ(ParseLength("12", static_cast<LengthKind>(9)), 12.0);
}

TEST_F(LengthTest, BareNumberUsesTheKind) {
    for (const bool metric : {true, false}) {
        UseMetric(metric);
        EXPECT_DOUBLE_EQ(ParseLength("35", Millimetres), 0.035);
        EXPECT_DOUBLE_EQ(ParseLength("12.5", FineMillimetres), 0.0125);
        EXPECT_DOUBLE_EQ(ParseLength("12", FineInches), MetresFromFeet(1.0));
    }
}

TEST_F(LengthTest, InchMarkAddsATenThousandthOfAnInch) {
    const double bare = ParseLength("2", FineInches);
    const double marked = ParseLength("2\"", FineInches);
    EXPECT_NEAR(marked - bare, MetresFromFeet(0.0001 / 12), 1e-15);
    EXPECT_GT(marked, bare);
}

TEST_F(LengthTest, UnitsAreCaseSensitiveAndUnknownOnesAddNothing) {
    UseMetric(true);
    EXPECT_DOUBLE_EQ(ParseLength("35mm", Length), 0.035);
    EXPECT_EQ(ParseLength("3.5m", Length), 3.5);
    EXPECT_EQ(ParseLength("3.5 metres", Length), 3.5);
    EXPECT_EQ(ParseLength("5cm", Length), 0.0);
    EXPECT_EQ(ParseLength("5MM", Length), 0.0);
    EXPECT_EQ(ParseLength("5M", Length), 0.0);
    EXPECT_EQ(ParseLength("2m 5cm 30mm", Length), 2.03);
}

TEST_F(LengthTest, CommaEndsANumber) {
    UseMetric(true);
    EXPECT_EQ(ParseLength("3,5m", Length), 3.0);
    EXPECT_EQ(ParseLength("3,5", Length), 3.0);
}

TEST_F(LengthTest, MinusSignNeverMakesAValueNegative) {
    UseMetric(true);
    EXPECT_EQ(ParseLength("-3", Length), 3.0);
    EXPECT_EQ(ParseLength("-3m", Length), 3.0);
    EXPECT_EQ(ParseLength("3-", Length), 0.0);
    UseMetric(false);
    EXPECT_EQ(ParseLength("-3", Length), MetresFromFeet(3));
}

TEST_F(LengthTest, NonsenseReadsAsZero) {
    for (const char* text : {"", "   ", "m", "abc", "'", ".", ",,", "nan"})
        EXPECT_EQ(ParseLength(text, Length), 0.0) << '"' << text << '"';
    // An inch unit with no number still carries the allowance added to typed inches.
    EXPECT_EQ(ParseLength("inf", Length), MetresFromFeet(0.0001 * 0.08333333333333333));
}

// Too long for a double is too long for any field, never nothing.
TEST_F(LengthTest, DigitRunsBeyondADoubleReadAsTheLargestLength) {
    constexpr double largest = std::numeric_limits<double>::max();
    EXPECT_EQ(ParseLength(std::string(400, '9'), Length), largest);
    EXPECT_EQ(ParseLength(std::string(400, '9') + "m", Length), largest);
    EXPECT_EQ(ParseLength(std::string(10000, '8') + "mm 3m", Millimetres), largest);
    EXPECT_EQ(ParseLength(std::string(300, '9'), Length), 1e300);
}

TEST_F(LengthTest, CommaDecimalLocaleChangesNothing) {
    lumivane::test::ScopedLocale locale(lumivane::test::CommaDecimalLocale);
    ASSERT_TRUE(locale.active()) << "run scripts/install-deps to generate "
                                 << lumivane::test::CommaDecimalLocale;
    UseMetric(true);
    EXPECT_EQ(Shown(1.0), "1.00m");
    EXPECT_EQ(Shown(1.0, FineInches), "39.370\"");
    EXPECT_EQ(Shown(-0.0125, FineMillimetres), "-12.50mm");
    EXPECT_EQ(ParseLength("3.5m", Length), 3.5);
    EXPECT_EQ(ParseLength("3,5m", Length), 3.0);
}

} // namespace
