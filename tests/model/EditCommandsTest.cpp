#include "model/EditCommands.h"

#include "base/AppContext.h"
#include "catalog/Descriptor.h"
#include "catalog/LensDatabase.h"
#include "model/Auditorium.h"
#include "model/LensCandidates.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "support/ModelCatalogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

using lumivane::EditView;
using lumivane::test::kFilmProjector;
using lumivane::test::kFlatFormat;
using lumivane::test::kScopeFormat;

class EditCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        lumivane::test::InstallModelCatalogs(m_dir.path());
        m_auditorium.SetFixedScreen(true);
        m_projector = m_auditorium.AddProjector(kFilmProjector);
        m_projector->SetUseDefaultThrow(false);
        m_projector->SetThrow(20.0, 1);
        m_projector->SetLensHeight(3.0);
        m_setUp = m_auditorium.AddFormat(kFlatFormat, 0);
        m_setUp->SetLinked(false);
    }

    lumivane::ScopedAppContext m_context;
    lumivane::test::TempDir m_dir;
    CAuditorium m_auditorium{1};
    CProjectorType* m_projector = nullptr;
    CLensType* m_setUp = nullptr;
};

TEST_F(EditCommandsTest, FocalEditUnderLockImageSizeMovesTheProjector) {
    lumivane::Ctx().lockMode = LockImageSize;
    const double height = m_setUp->ImageHeight();
    lumivane::EditFocalLength(m_auditorium, *m_setUp, 60.0, EditView::Projector);
    EXPECT_DOUBLE_EQ(m_setUp->ImageHeight(), height);
    EXPECT_DOUBLE_EQ(m_setUp->Focal(), 0.06);
    EXPECT_DOUBLE_EQ(m_projector->GetThrow(),
                     CLensType::ThrowFromImage(60.0, height, m_setUp->EffApertureH()));
}

TEST_F(EditCommandsTest, FocalEditUnderLockThrowKeepsTheThrow) {
    for (LockMode mode : {LockThrow, LockFocalLength}) {
        lumivane::Ctx().lockMode = mode;
        lumivane::EditFocalLength(m_auditorium, *m_setUp, 55.0, EditView::Format);
        EXPECT_EQ(m_projector->GetThrow(), 20.0);
        EXPECT_DOUBLE_EQ(m_setUp->Focal(), 0.055);
        EXPECT_DOUBLE_EQ(m_setUp->ImageHeight(),
                         CLensType::ImageFromThrow(m_auditorium.GetSlantThrow(m_setUp), 0.055,
                                                   m_setUp->EffApertureH()));
    }
}

TEST_F(EditCommandsTest, ImageEditUnderLockFocalLengthKeepsTheFocalLength) {
    lumivane::Ctx().lockMode = LockFocalLength;
    const double focal = m_setUp->Focal();
    lumivane::EditImageSize(m_auditorium, *m_setUp, 4.5, false);
    EXPECT_EQ(m_setUp->Focal(), focal);
    EXPECT_DOUBLE_EQ(m_setUp->ImageHeight(), 4.5);
    EXPECT_DOUBLE_EQ(m_projector->GetThrow(),
                     CLensType::ThrowFromImage(focal * 1000, 4.5, m_setUp->EffApertureH()));
}

TEST_F(EditCommandsTest, ImageEditUnderLockThrowAndImageKeepsTheThrow) {
    for (LockMode mode : {LockThrow, LockImageSize}) {
        lumivane::Ctx().lockMode = mode;
        lumivane::EditImageSize(m_auditorium, *m_setUp, 8.0, true);
        EXPECT_EQ(m_projector->GetThrow(), 20.0);
        EXPECT_DOUBLE_EQ(m_setUp->ImageWidth(), 8.0);
        EXPECT_NEAR(m_setUp->Focal(),
                    CLensType::FocalFromThrow(m_auditorium.GetSlantThrow(m_setUp), 8.0,
                                              m_setUp->EffApertureW()),
                    1e-15);
    }
}

TEST_F(EditCommandsTest, TypedThrowHasAFloorOfThreeMetresAndKeepsTheLensPosition) {
    m_projector->SetLensHeight(5.0);
    m_projector->SetLateral(4.0);
    lumivane::EditThrow(m_auditorium, *m_projector, m_setUp, 1.0);
    EXPECT_EQ(m_projector->GetThrow(), 3.0);
    EXPECT_EQ(m_projector->LensHeight(), 5.0);
    EXPECT_EQ(m_projector->Lateral(), 4.0);
}

TEST_F(EditCommandsTest, ThrowEditUnderLockImageSizeMovesTheFocalLengthWithoutALens) {
    lumivane::Ctx().lockMode = LockImageSize;
    const double height = m_setUp->ImageHeight();
    lumivane::EditThrow(m_auditorium, *m_projector, m_setUp, 25.0);
    EXPECT_EQ(m_setUp->ImageHeight(), height);
    EXPECT_DOUBLE_EQ(m_setUp->Focal(),
                     CLensType::FocalFromThrow(m_auditorium.GetSlantThrow(m_setUp), height,
                                               m_setUp->EffApertureH()));
}

