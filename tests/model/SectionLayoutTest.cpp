#include "model/SectionLayout.h"

#include "base/AppContext.h"
#include "model/Auditorium.h"
#include "model/ProjectorType.h"
#include "support/ModelCatalogs.h"
#include "support/ScreenRoom.h"

#include <gtest/gtest.h>

namespace {

using lumivane::SectionLayout;

constexpr lumivane::PixelRect kTarget{0, 0, 500, 300};

class SectionLayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        lumivane::test::InstallModelCatalogs();
        m_room = std::make_unique<lumivane::test::ScreenRoom>();
    }

    SectionLayout Layout(lumivane::ScreenSubjects subjects) {
        return lumivane::LayoutSection(subjects, m_geometry, kTarget);
    }

    lumivane::ScopedAppContext m_context;
    std::unique_ptr<lumivane::test::ScreenRoom> m_room;
    ImageGeometry m_geometry;
};

} // namespace

TEST_F(SectionLayoutTest, BackwardTiltLeansTheTopAwayFromTheProjector) {
    m_room->auditorium->SetTiltType(TiltAdjustable);
    m_room->auditorium->SetTiltAngle(10.0);
    const SectionLayout layout = Layout(m_room->Subjects());
    ASSERT_TRUE(layout.drawn);
    ASSERT_EQ(layout.projectors.size(), 1U);
    const DrawPoint lens = layout.projectors.front().lens;
    EXPECT_GT(lens.x, layout.screenBottom.x);
    EXPECT_LT(layout.screenTop.x, layout.screenBottom.x);
    EXPECT_LT(layout.screenTop.y, layout.screenBottom.y);
    // Light from the image's top and bottom, which lie on the screen, to the lens.
    ASSERT_EQ(layout.projectors.front().rays.size(), 2U);
    for (const lumivane::LineSegment& ray : layout.projectors.front().rays) {
        EXPECT_EQ(ray.x2, lens.x);
        EXPECT_GT(ray.y1, layout.screenTop.y);
        EXPECT_LT(ray.y1, layout.screenBottom.y);
    }
}

TEST_F(SectionLayoutTest, CurveDepthIsDrawnOnTheProjectorSide) {
    m_room->auditorium->SetCurveType(CurveThrow);
    const SectionLayout layout = Layout(m_room->Subjects());
    ASSERT_EQ(layout.chord.size(), 4U);
    EXPECT_GT(layout.chord[1].x, layout.screenTop.x);
}

TEST_F(SectionLayoutTest, WithoutAThrowOrAProjectorOnlyTheScreenIsDrawn) {
    m_room->projector->SetThrow(0.0, 1);
    SectionLayout layout = Layout(m_room->Subjects());
    EXPECT_TRUE(layout.drawn);
    EXPECT_TRUE(layout.projectors.empty());
    EXPECT_NEAR(layout.screenTop.x, kTarget.MidX(), 1);
    CAuditorium empty(2);
    layout = Layout({&empty, nullptr, nullptr});
    EXPECT_TRUE(layout.drawn);
    EXPECT_TRUE(layout.projectors.empty());
    empty.SetScreenHeight(0.0);
    EXPECT_FALSE(Layout({&empty, nullptr, nullptr}).drawn);
}

TEST_F(SectionLayoutTest, EveryProjectorGetsRaysFromTheScreenEdgesAndItsDimensions) {
    m_room->auditorium->AddProjector(lumivane::test::kFilmProjector)->SetLensHeight(5.0);
    const SectionLayout layout = Layout({m_room->auditorium.get(), nullptr, nullptr});
    ASSERT_EQ(layout.projectors.size(), 2U);
    EXPECT_EQ(layout.projectors[1].rays.front().y1, layout.screenTop.y);
    const auto dimensions = lumivane::SectionDimensions(layout, 10.0);
    ASSERT_EQ(dimensions.size(), 4U);
    EXPECT_EQ(dimensions[0].text, "Throw Distance : 20.00m");
    EXPECT_EQ(dimensions[3].text, "5.00m");
    EXPECT_EQ(dimensions[3].to, layout.floorY);
}
