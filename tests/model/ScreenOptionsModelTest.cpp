#include "model/ScreenOptionsModel.h"

#include "base/AppContext.h"
#include "base/SettingsStartup.h"
#include "model/Auditorium.h"
#include "support/MemorySettingsStore.h"

#include <gtest/gtest.h>

namespace lumivane {
namespace {

class ScreenOptionsModelTest : public ::testing::Test {
protected:
    ScopedAppContext context;
    AppSettings options;
};

TEST_F(ScreenOptionsModelTest, AdjustableCurveStartsFromThePreviewedPercentage) {
    options.m_radiusType = CurveThreeQuarters;
    ScreenOptionsModel page(options);
    EXPECT_EQ(page.CurvePercentText(), " 75%");
    EXPECT_EQ(page.CurveFractionText(), "3/4");
    EXPECT_FALSE(page.CurveSliderEnabled());
    EXPECT_GT(page.ChordDepth(), 0);

    page.SelectCurveType(CurveAdjustable);
    EXPECT_TRUE(page.CurveSliderEnabled());
    EXPECT_EQ(page.CurveSlider(), 75);
    page.MoveCurveSlider(200);
    EXPECT_EQ(page.CurveFractionText(), "2");
    page.ApplyTo(options);
    EXPECT_EQ(options.m_radiusType, CurveAdjustable);
    EXPECT_EQ(options.m_radiusValue, 200);
}

TEST_F(ScreenOptionsModelTest, AudienceBelowTheScreenIsStoredNegative) {
    options.m_tiltType = TiltRecommended;
    options.m_tiltValue = 1.2;
    options.m_tiltDepth = 9.0;
    ScreenOptionsModel page(options);
    EXPECT_TRUE(page.AudienceEnabled());
    EXPECT_FALSE(page.TiltSliderEnabled());
    EXPECT_EQ(page.AudienceHeight(), 1.2);
    EXPECT_EQ(page.AudienceDistance(), 9.0);

    page.SetAudienceHeight(-1.5);
    EXPECT_EQ(page.AudienceSideText(), "below");
    page.ApplyTo(options);
    test::MemorySettingsStore store;
    WriteOptions(store, options);
    EXPECT_EQ(store.ReadInt("Options", "TiltValue", 0), -1500);
    EXPECT_EQ(store.ReadInt("Options", "TiltDepth", 0), 9000);
    AppSettings read;
    ReadOptions(store, read);
    EXPECT_DOUBLE_EQ(read.m_tiltValue, -1.5);
}

TEST_F(ScreenOptionsModelTest, AdjustableTiltShowsItsAngleAndOtherTypesKeepTheDepth) {
    options.m_tiltType = TiltAdjustable;
    options.m_tiltValue = 5.0;
    options.m_tiltDepth = 7.0;
    ScreenOptionsModel page(options);
    EXPECT_DOUBLE_EQ(page.TiltSlider(), 5.0);
    EXPECT_EQ(page.TiltAngleText(), "  5");
    EXPECT_EQ(page.TiltDirectionText(), "backwards");
    page.MoveTiltSlider(12.0);
    page.SelectTiltType(TiltNone);
    EXPECT_FALSE(page.TiltSliderEnabled());
    EXPECT_FALSE(page.AudienceEnabled());
    page.ApplyTo(options);
    EXPECT_EQ(options.m_tiltValue, page.TiltSlider());
    EXPECT_EQ(options.m_tiltDepth, 7.0);
}

TEST_F(ScreenOptionsModelTest, PortholeDistanceIsKeptWhileItsBoxIsClear) {
    options.m_porthole = 1;
    options.m_portholeThrow = 2.5;
    ScreenOptionsModel page(options);
    page.SetPorthole(false);
    EXPECT_FALSE(page.PortholeDistanceEnabled());
    page.SetLacing(0.0254);
    page.ApplyTo(options);
    EXPECT_EQ(options.m_porthole, 0);
    EXPECT_EQ(options.m_portholeThrow, 2.5);
    EXPECT_EQ(ThousandthsFromValue(options.m_screenEdge), 25);
}

} // namespace
} // namespace lumivane
