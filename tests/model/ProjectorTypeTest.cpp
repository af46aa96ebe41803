#include "model/ProjectorType.h"

#include "base/AppContext.h"
#include "model/Auditorium.h"
#include "model/LensType.h"
#include "support/ModelCatalogs.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using lumivane::test::kFilmProjector;
using lumivane::test::kFlatFormat;
using lumivane::test::kPanelFormat;
using lumivane::test::kPanelProjector;
using lumivane::test::kScopeFormat;

class ProjectorTypeTest : public ::testing::Test {
protected:
    void SetUp() override {
        lumivane::test::InstallModelCatalogs();
        m_auditorium.SetFixedScreen(true);
        m_projector = m_auditorium.AddProjector(kFilmProjector);
    }

    lumivane::ScopedAppContext m_context;
    CAuditorium m_auditorium{1};
    CProjectorType* m_projector = nullptr;
};

TEST_F(ProjectorTypeTest, NameAndFormatSupportComeFromTheModel) {
    EXPECT_EQ(m_projector->Name(), "Film 35");
    EXPECT_TRUE(m_projector->SupportsFormat(kScopeFormat));
    EXPECT_FALSE(m_projector->SupportsFormat(kPanelFormat));
    EXPECT_FALSE(m_projector->SupportsFormat(-1));
    EXPECT_EQ(m_projector->FirstSupportedFormat(1), kScopeFormat);
    EXPECT_EQ(m_projector->FirstSupportedFormat(2), -1);
    CProjectorType panel(kPanelProjector);
    EXPECT_EQ(panel.Name(), "Cine DP2K");
    EXPECT_EQ(panel.GetOrAddLensType(kPanelFormat)->PanelWidth(), 2048);
    CProjectorType unknown(40);
    EXPECT_EQ(unknown.Name(), "Unknown projector");
    EXPECT_EQ(unknown.GetOrAddLensType(kFlatFormat), nullptr);
}

TEST_F(ProjectorTypeTest, ShortThrowLowersTheLens) {
    m_projector->SetUseDefaultThrow(false);
    m_projector->SetThrow(1.5, 1);
    EXPECT_EQ(m_projector->LensHeight(), 3.0);
}

TEST_F(ProjectorTypeTest, ThrowWithoutForceLeavesSetUpsUnderImageAndFocalLocks) {
    m_projector->SetUseDefaultThrow(false);
    CLensType* setUp = m_auditorium.AddFormat(kFlatFormat, 0);
    const double height = setUp->ImageHeight();
    const double focal = setUp->Focal();
    for (LockMode mode : {LockImageSize, LockFocalLength}) {
        lumivane::Ctx().lockMode = mode;
        m_projector->SetThrow(25.0, 0);
        EXPECT_EQ(setUp->ImageHeight(), height);
        EXPECT_EQ(setUp->Focal(), focal);
    }
    lumivane::Ctx().lockMode = LockThrow;
    m_projector->SetThrow(35.0, 0);
    EXPECT_GT(setUp->ImageHeight(), height);
    EXPECT_EQ(setUp->Focal(), focal);
}

TEST_F(ProjectorTypeTest, RemovingASetUpKeepsTheSelectionOnTheSameOne) {
    CLensType* flat = m_projector->GetOrAddLensType(kFlatFormat);
    CLensType* scope = m_projector->GetOrAddLensType(kScopeFormat);
    ASSERT_NE(flat, nullptr);
    m_projector->SetSelected(1);
    m_projector->RemoveLensType(kFlatFormat);
    EXPECT_EQ(m_projector->Selected(), 0);
    EXPECT_EQ(m_projector->GetLensType(0), scope);
    m_projector->RemoveLensType(kFlatFormat);
    EXPECT_EQ(m_projector->Selected(), 0);
    m_projector->RemoveLensType(kScopeFormat);
    EXPECT_EQ(m_projector->Selected(), -1);
}

TEST_F(ProjectorTypeTest, RemovingTheSelectedSetUpSelectsTheFirst) {
    m_projector->GetOrAddLensType(kFlatFormat);
    m_projector->GetOrAddLensType(kScopeFormat);
    m_projector->SetSelected(1);
    m_projector->RemoveLensType(kScopeFormat);
    EXPECT_EQ(m_projector->Selected(), 0);
}

TEST_F(ProjectorTypeTest, AnglesFollowTheLensPosition) {
    m_projector->SetLensHeight(3.0);
    EXPECT_EQ(m_projector->GetVerticalAngle(), 0);
    // A lens a hair off the centre line aims level, not degrees away as the textbook form has it.
    for (const double off : {6.6e-14, 1.8e-13, 2e-9}) {
        m_projector->SetLensHeight(3.0 + off);
        EXPECT_NEAR(m_projector->GetVerticalAngle(), 0, 1e-6) << off;
    }
    m_projector->SetLensHeight(8.0);
    const double h = 30.0, g = 8.0, m = 2.0;
    const double expected =
        std::atan((std::sqrt((h * h + m * m) * (h * h + g * g)) + g * m - h * h) / (h * (g + m))) *
        57.29577951307999939;
    EXPECT_DOUBLE_EQ(m_projector->GetVerticalAngle(), expected);
    m_projector->SetLateral(-3.0);
    EXPECT_DOUBLE_EQ(m_projector->GetHorizontalAngle(), std::atan(-0.1) * 57.29577951307999939);
    lumivane::Ctx().settings.m_lockProjector = 1;
    EXPECT_EQ(m_projector->GetVerticalAngle(), 0);
    EXPECT_EQ(m_projector->GetHorizontalAngle(), 0);
}

TEST_F(ProjectorTypeTest, CopyTakesTheEffectiveThrowAndCopiesSetUps) {
    m_projector->GetOrAddLensType(kFlatFormat);
    m_auditorium.SetDefaultThrow(22.0, 0);
    CProjectorType copy(*m_projector);
    EXPECT_EQ(copy.OwnThrow(), 22.0);
    EXPECT_EQ(copy.LensTypeCount(), 1);
    EXPECT_NE(copy.GetLensType(0), m_projector->GetLensType(0));
    EXPECT_EQ(copy.Selected(), -1);
}

} // namespace