TEST_F(EditCommandsTest, EditsRefreshTheExtentsAndTheFit) {
    lumivane::EditFocalLength(m_auditorium, *m_setUp, 30.0, EditView::Projector);
    EXPECT_GT(m_setUp->ExtentHeight(), m_auditorium.ScreenHeight());
    EXPECT_EQ(m_setUp->Masked(), 1);
    lumivane::EditFocalLength(m_auditorium, *m_setUp, 90.0, EditView::Projector);
    EXPECT_EQ(m_setUp->Masked(), 0);
}

// A projector on the default throw takes every other one on it along: their images are
// measured afresh too, and fitted to the screen.
TEST_F(EditCommandsTest, AThrowOnTheDefaultMeasuresEveryProjectorOnIt) {
    CProjectorType* other = m_auditorium.AddProjector(kFilmProjector);
    CLensType* scope = m_auditorium.AddFormat(kScopeFormat, 1);
    m_projector->SetUseDefaultThrow(true);
    m_auditorium.Recalculate(nullptr);
    ASSERT_EQ(other->UseDefaultThrow(), 1);
    const double before = scope->ExtentHeight();
    lumivane::EditThrow(m_auditorium, *m_projector, m_setUp, 10.0);
    EXPECT_DOUBLE_EQ(other->GetThrow(), 10.0);
    EXPECT_LT(scope->ExtentHeight(), before * 0.7);
    EXPECT_DOUBLE_EQ(scope->ExtentHeight(), m_auditorium.MeasureExtents(*scope).first);
    EXPECT_EQ(scope->Masked(), m_auditorium.Fits(*scope) ? 0 : 1);
}

TEST_F(EditCommandsTest, LinkedSetUpsFollowTheEditedOne) {
    CLensType* scope = m_auditorium.AddFormat(kScopeFormat, 0);
    m_setUp->SetLinked(true);
    lumivane::EditImageSize(m_auditorium, *m_setUp, 4.0, false);
    EXPECT_DOUBLE_EQ(scope->ImageHeight(), 4.0);
}

TEST_F(EditCommandsTest, ChoosingTheBestLensBindsTheSetUp) {
    m_setUp->SetFocalLength(52.0);
    ASSERT_FALSE(lumivane::ListCandidates(*m_setUp).empty());
    EXPECT_EQ(m_setUp->Barrel(), 0);
    ASSERT_TRUE(lumivane::ChooseBest(*m_setUp));
    EXPECT_EQ(m_setUp->Choice().Items().front()->Id(), 0x0050);
    EXPECT_EQ(m_setUp->Barrel(), 705);
    const auto menu = lumivane::CandidateMenu(*m_setUp);
    ASSERT_FALSE(menu.empty());
    EXPECT_EQ(menu.front().command, 33985);
    const auto list = lumivane::ListCandidates(*m_setUp);
    for (std::size_t i = 1; i < list.size(); ++i) {
        EXPECT_GE(list[i - 1].GetQuality(), list[i].GetQuality());
    }
    const auto second = lumivane::NthCandidate(*m_setUp, 1);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->GetName(), list[1].GetName());
    EXPECT_FALSE(lumivane::NthCandidate(*m_setUp, 500));
}

TEST_F(EditCommandsTest, ChoosingTheBestLensBindsTheBarrelEvenWhenNoLensFits) {
    m_setUp->SetFocalLength(500.0);
    EXPECT_FALSE(lumivane::ChooseBest(*m_setUp));
    EXPECT_FALSE(m_setUp->HasCombination());
    EXPECT_EQ(m_setUp->Barrel(), 705);
}

TEST_F(EditCommandsTest, PickingALensBindsTheSetUpToItsBarrel) {
    m_setUp->SetBarrel(525); // no lens for this format has it
    CLensChoice pick;
    pick.AddItem(lumivane::Ctx().lenses->FindItem(0x0075));
    pick.Evaluate(*m_setUp);
    lumivane::EditChooseLens(m_auditorium, *m_setUp, pick);
    EXPECT_EQ(m_setUp->Barrel(), 705);
    EXPECT_EQ(m_setUp->Choice().GetName(), pick.GetName());
}

