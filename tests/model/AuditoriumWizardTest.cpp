#include "model/AuditoriumWizard.h"

#include "base/AppContext.h"
#include "model/Auditorium.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "support/ShippedCatalog.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace lumivane {
namespace {

class AuditoriumWizardTest : public ::testing::Test {
protected:
    AuditoriumWizardTest() { test::InstallShippedCatalogs(); }

    WizardAnswers Start() const { return StartAnswers(CAuditorium(1)); }

    ScopedAppContext context;
};

TEST_F(AuditoriumWizardTest, StartValuesComeFromANewAuditorium) {
    const WizardAnswers answers = Start();
    EXPECT_EQ(answers.wallHeight, 6.0);
    EXPECT_EQ(answers.wallWidth, 14.0);
    EXPECT_EQ(answers.screenBottom, 2.0);
    EXPECT_TRUE(answers.constantWidth);
    EXPECT_EQ(answers.lensHeight, 6.0);
    EXPECT_EQ(answers.throwDistance, 30.0);
    EXPECT_EQ(answers.formats, (std::vector<int>{0, 3}));
}

TEST_F(AuditoriumWizardTest, PercentAndSpaceFollowEachOther) {
    EXPECT_DOUBLE_EQ(SpaceFromPercent(50, 14.0), 7.0);
    EXPECT_EQ(PercentOfWall(3.5, 14.0), 25);
    EXPECT_EQ(PercentOfWall(3.5, 0.0), 0);
    EXPECT_EQ(PercentOfWall(30.0, 14.0), 100);
    EXPECT_EQ(PercentOfWall(-1.0, 14.0), 0);
    EXPECT_DOUBLE_EQ(SpaceFromPercent(250, 14.0), 14.0);
}

TEST_F(AuditoriumWizardTest, TheDefaultsGiveAScreenWithinTheWall) {
    const WizardResult result = BuildWizardAuditorium(Start(), 3);
    ASSERT_TRUE(result.auditorium) << result.message;
    const CAuditorium& built = *result.auditorium;
    EXPECT_EQ(built.Name(), "Auditorium 3");
    EXPECT_LE(built.ScreenHeight(), 4.0 + 1e-6);
    EXPECT_LE(built.ScreenWidth(), 14.0 + 1e-6);
    EXPECT_EQ(built.FloorToScreen(), 2.0);
    EXPECT_EQ(built.FloorToBooth(), 6.0);
    EXPECT_EQ(built.FrontWall()[0], 14.0);
    EXPECT_EQ(built.DefaultThrow(), 30.0);
    EXPECT_FALSE(built.ConstantHeight());
    ASSERT_EQ(built.LensTypeCount(), 2);
    // Constant width: the flat image sets the width, the scope image shares it.
    const CLensType& flat = *built.GetLensType(0);
    const CLensType& scope = *built.GetLensType(1);
    // The chosen lenses' focal lengths move the fitted images a little.
    EXPECT_NEAR(flat.ImageHeight(), 4.0, 0.1);
    EXPECT_NEAR(scope.ImageWidth(), flat.ImageWidth(), 0.4);
    EXPECT_NEAR(built.ScreenHeight(), flat.ExtentHeight(), 0.01);
    EXPECT_EQ(built.GetProjector(0)->LensHeight(), 4.0);
    EXPECT_TRUE(flat.HasCombination());
}

TEST_F(AuditoriumWizardTest, TheSideSpaceNarrowsTheScreen) {
    WizardAnswers answers = Start();
    answers.formats = {3};
    answers.sideSpace = 7.0;
    const WizardResult result = BuildWizardAuditorium(answers, 1);
    ASSERT_TRUE(result.auditorium) << result.message;
    // The best scope lens that is not too short throws a somewhat narrower image.
    EXPECT_LE(result.auditorium->ScreenWidth(), 7.0 + 1e-6);
    EXPECT_GT(result.auditorium->ScreenWidth(), 6.0);
}

// A 16 x 7.5 m wall with its bottom 1.2 m and 0.5 m above and below, 1.0 m at the sides kept
// clear: 5.8 x 15.0 m for the screen, under every option that changes the lenses or the shape.
TEST_F(AuditoriumWizardTest, TheScreenStaysWithinTheFreeWallThroughLaterRecalculation) {
    const auto answers = [this](bool constantWidth) {
        WizardAnswers a = Start();
        a.wallHeight = 7.5;
        a.wallWidth = 16.0;
        a.screenBottom = 1.2;
        a.lensHeight = 5.0;
        a.throwDistance = 22.0;
        a.sideSpace = 1.0;
        a.verticalSpace = 0.5;
        a.constantWidth = constantWidth;
        return a;
    };
    const std::vector<std::pair<const char*, std::function<void()>>> options{
        {"defaults",
         [] {
         }},
        {"lock image size",
         [] {
             Ctx().lockMode = LockImageSize;
         }},
        {"fixed focal lengths",
         [] {
             Ctx().settings.m_fixedFocal = 1;
         }},
        {"recommended curve",
         [] {
             Ctx().settings.m_radiusType = CurveRecommended;
         }},
        {"lacing",
         [] {
             Ctx().settings.m_screenEdge = 0.1;
         }},
        {"recommended tilt", [] {
             Ctx().settings.m_tiltType = TiltRecommended;
             Ctx().settings.m_tiltDepth = 12.0;
         }}};
    for (const auto& [name, apply] : options) {
        for (const bool constantWidth : {true, false}) {
            ScopedAppContext local;
            test::InstallShippedCatalogs();
            apply();
            const WizardResult result = BuildWizardAuditorium(answers(constantWidth), 1);
            ASSERT_TRUE(result.auditorium) << result.message;
            CAuditorium& built = *result.auditorium;
            const std::string what = std::string(name) + (constantWidth ? ", width" : ", height");
            EXPECT_FALSE(built.FixedScreen()) << what;
            EXPECT_LE(built.ScreenHeight(), 5.8 + 1e-6) << what;
            EXPECT_LE(built.ScreenWidth(), 15.0 + 1e-6) << what;
            // Not far below: the lenses fill the wall as far as their steps allow.
            EXPECT_GT(built.ScreenHeight() * built.ScreenWidth(), 0.6 * 5.8 * 15.0) << what;
            const double height = built.ScreenHeight();
            const double width = built.ScreenWidth();
            built.RefreshAllImages();
            built.Recalculate(nullptr);
            EXPECT_NEAR(built.ScreenHeight(), height, 1e-6) << what;
            EXPECT_NEAR(built.ScreenWidth(), width, 1e-6) << what;
        }
    }
}

TEST_F(AuditoriumWizardTest, TheSameAnswersGiveTheSameAuditorium) {
    WizardAnswers answers = Start();
    answers.constantWidth = false;
    answers.throwDistance = 22.0;
    const WizardResult first = BuildWizardAuditorium(answers, 1);
    const WizardResult second = BuildWizardAuditorium(answers, 1);
    ASSERT_TRUE(first.auditorium && second.auditorium);
    EXPECT_EQ(first.auditorium->ScreenHeight(), second.auditorium->ScreenHeight());
    EXPECT_EQ(first.auditorium->ScreenWidth(), second.auditorium->ScreenWidth());
    for (int i = 0; i < first.auditorium->LensTypeCount(); ++i) {
        EXPECT_EQ(first.auditorium->GetLensType(i)->Choice().GetName(),
                  second.auditorium->GetLensType(i)->Choice().GetName());
    }
}

TEST_F(AuditoriumWizardTest, ConstantHeightKeepsTheHeightOfTheFreeWall) {
    WizardAnswers answers = Start();
    answers.constantWidth = false;
    answers.verticalSpace = 1.0;
    const WizardResult result = BuildWizardAuditorium(answers, 1);
    ASSERT_TRUE(result.auditorium) << result.message;
    EXPECT_NEAR(result.auditorium->ScreenHeight(), 3.0, 0.05);
    EXPECT_LE(result.auditorium->ScreenWidth(), 14.0);
}

TEST_F(AuditoriumWizardTest, AnswersWithoutRoomOrFormatsAreRefused) {
    WizardAnswers answers = Start();
    answers.screenBottom = 6.0;
    EXPECT_FALSE(BuildWizardAuditorium(answers, 1).auditorium);
    EXPECT_NE(BuildWizardAuditorium(answers, 1).message, "");
    answers = Start();
    answers.formats.clear();
    EXPECT_FALSE(BuildWizardAuditorium(answers, 1).auditorium);
    answers.formats = {9999};
    EXPECT_FALSE(BuildWizardAuditorium(answers, 1).auditorium);
}

// Answers no lens can serve. No lens of the catalog is long enough for a 30 m throw onto a
// screen of 10 cm: the set-ups stay without a lens, sized to the free wall. A throw of a
// centimetre gives images of no sound size (nothing measurable lands on the screen): the
// screen is then set to the free wall rather than calculated from them.
TEST_F(AuditoriumWizardTest, AnswersNoLensCanServeStillKeepTheScreenOnTheWall) {
    WizardAnswers narrow = Start();
    narrow.wallHeight = 2.1;
    narrow.wallWidth = 0.1;
    WizardAnswers close = Start();
    close.lensHeight = 2.0;
    close.throwDistance = 0.01;
    const WizardResult slit = BuildWizardAuditorium(narrow, 1);
    const WizardResult near = BuildWizardAuditorium(close, 2);
    ASSERT_TRUE(slit.auditorium && near.auditorium);
    EXPECT_LE(slit.auditorium->ScreenWidth(), 0.1 + 1e-6);
    EXPECT_FALSE(slit.auditorium->GetLensType(0)->HasCombination());
    EXPECT_TRUE(near.auditorium->FixedScreen());
    EXPECT_EQ(near.auditorium->ScreenHeight(), 4.0);
    EXPECT_EQ(near.auditorium->ScreenWidth(), 14.0);
}

} // namespace
} // namespace lumivane
