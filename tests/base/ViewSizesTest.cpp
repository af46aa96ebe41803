#include "base/ViewSizes.h"

#include <gtest/gtest.h>

namespace lumivane {
namespace {

TEST(ViewSizesTest, TracksAndDrawingsGrowWithTheTextButNeverGetTiny) {
    EXPECT_EQ(SliderTrackLeast(10), 96);
    EXPECT_EQ(SliderTrackLeast(17), 102);
    EXPECT_EQ(DrawingLeastHeight(12), 160);
    EXPECT_EQ(DrawingLeastHeight(34), 340);
    EXPECT_EQ(DrawingLeastWidth(12), 240);
}

TEST(ViewSizesTest, PartsFitSideBySideWithTheirSpacing) {
    EXPECT_TRUE(FitsSideBySide(306, {100, 200}, 6));
    EXPECT_FALSE(FitsSideBySide(305, {100, 200}, 6));
    EXPECT_TRUE(FitsSideBySide(0, {}, 6));
    EXPECT_TRUE(FitsSideBySide(100, {100}, 6));
}

// Groups of 500, lenses of 260 and a drawing of 240, 6 apart.
TEST(ViewSizesTest, TheLensesGoBesideTheGroupsThenBesideTheDrawingThenBelow) {
    EXPECT_EQ(PlaceLensPanel(766, 500, 260, 240, 6), LensPanelPlace::BesideGroups);
    EXPECT_EQ(PlaceLensPanel(765, 500, 260, 240, 6), LensPanelPlace::BesideDrawing);
    EXPECT_EQ(PlaceLensPanel(506, 500, 260, 240, 6), LensPanelPlace::BesideDrawing);
    EXPECT_EQ(PlaceLensPanel(505, 500, 260, 240, 6), LensPanelPlace::Below);
}

// A group of 290 and image controls of 300, lenses of 220 and a drawing of 240, 6 apart.
TEST(ViewSizesTest, ANarrowPageStacksTheGroupsAndPutsTheLensesBesideTheImageControls) {
    EXPECT_EQ(PlanSetUpPage(822, 290, 300, 220, 240, 6),
              (SetUpPagePlan{true, LensPanelPlace::BesideGroups}));
    EXPECT_EQ(PlanSetUpPage(700, 290, 300, 220, 240, 6),
              (SetUpPagePlan{true, LensPanelPlace::BesideDrawing}));
    EXPECT_EQ(PlanSetUpPage(560, 290, 300, 220, 240, 6),
              (SetUpPagePlan{false, LensPanelPlace::BesideGroups}));
    EXPECT_EQ(PlanSetUpPage(500, 290, 300, 220, 240, 6),
              (SetUpPagePlan{false, LensPanelPlace::BesideDrawing}));
    EXPECT_EQ(PlanSetUpPage(400, 290, 300, 220, 240, 6),
              (SetUpPagePlan{false, LensPanelPlace::Below}));
}

} // namespace
} // namespace lumivane
