#include "model/ScreenLayout.h"

#include "base/AppContext.h"
#include "model/Auditorium.h"
#include "model/EditCommands.h"
#include "model/LensCandidates.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "support/ModelCatalogs.h"
#include "support/ScreenRoom.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using lumivane::FrontLayout;
using lumivane::FrontOptions;
using lumivane::FrontState;
using lumivane::PixelRect;

constexpr PixelRect kTarget{0, 0, 400, 300};

class ScreenLayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        lumivane::test::InstallModelCatalogs(m_dir.path());
        m_room = std::make_unique<lumivane::test::ScreenRoom>();
    }

    FrontLayout Layout(const FrontOptions& options = {}, const PixelRect& rect = kTarget,
                       const lumivane::FrontMapping* held = nullptr) {
        return lumivane::LayoutFront(m_room->Subjects(), m_geometry, rect, options, held);
    }

    lumivane::ScopedAppContext m_context;
    lumivane::test::TempDir m_dir;
    std::unique_ptr<lumivane::test::ScreenRoom> m_room;
    ImageGeometry m_geometry;
};

bool InDrawingRange(DrawPoint p) {
    return std::abs(p.x) <= 32768 && std::abs(p.y) <= 32768;
}

} // namespace

TEST_F(ScreenLayoutTest, NothingIsDrawnWithoutAnAuditorium) {
    const FrontLayout layout = lumivane::LayoutFront({}, m_geometry, kTarget, {});
    EXPECT_EQ(layout.state, FrontState::Empty);
}

TEST_F(ScreenLayoutTest, ScreenFillsTheTargetAndTheMarkerTurnsBackIntoItsPlace) {
    const FrontLayout layout = Layout();
    ASSERT_EQ(layout.state, FrontState::Drawn);
    // The 14 m screen is the widest thing: 380 pixels across, 10 from each side.
    EXPECT_DOUBLE_EQ(layout.mapping.scale, 380.0 / 14.0);
    EXPECT_NEAR(layout.screen.left, 10, 1);
    EXPECT_NEAR(layout.screen.right, 390, 1);
    ASSERT_TRUE(layout.image && layout.dragHandle);
    EXPECT_GT(layout.image->front().x, layout.screen.left);
    const lumivane::ProjectorPlace place =
        layout.PlaceAt(layout.dragHandle->x, layout.dragHandle->y);
    EXPECT_NEAR(place.lateral, 0.0, 1 / layout.mapping.scale);
    EXPECT_NEAR(place.lensHeight, 3.0, 1 / layout.mapping.scale);
    // Locked to the screen's centre, the marker shows that place and offers no drag.
    m_room->projector->SetLensHeight(5.0);
    lumivane::Ctx().settings.m_lockProjector = 1;
    const FrontLayout locked = Layout();
    EXPECT_FALSE(locked.dragHandle);
    EXPECT_EQ(locked.markers.front().centre.y, layout.dragHandle->y);
}

TEST_F(ScreenLayoutTest, HeldMappingKeepsTheScaleWhileTheContentGrows) {
    const FrontLayout before = Layout();
    m_room->projector->SetLateral(30.0);
    EXPECT_LT(Layout().mapping.scale, before.mapping.scale);
    EXPECT_EQ(Layout({}, kTarget, &before.mapping).mapping.scale, before.mapping.scale);
}

TEST_F(ScreenLayoutTest, TargetTooSmallForTheMarginsCannotBeScaled) {
    EXPECT_EQ(Layout({}, PixelRect{0, 0, 15, 15}).state, FrontState::Unscalable);
}

TEST_F(ScreenLayoutTest, PointsThatAreNotNumbersOrHugeNeverReachAPixel) {
    // A screen curved this tightly is missed by the outer rays.
    m_room->auditorium->SetCurveType(CurveAdjustable);
    m_room->auditorium->SetCurveValue(1.0);
    FrontLayout layout = Layout({true, true});
    ASSERT_EQ(layout.state, FrontState::Drawn);
    EXPECT_FALSE(layout.image);
    EXPECT_TRUE(layout.outline.empty());
    m_room->auditorium->SetCurveType(CurveNone);
    m_room->projector->SetLateral(1e12);
    layout = Layout({true, true});
    EXPECT_FALSE(layout.mapping.IsInvertible());
    EXPECT_EQ(layout.markers.front().centre.x, kTarget.MidX());
    for (const auto& line : layout.grid) {
        EXPECT_TRUE(std::all_of(line.begin(), line.end(), InDrawingRange));
    }
}

TEST_F(ScreenLayoutTest, LensCircleTakesTheBarrelInTenthsOfAMillimetre) {
    m_room->auditorium->SetAllowLensShift(true);
    const auto candidates = lumivane::ListCandidates(*m_room->setUp);
    ASSERT_FALSE(candidates.empty());
    lumivane::EditChooseLens(*m_room->auditorium, *m_room->setUp, candidates.front());
    const FrontLayout layout = Layout();
    ASSERT_EQ(layout.lensCircle.size(), 1U);
    const auto& circle = layout.lensCircle.front();
    const auto [left, right] = std::minmax_element(
        circle.begin(), circle.end(), [](DrawPoint a, DrawPoint b) { return a.x < b.x; });
    const double imageWidth = (*layout.image)[3].x - (*layout.image)[0].x;
    // Every catalog lens here has a 70.5 mm barrel; the image is the aperture magnified alike.
    EXPECT_NEAR((right->x - left->x) / imageWidth, 70.5 / m_room->setUp->EffApertureW(), 0.05);
}

TEST_F(ScreenLayoutTest, DraggedPlaceStaysWithinTheThrowWhileMovingAndTwiceWhenLetGo) {
    using lumivane::ClampDraggedPlace;
    const auto moving = ClampDraggedPlace({-50.0, -3.0}, 20.0, false);
    ASSERT_TRUE(moving);
    EXPECT_EQ(moving->lateral, -20.0);
    EXPECT_EQ(moving->lensHeight, 0.0);
    const auto released = ClampDraggedPlace({50.0, 70.0}, 20.0, true);
    EXPECT_EQ(released->lateral, 40.0);
    EXPECT_EQ(released->lensHeight, 40.0);
    EXPECT_FALSE(ClampDraggedPlace({std::nan(""), 1.0}, 20.0, true));
    EXPECT_FALSE(ClampDraggedPlace({1.0, 1.0}, INFINITY, false));
}

TEST_F(ScreenLayoutTest, PrintedGridGetsDenserOnWidePages) {
    EXPECT_EQ(lumivane::GridDensity(false, 3000), 8);
    EXPECT_EQ(lumivane::GridDensity(true, 1000), 8);
    EXPECT_EQ(lumivane::GridDensity(true, 1500), 10);
}
