#include "model/AuditoriumTexts.h"

#include "base/AppContext.h"
#include "model/Auditorium.h"
#include "support/ModelCatalogs.h"

#include <gtest/gtest.h>

namespace {

using lumivane::SettingsLabels;
using lumivane::SettingsLabelsFor;

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
}

TEST(AuditoriumTextsTest, SeatCountsReadTheLeadingNumberWithinTheSeatLimits) {
    EXPECT_EQ(lumivane::SeatCountFromText("220"), 220);
    EXPECT_EQ(lumivane::SeatCountFromText("12a"), 12);
    EXPECT_EQ(lumivane::SeatCountFromText("many"), 0);
    EXPECT_EQ(lumivane::SeatCountFromText("99999999999"), 99999);
    EXPECT_EQ(lumivane::SeatCountFromText("-40"), 0);
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
