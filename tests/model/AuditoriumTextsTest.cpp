#include "model/AuditoriumTexts.h"

#include "base/AppContext.h"
#include "model/Auditorium.h"
#include "support/ModelCatalogs.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using lumivane::CurveFraction;
using lumivane::FractionText;
using lumivane::SettingsLabels;
using lumivane::SettingsLabelsFor;

std::string ViewFraction(double percent) {
    return FractionText(CurveFraction(percent, lumivane::kViewFractionTolerance));
}

TEST(AuditoriumTextsTest, CurvePercentagesAsSimpleFractionsOfTheThrow) {
    EXPECT_EQ(ViewFraction(200), "2");
    EXPECT_EQ(ViewFraction(133), "4/3");
    EXPECT_EQ(ViewFraction(150), "3/2");
    EXPECT_EQ(ViewFraction(87.5), "7/8");
    EXPECT_EQ(ViewFraction(110), "11/10");
    EXPECT_EQ(ViewFraction(100), "1");
    EXPECT_EQ(ViewFraction(66.66666666666667), "2/3");
    EXPECT_EQ(ViewFraction(0), "None");
}

TEST(AuditoriumTextsTest, FractionSearchSurvivesAnyPercentage) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    for (double p : {-inf, -50.0, 1.0, 1e300, inf, std::numeric_limits<double>::quiet_NaN()}) {
        const auto fraction = CurveFraction(p, lumivane::kBarFractionTolerance);
        EXPECT_NE(fraction.denominator, 0) << p;
    }
}

TEST(AuditoriumTextsTest, CurveTextOfACurvedAndAFlatScreen) {
    lumivane::ScopedAppContext context;
    lumivane::test::InstallModelCatalogs();
    CAuditorium auditorium(1);
    auditorium.SetCurveType(CurveThrow);
    auditorium.SetDefaultThrow(20.0, 0);
    auditorium.SetScreenWidth(12.0);
    EXPECT_EQ(lumivane::CurveText(auditorium),
              "100% or 1 of the throw.\nScreen chord depth of 0.92m");
    auditorium.SetCurveType(CurveNone);
    EXPECT_EQ(lumivane::CurveText(auditorium),
              "  0% or None of the throw.\nScreen chord depth of 0.00m");
}

TEST(AuditoriumTextsTest, TiltTextNamesTheDirection) {
    EXPECT_EQ(lumivane::TiltText(5), "5.0 degrees tilted backwards");
    EXPECT_EQ(lumivane::TiltText(-2.25), "2.2 degrees tilted forwards");
    EXPECT_EQ(lumivane::TiltText(0), "0.0 degrees tilted ");
    EXPECT_EQ(lumivane::TiltText(12.5), "12.5 degrees tilted backwards");
    EXPECT_EQ(lumivane::AudienceSideText(0), "above");
    EXPECT_EQ(lumivane::AudienceSideText(-0.5), "below");
}

TEST(AuditoriumTextsTest, SeatCountsReadTheLeadingNumber) {
    EXPECT_EQ(lumivane::SeatCountFromText("220"), 220);
    EXPECT_EQ(lumivane::SeatCountFromText("12a"), 12);
    EXPECT_EQ(lumivane::SeatCountFromText("many"), 0);
    EXPECT_EQ(lumivane::SeatCountFromText("99999999999"), 2147483647);
}

TEST(AuditoriumTextsTest, SettingsLabelsShortenWithThePane) {
    constexpr int w = 10;
    EXPECT_EQ(SettingsLabelsFor(486, w),
              (SettingsLabels{"Finished floor to screen bottom ", "Finished floor to lens ",
                              "Size of front wall "}));
    EXPECT_EQ(SettingsLabelsFor(485, w),
              (SettingsLabels{"FF to screen bottom ", "FF to lens ", "Size of front wall "}));
    EXPECT_EQ(SettingsLabelsFor(425, w),
              (SettingsLabels{"FF to scrn. B ", "FF to L ", "Size of front wall "}));
    EXPECT_EQ(SettingsLabelsFor(415, w).frontWall, "Front wall ");
}

} // namespace
