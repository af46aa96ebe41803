#include "model/Drawing.h"

#include "base/AppContext.h"
#include "base/Length.h"
#include "model/Auditorium.h"
#include "model/FrontDrawing.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "model/SectionDrawing.h"
#include "support/ModelCatalogs.h"
#include "support/ScreenRoom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using lumivane::Drawing;
using lumivane::DrawingDimension;
using lumivane::DrawingLayer;
using lumivane::DrawingRole;

std::vector<DrawingDimension> Starting(const Drawing& drawing, const std::string& start) {
    std::vector<DrawingDimension> found;
    for (const DrawingDimension& d : drawing.dimensions) {
        if (d.line.text.rfind(start, 0) == 0) {
            found.push_back(d);
        }
    }
    return found;
}

std::size_t Count(const Drawing& drawing, DrawingRole role) {
    return static_cast<std::size_t>(
        std::count_if(drawing.paths.begin(), drawing.paths.end(),
                      [role](const auto& p) { return p.role == role; }));
}

bool HasText(const Drawing& drawing, const std::string& text) {
    return std::any_of(drawing.texts.begin(), drawing.texts.end(),
                       [&](const auto& t) { return t.text == text; });
}

class DrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        lumivane::test::InstallModelCatalogs();
        m_room = std::make_unique<lumivane::test::ScreenRoom>();
        m_room->auditorium->SetFloorToScreen(1.5);
    }

    lumivane::FrontDrawing Front() {
        lumivane::FrontDrawingOptions options;
        options.measures = true;
        return lumivane::DrawFront(m_room->Subjects(), options);
    }

    CProjectorType* AddProjectorAt(double throwDistance, double lensHeight) {
        CProjectorType* p = m_room->auditorium->AddProjector(lumivane::test::kFilmProjector);
        p->SetUseDefaultThrow(false);
        p->SetThrow(throwDistance, 1);
        p->SetLensHeight(lensHeight);
        return p;
    }

    lumivane::ScopedAppContext m_context;
    std::unique_ptr<lumivane::test::ScreenRoom> m_room;
};

} // namespace

TEST_F(DrawingTest, EveryFrontDimensionIsAsLongAsItSays) {
    const lumivane::FrontDrawing front = Front();
    ASSERT_TRUE(front.drawn);
    const Drawing& d = front.drawing;
    ASSERT_EQ(d.dimensions.size(), 9U);
    for (const DrawingDimension& dimension : d.dimensions) {
        EXPECT_NEAR(dimension.line.to - dimension.line.from, std::fabs(dimension.value), 1e-9)
            << dimension.line.text;
    }
    ImageGeometry geometry;
    geometry.SetSubjects(m_room->auditorium.get(), m_room->projector, m_room->setUp);
    EXPECT_NEAR(Starting(d, "Top Image : ").at(0).value, geometry.TopWidth(), 1e-12);
    EXPECT_NEAR(Starting(d, "Masked Image : ").at(1).value, geometry.InnerHeight(), 1e-12);
    const auto screen = Starting(d, "Screen (w/o lacing) : ");
    ASSERT_EQ(screen.size(), 2U);
    EXPECT_EQ(screen[0].line.text, "Screen (w/o lacing) : 14.00m");
    EXPECT_EQ(screen[1].line.text, "Screen (w/o lacing) : 6.00m");
    const auto floor = Starting(d, "Finished floor to screen bottom : ");
    ASSERT_EQ(floor.size(), 1U);
    EXPECT_EQ(floor[0].line.from, 0.0);
    EXPECT_EQ(floor[0].line.to, 1.5);
    EXPECT_EQ(front.screen.bottom, 1.5);
    // The scale bar: a round length a fifth of the width or less.
    EXPECT_TRUE(HasText(d, "2.00m"));
    EXPECT_EQ(Count(d, DrawingRole::Floor), 1U);
}

TEST_F(DrawingTest, LacingAndLensPlacesFollowTheOptions) {
    lumivane::Ctx().settings.m_screenEdge = 0.1;
    lumivane::FrontDrawing front = Front();
    EXPECT_NEAR(front.screen.Width(), 13.8, 1e-12);
    EXPECT_EQ(Starting(front.drawing, "Screen (w/o lacing) : ")[0].line.text,
              "Screen (w/o lacing) : 13.80m");
    ASSERT_EQ(front.lenses.size(), 1U);
    EXPECT_NEAR(front.lenses[0].at.y, 1.6 + 3.0, 1e-12);
    // Without measures only the picture itself is drawn.
    front = lumivane::DrawFront(m_room->Subjects(), {});
    EXPECT_TRUE(front.drawing.dimensions.empty());
    EXPECT_EQ(Count(front.drawing, DrawingRole::Floor), 0U);
}

