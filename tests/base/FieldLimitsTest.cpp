#include "base/FieldLimits.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

using lumivane::CountFromText;
using lumivane::CrossedLimit;
using lumivane::kSeatLimits;
using lumivane::LimitCrossed;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(FieldLimitsTest, LengthsBeyondALimitAreHeldAtIt) {
    const lumivane::LengthLimits throwLimits = lumivane::kThrowLimits;
    const struct {
        double typed;
        double held;
        LimitCrossed crossed;
    } cases[] = {
        {22.0, 22.0, LimitCrossed::None},      {3.0, 3.0, LimitCrossed::None},
        {300.0, 300.0, LimitCrossed::None},    {1e39, 300.0, LimitCrossed::Highest},
        {1e308, 300.0, LimitCrossed::Highest}, {kInf, 300.0, LimitCrossed::Highest},
        {0.0, 3.0, LimitCrossed::Lowest},      {-5.0, 3.0, LimitCrossed::Lowest},
        {-kInf, 3.0, LimitCrossed::Lowest},    {kNaN, 3.0, LimitCrossed::Lowest},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(lumivane::ClampLength(c.typed, throwLimits), c.held) << c.typed;
        EXPECT_EQ(CrossedLimit(c.typed, throwLimits), c.crossed) << c.typed;
    }
}

TEST(FieldLimitsTest, CountsReadAsAtoiAndStayWithinTheSeatLimits) {
    const std::string nines(300, '9');
    const std::string tenThousand(10000, '7');
    const struct {
        std::string text;
        std::int32_t count;
        LimitCrossed crossed;
    } cases[] = {
        {"220", 220, LimitCrossed::None},
        {"12a", 12, LimitCrossed::None},
        {"", 0, LimitCrossed::None},
        {"nan", 0, LimitCrossed::None},
        {"inf", 0, LimitCrossed::None},
        {"99999", 99999, LimitCrossed::None},
        {"100000", 99999, LimitCrossed::Highest},
        {nines, 99999, LimitCrossed::Highest},
        {tenThousand, 99999, LimitCrossed::Highest},
        {"1e308", 1, LimitCrossed::None},
        {"-1", 0, LimitCrossed::Lowest},
        {"-" + nines, 0, LimitCrossed::Lowest},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CountFromText(c.text, kSeatLimits), c.count) << c.text.substr(0, 20);
        EXPECT_EQ(CrossedLimit(c.text, kSeatLimits), c.crossed) << c.text.substr(0, 20);
    }
}

TEST(FieldLimitsTest, TheNoticeNamesTheLimitThatWasMet) {
    EXPECT_EQ(lumivane::LimitNotice(LimitCrossed::Highest, "300.00m"),
              "The largest value allowed is 300.00m.");
    EXPECT_EQ(lumivane::LimitNotice(LimitCrossed::Lowest, "5.0mm"),
              "The smallest value allowed is 5.0mm.");
    EXPECT_EQ(lumivane::LimitNotice(LimitCrossed::None, "5.0mm"), "");
    EXPECT_EQ(lumivane::CountLimitNotice(LimitCrossed::Highest, kSeatLimits),
              "The largest value allowed is 99999.");
    EXPECT_EQ(lumivane::CountLimitNotice(LimitCrossed::Lowest, kSeatLimits),
              "The smallest value allowed is 0.");
}

} // namespace
