#include "model/ScreenTexts.h"

#include <gtest/gtest.h>

namespace lumivane {
namespace {

TEST(ScreenTextsTest, CurveFractionFindsTheSimpleFractionOfTheThrow) {
    EXPECT_EQ(CurveFractionText(200, 0.025), "2");
    EXPECT_EQ(CurveFractionText(133, 0.025), "4/3");
    EXPECT_EQ(CurveFractionText(150, 0.025), "3/2");
    EXPECT_EQ(CurveFractionText(87.5, 0.025), "7/8");
    EXPECT_EQ(CurveFractionText(110, 0.025), "11/10");
    EXPECT_EQ(CurveFractionText(0, 0.02), "None");
    EXPECT_EQ(CurveFractionText(1e300, 0.02), "2147483647/100");
}

TEST(ScreenTextsTest, TiltAndCurveWords) {
    EXPECT_EQ(CurvePercentText(66.666), " 67%");
    EXPECT_EQ(TiltMagnitudeText(-5.4), "  5");
    EXPECT_EQ(TiltDirectionText(1), "backwards");
    EXPECT_EQ(TiltDirectionText(-1), "forwards");
    EXPECT_EQ(TiltDirectionText(0), "");
    EXPECT_EQ(AudienceSideText(0), "above");
    EXPECT_EQ(AudienceSideText(-1.5), "below");
}

} // namespace
} // namespace lumivane
