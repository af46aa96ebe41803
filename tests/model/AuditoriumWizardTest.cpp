#include "model/AuditoriumWizard.h"

#include "base/AppContext.h"
#include "model/Auditorium.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "support/ShippedCatalog.h"

#include <gtest/gtest.h>

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
    EXPECT_NEAR(result.auditorium->ScreenWidth(), 7.0, 0.3);
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

} // namespace
} // namespace lumivane