TEST_F(DrawingTest, ADenserGridIsComputedPointByPoint) {
    lumivane::FrontDrawingOptions options;
    options.grid = true;
    options.gridDensity = 10;
    const Drawing d = lumivane::DrawFront(m_room->Subjects(), options).drawing;
    EXPECT_EQ(Count(d, DrawingRole::Grid), 22U);
    for (const auto& path : d.paths) {
        EXPECT_EQ(path.layer == DrawingLayer::Grid, path.role == DrawingRole::Grid);
    }
}

TEST_F(DrawingTest, EveryFormatOfTheProjectorIsOutlinedWithALegend) {
    m_room->auditorium->AddFormat(lumivane::test::kScopeFormat, 0);
    const Drawing d = Front().drawing;
    EXPECT_EQ(Count(d, DrawingRole::FlatFormat), 2U);
    EXPECT_EQ(Count(d, DrawingRole::ScopeFormat), 2U);
    EXPECT_TRUE(HasText(d, "Flat: Flat 1.85"));
    EXPECT_TRUE(HasText(d, "Scope: Scope 2.39"));
}

TEST_F(DrawingTest, SectionMeasuresEachThrowAndHeightOnce) {
    AddProjectorAt(20.0, 3.0);
    const lumivane::ScreenSubjects every{m_room->auditorium.get(), nullptr, nullptr};
    Drawing d = lumivane::DrawSection(every, true).drawing;
    const auto throws = Starting(d, "Throw Distance : ");
    ASSERT_EQ(throws.size(), 1U);
    EXPECT_EQ(throws[0].line.text, "Throw Distance : 20.00m");
    EXPECT_EQ(throws[0].line.to - throws[0].line.from, 20.0);
    const auto heights = Starting(d, "3.00m");
    ASSERT_EQ(heights.size(), 1U);
    EXPECT_EQ(heights[0].line.from, 1.5);
    EXPECT_EQ(heights[0].line.to, 4.5);
    EXPECT_EQ(Starting(d, "Finished floor to screen bottom : 1.50m").size(), 1U);
    AddProjectorAt(25.0, 3.0);
    d = lumivane::DrawSection(every, true).drawing;
    EXPECT_EQ(Starting(d, "Throw Distance : ").size(), 2U);
    EXPECT_EQ(Starting(d, "3.00m").size(), 1U);
    EXPECT_TRUE(lumivane::DrawSection(every, false).drawing.dimensions.empty());
}

TEST_F(DrawingTest, SectionLeansATiltedScreenAndLightsThroughThePorthole) {
    m_room->auditorium->SetTiltType(TiltAdjustable);
    m_room->auditorium->SetTiltAngle(10.0);
    m_room->auditorium->SetPortholeDistance(2.0);
    const Drawing d = lumivane::DrawSection(m_room->Subjects(), true).drawing;
    const auto screen = std::find_if(d.paths.begin(), d.paths.end(),
                                     [](const auto& p) { return p.role == DrawingRole::Screen; });
    ASSERT_NE(screen, d.paths.end());
    const ScreenPoint bottom = screen->points.front();
    const ScreenPoint top = screen->points.back();
    EXPECT_LT(top.x, bottom.x);
    EXPECT_NEAR(top.y - bottom.y, 6.0 * std::cos(10.0 * std::acos(-1.0) / 180), 1e-9);
    std::vector<double> wallGap;
    for (const auto& path : d.paths) {
        if (path.role == DrawingRole::Ray) {
            EXPECT_EQ(path.points.back().x, 20.0);
            EXPECT_EQ(path.points.back().y, 4.5);
            EXPECT_GT(path.points.front().y, bottom.y);
            EXPECT_LT(path.points.front().y, top.y);
        }
        if (path.role == DrawingRole::Booth) {
            EXPECT_EQ(path.points.front().x, 18.0);
            wallGap.push_back(path.points.front().y);
            wallGap.push_back(path.points.back().y);
        }
    }
    // The wall stands on the floor and opens round the beam, which passes the lens's height.
    ASSERT_EQ(wallGap.size(), 4U);
    EXPECT_EQ(wallGap[0], 0.0);
    EXPECT_LT(wallGap[1], 4.5);
    EXPECT_GT(wallGap[2], 4.5);
}

