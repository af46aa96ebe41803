#include "model/ProjectorTexts.h"

#include "base/AppContext.h"
#include "model/Auditorium.h"
#include "model/ProjectorType.h"
#include "support/ModelCatalogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace lumivane {

namespace {

TEST(ProjectorTextsTest, AnglesNameTheirDirection) {
    EXPECT_EQ(VerticalAngleText(4.04), "4.0 degrees down");
    EXPECT_EQ(VerticalAngleText(-2.25), "2.2 degrees up");
    EXPECT_EQ(HorizontalAngleText(0.0), "0.0 degrees left");
    EXPECT_EQ(HorizontalAngleText(-1.06), "1.1 degrees right");
}

class ProjectorPlaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::InstallModelCatalogs(m_dir.path());
        m_auditorium.SetFixedScreen(true);
        m_auditorium.SetScreenHeight(6.0);
        m_projector = m_auditorium.AddProjector(test::kFilmProjector);
    }

    ScopedAppContext m_context;
    test::TempDir m_dir;
    CAuditorium m_auditorium{1};
    CProjectorType* m_projector = nullptr;
};

TEST_F(ProjectorPlaceTest, FieldsShowSidesAndTheLockedCentre) {
    m_projector->SetLateral(-1.5);
    m_projector->SetLensHeight(-0.5);
    ShownPosition shown = ShownPositionOf(*m_projector);
    EXPECT_EQ(shown.lateral, -1.5);
    EXPECT_STREQ(shown.side, "Left");
    EXPECT_STREQ(shown.updown, "Down");
    Ctx().settings.m_lockProjector = 1;
    shown = ShownPositionOf(*m_projector);
    EXPECT_EQ(shown.lateral, 0.0);
    EXPECT_EQ(shown.lensHeight, 3.0);
    EXPECT_STREQ(shown.side, "Right");
    EXPECT_STREQ(shown.updown, "Up");
}

TEST_F(ProjectorPlaceTest, DefaultFollowsTheBoothHeightsOrFallsBackToTheCentre) {
    Ctx().settings.m_screenEdge = 0.25;
    EXPECT_EQ(CenterPosition(m_auditorium).lensHeight, 2.75);
    EXPECT_EQ(DefaultPosition(m_auditorium).lensHeight, 2.75);
    m_auditorium.SetFloorToBooth(7.0);
    m_auditorium.SetFloorToScreen(1.0);
    EXPECT_EQ(DefaultPosition(m_auditorium).lensHeight, 6.0);
    EXPECT_EQ(DefaultPosition(m_auditorium).lateral, 0.0);
}

TEST_F(ProjectorPlaceTest, PortholeTextNamesTheDistance) {
    m_auditorium.SetPortholeDistance(2.0);
    EXPECT_NE(PortholeText(*m_projector).find(" at 2.00m"), std::string::npos);
    EXPECT_EQ(PortholeText(CProjectorType(test::kFilmProjector)), "");
}

} // namespace

} // namespace lumivane