// Moving the lens keeps the focal length: under Lock Throw the image follows the new slant
// throw, under Lock Image Size the projector moves to keep the image.
TEST_F(EditCommandsTest, LensPositionEditReappliesTheFocalLength) {
    const double focal = m_setUp->Focal();
    lumivane::EditProjectorPosition(m_auditorium, *m_projector, m_setUp, 0.5, 6.0,
                                    EditView::Projector);
    EXPECT_EQ(m_projector->LensHeight(), 6.0);
    EXPECT_EQ(m_setUp->Focal(), focal);
    EXPECT_DOUBLE_EQ(m_setUp->ImageHeight(),
                     CLensType::ImageFromThrow(m_auditorium.GetSlantThrow(m_setUp), focal,
                                               m_setUp->EffApertureH()));

    lumivane::Ctx().lockMode = LockImageSize;
    const double height = m_setUp->ImageHeight();
    lumivane::EditProjectorPosition(m_auditorium, *m_projector, m_setUp, 0.0, 2.0,
                                    EditView::Projector);
    EXPECT_EQ(m_setUp->Focal(), focal);
    EXPECT_EQ(m_setUp->ImageHeight(), height);
    EXPECT_DOUBLE_EQ(m_projector->GetThrow(),
                     CLensType::ThrowFromImage(focal * 1000, height, m_setUp->EffApertureH()));
}

TEST_F(EditCommandsTest, LensShiftNeedsPermission) {
    lumivane::EditLensShift(m_auditorium, *m_setUp, 0.001, 0.0);
    EXPECT_EQ(m_setUp->ShiftV(), 0);
    m_auditorium.SetAllowLensShift(true);
    lumivane::EditLensShift(m_auditorium, *m_setUp, 0.001, 0.0);
    EXPECT_EQ(m_setUp->ShiftV(), 0.001);
    EXPECT_GT(m_projector->ImageOffsetV(), 0);
}

} // namespace

TEST_F(EditCommandsTest, DraggedPositionKeepsTheThrowAndFollowsTheLockMode) {
    m_projector->SetThrow(20.0, 1);
    const double focal = m_setUp->Focal();
    lumivane::EditDraggedPosition(m_auditorium, *m_projector, m_setUp, 2.0, 9.0);
    EXPECT_EQ(m_projector->Lateral(), 2.0);
    EXPECT_EQ(m_projector->LensHeight(), 9.0);
    EXPECT_EQ(m_projector->GetThrow(), 20.0);
    EXPECT_EQ(m_setUp->Focal(), focal);
    const double slant = m_auditorium.GetSlantThrow(m_setUp);
    EXPECT_DOUBLE_EQ(m_setUp->ImageHeight(),
                     CLensType::ImageFromThrow(slant, focal, m_setUp->EffApertureH()));

    lumivane::Ctx().lockMode = LockImageSize;
    const double height = m_setUp->ImageHeight();
    lumivane::EditDraggedPosition(m_auditorium, *m_projector, m_setUp, 0.0, 3.0);
    EXPECT_EQ(m_projector->GetThrow(), 20.0);
    EXPECT_DOUBLE_EQ(m_setUp->ImageHeight(), height);
    EXPECT_NE(m_setUp->Focal(), focal);
}

namespace {

// The centre sizes the image again at the new place; the booth's default place does not.
TEST_F(EditCommandsTest, CenterAndDefaultPlaceTheProjector) {
    m_auditorium.SetScreenHeight(6.0);
    m_projector->SetLateral(2.0);
    m_setUp->SetImageHeight(4.0);
    lumivane::EditPlaceProjector(m_auditorium, *m_projector, m_setUp,
                                 lumivane::PositionButton::Center);
    EXPECT_EQ(m_projector->Lateral(), 0.0);
    EXPECT_EQ(m_projector->LensHeight(), 3.0);
    EXPECT_DOUBLE_EQ(m_setUp->Focal(),
                     CLensType::FocalFromThrow(m_auditorium.GetSlantThrow(m_setUp),
                                               m_setUp->ImageHeight(), m_setUp->EffApertureH()));
    EXPECT_DOUBLE_EQ(m_setUp->ImageHeight(), 4.0);

    m_auditorium.SetFloorToBooth(8.0);
    m_auditorium.SetFloorToScreen(1.5);
    const double now = m_setUp->Focal();
    lumivane::EditPlaceProjector(m_auditorium, *m_projector, m_setUp,
                                 lumivane::PositionButton::Default);
    EXPECT_EQ(m_projector->LensHeight(), 6.5);
    EXPECT_EQ(m_setUp->Focal(), now);
}

TEST_F(EditCommandsTest, SizeModeLinksTheSetUpAndKeepsItsWidth) {
    const double width = m_setUp->ImageWidth();
    lumivane::EditSizeMode(m_auditorium, m_setUp, true);
    EXPECT_EQ(m_auditorium.ConstantHeight(), 0);
    EXPECT_EQ(m_setUp->Linked(), 1);
    EXPECT_DOUBLE_EQ(m_setUp->ImageWidth(), width);
    lumivane::EditSizeMode(m_auditorium, nullptr, false);
    EXPECT_EQ(m_auditorium.ConstantHeight(), 1);
}

} // namespace