TEST_F(DrawingTest, SeatRowsStandAtTheirDistancesWithEyeLinesToTheScreen) {
    lumivane::RoomLight light;
    light.rows = {6.0, 24.0, std::nullopt};
    m_room->auditorium->SetLight(light);
    Drawing d = lumivane::DrawSection(m_room->Subjects(), true).drawing;
    // Without an eye height the rows are marks on the floor and no eye line is claimed.
    EXPECT_EQ(Count(d, DrawingRole::SeatRow), 2U);
    EXPECT_EQ(Count(d, DrawingRole::EyeLine), 0U);
    EXPECT_TRUE(HasText(d, "Nearest row") && HasText(d, "Farthest row"));

    light.rows.eyeHeight = 1.2;
    m_room->auditorium->SetLight(light);
    d = lumivane::DrawSection(m_room->Subjects(), true).drawing;
    const ScreenPoint screenTop{0.0, 7.5};
    const ScreenPoint screenBottom{0.0, 1.5};
    std::vector<ScreenPoint> eyeEnds;
    for (const auto& path : d.paths) {
        if (path.role == DrawingRole::EyeLine) {
            EXPECT_EQ(path.points.front().y, 1.2);
            eyeEnds.push_back(path.points.back());
        }
    }
    ASSERT_EQ(eyeEnds.size(), 4U);
    for (const ScreenPoint& end : eyeEnds) {
        EXPECT_NEAR(end.x, 0.0, 1e-12);
        EXPECT_TRUE(std::fabs(end.y - screenTop.y) < 1e-12 ||
                    std::fabs(end.y - screenBottom.y) < 1e-12);
    }
    const auto nearest = Starting(d, "Nearest row : ");
    const auto farthest = Starting(d, "Farthest row : ");
    ASSERT_EQ(nearest.size(), 1U);
    ASSERT_EQ(farthest.size(), 1U);
    EXPECT_EQ(nearest[0].line.to - nearest[0].line.from, 6.0);
    EXPECT_EQ(farthest[0].line.text, "Farthest row : 24.00m");
    // The floor runs past the farthest row.
    EXPECT_GT(d.Bounds().right, 24.0);
}

// The booth floor runs from the wall the porthole is cut in to behind the lens, and is measured
// up from the auditorium floor.
TEST_F(DrawingTest, TheBoothFloorRunsFromTheWallToBehindTheLens) {
    m_room->auditorium->SetPortholeDistance(2.0);
    const auto floors = [](const Drawing& d) {
        std::vector<std::pair<ScreenPoint, ScreenPoint>> level;
        for (const auto& path : d.paths) {
            if (path.role == DrawingRole::Booth && path.points.front().y == path.points.back().y) {
                level.emplace_back(path.points.front(), path.points.back());
            }
        }
        return level;
    };
    EXPECT_TRUE(floors(lumivane::DrawSection(m_room->Subjects(), true).drawing).empty());
    lumivane::RoomLight light;
    light.boothFloor = 3.2;
    m_room->auditorium->SetLight(light);
    const Drawing d = lumivane::DrawSection(m_room->Subjects(), true).drawing;
    const auto level = floors(d);
    ASSERT_EQ(level.size(), 1U);
    EXPECT_EQ(level[0].first.x, 18.0);
    EXPECT_EQ(level[0].first.y, 3.2);
    EXPECT_GT(level[0].second.x, 20.0);
    const auto measured = Starting(d, "Booth floor : 3.20m");
    ASSERT_EQ(measured.size(), 1U);
    EXPECT_TRUE(measured[0].line.vertical);
    EXPECT_EQ(measured[0].line.to - measured[0].line.from, 3.2);
    EXPECT_TRUE(
        Starting(lumivane::DrawSection(m_room->Subjects(), false).drawing, "Booth floor").empty());
}

TEST_F(DrawingTest, NothingIsDrawnWithoutAnAuditoriumOrAScreenHeight) {
    EXPECT_FALSE(lumivane::DrawFront({}, {}).drawn);
    EXPECT_FALSE(lumivane::DrawSection({}, true).drawn);
    m_room->auditorium->SetScreenHeight(0.0);
    EXPECT_FALSE(lumivane::DrawSection(m_room->Subjects(), true).drawn);
}

TEST(DrawingPrimitivesTest, DimensionsFlattenIntoLinesAndATextOnTheirLayer) {
    lumivane::ScopedAppContext context;
    Drawing d;
    d.textHeight = 0.2;
    d.AddDimension({false, 0.0, 10.0, -1.0, "10.00m"}, 10.0);
    const Drawing flat = lumivane::Flattened(d);
    EXPECT_TRUE(flat.dimensions.empty());
    EXPECT_EQ(flat.paths.size(), 8U);
    ASSERT_EQ(flat.texts.size(), 1U);
    EXPECT_EQ(flat.texts[0].layer, DrawingLayer::Dimensions);
    EXPECT_EQ(flat.texts[0].at.x, 5.0);
    const lumivane::DrawingBox box = d.Bounds();
    EXPECT_NEAR(box.left, 0.0, 1e-12);
    EXPECT_NEAR(box.right, 10.0, 1e-12);
    EXPECT_EQ(std::string(lumivane::LayerName(DrawingLayer::Dimensions)), "dimensions");
    EXPECT_EQ(lumivane::ScaleBarLength(14.0), 2.0);
    EXPECT_EQ(lumivane::ScaleBarLength(30.0), 5.0);
    lumivane::Ctx().metricUnits = false;
    EXPECT_NEAR(lumivane::ScaleBarLength(14.0), MetresFromFeet(5.0), 1e-12);
    EXPECT_EQ(lumivane::ScaleBarLength(std::nan("")), 0.0);
}
