#include "model/Auditorium.h"

#include "base/AppContext.h"
#include "base/Length.h"
#include "base/NumberText.h"
#include "base/RichTextDoc.h"
#include "catalog/LensDatabase.h"
#include "model/LensListText.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "support/ModelCatalogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <utility>

namespace {

using lumivane::test::kFilmProjector;
using lumivane::test::kFlatFormat;
using lumivane::test::kPanelFormat;
using lumivane::test::kScopeFormat;

class AuditoriumTest : public ::testing::Test {
protected:
    void SetUp() override { lumivane::test::InstallModelCatalogs(m_dir.path()); }

    // A fixed screen `width` wide (no lacing border) with one projector at `throwDistance`.
    std::unique_ptr<CAuditorium> Room(double width, double throwDistance) {
        auto auditorium = std::make_unique<CAuditorium>(1);
        auditorium->SetFixedScreen(true);
        auditorium->SetDefaultThrow(throwDistance, 0);
        auditorium->SetScreenWidth(width);
        auditorium->AddProjector(kFilmProjector);
        return auditorium;
    }

    lumivane::ScopedAppContext m_context;
    lumivane::test::TempDir m_dir;
};

TEST_F(AuditoriumTest, NewAuditoriumTakesTheOptions) {
    lumivane::Ctx().settings.m_radiusType = CurveAdjustable;
    lumivane::Ctx().settings.m_radiusValue = 120;
    lumivane::Ctx().settings.m_tiltType = TiltRecommended;
    lumivane::Ctx().settings.m_tiltValue = 1.5;
    lumivane::Ctx().settings.m_tiltDepth = 12;
    CAuditorium auditorium(3);
    EXPECT_EQ(auditorium.Name(), "Auditorium 3");
    EXPECT_EQ(auditorium.CurveValue(), 120);
    EXPECT_EQ(auditorium.AudienceHeight(), 1.5);
    EXPECT_EQ(auditorium.AudienceDistance(), 12);
    EXPECT_EQ(auditorium.DefaultThrow(), 30.0);
    EXPECT_EQ(auditorium.ConstantHeight(), 1);
}

TEST_F(AuditoriumTest, AdjustableTiltOptionIsAnAngle) {
    lumivane::Ctx().settings.m_tiltType = TiltAdjustable;
    lumivane::Ctx().settings.m_tiltValue = 4;
    CAuditorium auditorium(1);
    EXPECT_EQ(auditorium.GetTiltAngle(), 4);
    EXPECT_EQ(auditorium.AudienceHeight(), 0);
}

TEST_F(AuditoriumTest, EnglishUnitsDefaultThrowIsAHundredFeet) {
    lumivane::Ctx().metricUnits = false;
    EXPECT_EQ(CAuditorium(1).DefaultThrow(), MetresFromFeet(100));
}

TEST_F(AuditoriumTest, RecommendedCurveWorkedValues) {
    auto auditorium = Room(12.0, 20.0);
    auditorium->SetCurveType(CurveRecommended);
    EXPECT_DOUBLE_EQ(auditorium->GetCurvePercent(), 151.5);
    auditorium->SetDefaultThrow(30.0, 0);
    EXPECT_DOUBLE_EQ(auditorium->GetCurvePercent(), 150);
    auditorium->SetDefaultThrow(20.0, 0);
    auditorium->SetScreenWidth(30.0);
    EXPECT_EQ(auditorium->GetCurvePercent(), 0);
    EXPECT_EQ(auditorium->GetChordDepth(nullptr), 0);
}

TEST_F(AuditoriumTest, RecommendedCurveWithoutProjectors) {
    CAuditorium auditorium(1);
    auditorium.SetCurveType(CurveRecommended);
    EXPECT_EQ(auditorium.GetCurvePercent(), 0);
    auditorium.SetScreenWidth(0);
    EXPECT_EQ(auditorium.GetCurvePercent(), 150);
}

TEST_F(AuditoriumTest, ChordDepthWorkedValues) {
    auto auditorium = Room(12.0, 20.0);
    auditorium->SetCurveType(CurveThrow);
    EXPECT_NEAR(auditorium->GetChordDepth(nullptr), 0.9212, 5e-5);
    auditorium->SetScreenWidth(50.0);
    EXPECT_EQ(auditorium->GetChordDepth(nullptr), 20.0);
}

// Without an audience distance the line of sight would be vertical and the "recommended"
// screen some 45 degrees forwards; an audience a few centimetres away asks for more than a
// screen can tilt.
TEST_F(AuditoriumTest, RecommendedTilt) {
    auto auditorium = Room(14.0, 20.0);
    auditorium->SetTiltType(TiltRecommended);
    auditorium->GetProjector(0)->SetLensHeight(3.0);
    auditorium->SetAudienceHeight(3.0);
    auditorium->SetAudienceDistance(10.0);
    EXPECT_NEAR(auditorium->GetTiltAngle(), 0, 1e-12);
    auditorium->GetProjector(0)->SetLensHeight(8.0);
    EXPECT_GT(auditorium->GetTiltAngle(), 0);

    auditorium->GetProjector(0)->SetLensHeight(5.0);
    auditorium->SetAudienceHeight(0.0);
    auditorium->SetAudienceDistance(0.0);
    EXPECT_EQ(auditorium->GetTiltAngle(), 0);
    auditorium->SetAudienceDistance(-4.0);
    EXPECT_EQ(auditorium->GetTiltAngle(), 0);
    auditorium->SetAudienceDistance(0.05);
    EXPECT_EQ(auditorium->GetTiltAngle(), lumivane::kMinTilt);
    // theta_p = atan((10 - 6) / 40), theta_a = atan(6 / 20): (0.09967 - 0.29146) * 90 / pi.
    auditorium->SetAudienceDistance(10.0);
    EXPECT_NEAR(auditorium->GetTiltAngle(), -5.4943, 1e-4);
    // Moving the audience for a tilt leaves it where it was when there is no distance.
    auditorium->SetAudienceDistance(0.0);
    auditorium->SetTiltAngle(2.5);
    EXPECT_EQ(auditorium->AudienceHeight(), 0.0);
    EXPECT_EQ(auditorium->GetTiltAngle(), 0);
}

TEST_F(AuditoriumTest, AdjustableTiltStaysWithinTheTiltRange) {
    auto auditorium = Room(14.0, 20.0);
    auditorium->SetTiltType(TiltAdjustable);
    auditorium->SetTiltAngle(45.0);
    EXPECT_EQ(auditorium->TiltValue(), lumivane::kMaxTilt);
    EXPECT_EQ(auditorium->GetTiltAngle(), lumivane::kMaxTilt);
    auditorium->SetTiltAngle(-30.0);
    EXPECT_EQ(auditorium->GetTiltAngle(), lumivane::kMinTilt);
    auditorium->SetTiltAngle(std::nan(""));
    EXPECT_EQ(auditorium->GetTiltAngle(), 0);
}

TEST_F(AuditoriumTest, SetTiltAngleUnderRecommendedMovesTheAudience) {
    auto auditorium = Room(14.0, 20.0);
    auditorium->SetTiltType(TiltRecommended);
    auditorium->GetProjector(0)->SetLensHeight(5.0);
    auditorium->SetAudienceDistance(10.0);
    auditorium->SetTiltAngle(2.5);
    EXPECT_NEAR(auditorium->GetTiltAngle(), 2.5, 1e-9);
    EXPECT_EQ(auditorium->TiltValue(), 0);
}

TEST_F(AuditoriumTest, LockProjectorSlantIsTheThrow) {
    lumivane::Ctx().settings.m_lockProjector = 1;
    auto auditorium = Room(14.0, 20.0);
    auditorium->GetProjector(0)->SetLensHeight(9.0);
    auditorium->GetProjector(0)->SetLateral(2.0);
    CLensType* setUp = auditorium->AddFormat(kFlatFormat, 0);
    EXPECT_DOUBLE_EQ(auditorium->GetSlantThrow(setUp), 20.0);
    lumivane::Ctx().settings.m_lockProjector = 0;
    EXPECT_DOUBLE_EQ(auditorium->GetSlantThrow(setUp), std::sqrt(400.0 + 36.0 + 4.0));
}

TEST_F(AuditoriumTest, FitToleranceIsOneMillimetre) {
    auto auditorium = Room(14.0, 20.0);
    CLensType* setUp = auditorium->AddFormat(kFlatFormat, 0);
    auditorium->SetFixedScreen(true);
    setUp->SetExtents(6.0005, 10.0);
    auditorium->UpdateFit(*setUp);
    EXPECT_EQ(setUp->Masked(), 0);
    setUp->SetExtents(6.0015, 10.0);
    auditorium->UpdateFit(*setUp);
    EXPECT_EQ(setUp->Masked(), 1);
}

// The fit flag is not kept in the file: a recalculation sets it for every set-up, whichever
// changed, so a project read back shows the flags it was saved with.
TEST_F(AuditoriumTest, RecalculatingFitsEverySetUp) {
    auto auditorium = Room(14.0, 20.0);
    CLensType* flat = auditorium->AddFormat(kFlatFormat, 0);
    CLensType* scope = auditorium->AddFormat(kScopeFormat, 0);
    auditorium->SetFixedScreen(true);
    flat->SetExtents(5.0, 9.0);
    scope->SetExtents(5.0, 30.0);
    auditorium->Recalculate(flat);
    EXPECT_EQ(flat->Masked(), 0);
    EXPECT_EQ(scope->Masked(), 1);
    EXPECT_FALSE(auditorium->Fits(*scope));
    // A calculated screen holds every image again.
    auditorium->SetFixedScreen(false);
    auditorium->Recalculate(nullptr);
    EXPECT_EQ(scope->Masked(), 0);
    EXPECT_TRUE(auditorium->Fits(*scope));
}

TEST_F(AuditoriumTest, AnImageThatCannotBeMeasuredHasNoExtents) {
    auto auditorium = Room(14.0, 20.0);
    CLensType* flat = auditorium->AddFormat(kFlatFormat, 0);
    const auto [height, width] = auditorium->MeasureExtents(*flat);
    EXPECT_DOUBLE_EQ(height, flat->ExtentHeight());
    EXPECT_DOUBLE_EQ(width, flat->ExtentWidth());
    auditorium->GetProjector(0)->SetThrow(std::numeric_limits<double>::quiet_NaN(), 1);
    EXPECT_TRUE(std::isnan(auditorium->MeasureExtents(*flat).first));
    auditorium->UpdateExtents(*flat);
    EXPECT_DOUBLE_EQ(flat->ExtentHeight(), height);
    EXPECT_EQ(lumivane::ImageSizeText(*auditorium, *flat), "N/A x N/A");
}

TEST_F(AuditoriumTest, AddFormatSizesTheImageAndFindsAProjector) {
    CAuditorium auditorium(1);
    CLensType* setUp = auditorium.AddFormat(kScopeFormat, -1);
    ASSERT_NE(setUp, nullptr);
    EXPECT_EQ(auditorium.ProjectorCount(), 1);
    EXPECT_EQ(auditorium.GetProjector(0)->Name(), "Film 35");
    EXPECT_DOUBLE_EQ(setUp->ImageHeight(), 6.0);
    EXPECT_DOUBLE_EQ(setUp->Focal(), CLensType::FocalFromThrow(auditorium.GetSlantThrow(setUp), 6.0,
                                                               setUp->EffApertureH()));
    EXPECT_GT(setUp->ExtentWidth(), 0);
    EXPECT_EQ(auditorium.AddFormat(kScopeFormat, -1), setUp);
    EXPECT_EQ(auditorium.LensTypeCount(), 1);
    EXPECT_EQ(auditorium.AddFormat(kPanelFormat, 0), nullptr);
    EXPECT_EQ(auditorium.AddFormat(99, -1), nullptr);
    auditorium.RemoveFormat(kScopeFormat, -1);
    EXPECT_EQ(auditorium.LensTypeCount(), 0);
    EXPECT_EQ(auditorium.GetProjector(0)->LensTypeCount(), 0);
}

TEST_F(AuditoriumTest, CalculatedScreenHoldsTheImages) {
    CAuditorium auditorium(1);
    CLensType* setUp = auditorium.AddFormat(kFlatFormat, -1);
    setUp->SetExtents(5.0, 9.25);
    auditorium.Recalculate(nullptr);
    EXPECT_DOUBLE_EQ(auditorium.ScreenHeight(), 5.0);
    EXPECT_DOUBLE_EQ(auditorium.ScreenWidth(), 9.25);
    auditorium.RemoveProjector(0);
    auditorium.Recalculate(nullptr);
    EXPECT_DOUBLE_EQ(auditorium.ScreenHeight(), 6.0);
    EXPECT_DOUBLE_EQ(auditorium.ScreenWidth(), 14.0);
}

TEST_F(AuditoriumTest, DuplicateCarriesTheRecommendedCurveAsAdjustable) {
    auto source = Room(12.0, 20.0);
    source->SetCurveType(CurveRecommended);
    source->SetComments("Balcony");
    source->AddFormat(kFlatFormat, 0);
    CAuditorium copy(2, source.get());
    EXPECT_EQ(copy.Name(), "Auditorium 2");
    EXPECT_EQ(copy.Comments(), "");
    EXPECT_DOUBLE_EQ(copy.CurveValue(), 151.5);
    EXPECT_EQ(copy.ProjectorCount(), 1);
    EXPECT_EQ(copy.LensTypeCount(), 1);
    EXPECT_EQ(copy.FindProjectorOf(copy.GetLensType(0)).second, 0);
    EXPECT_NE(copy.GetLensType(0), source->GetLensType(0));
}

TEST_F(AuditoriumTest, DefaultThrowReachesEveryFollowingProjector) {
    auto auditorium = Room(14.0, 20.0);
    CProjectorType* second = auditorium->AddProjector(kFilmProjector);
    CProjectorType* own = auditorium->AddProjector(kFilmProjector);
    own->SetUseDefaultThrow(false);
    own->SetThrow(25.0, 1);
    auditorium->GetProjector(0)->SetThrow(18.0, 1);
    EXPECT_EQ(auditorium->DefaultThrow(), 18.0);
    EXPECT_EQ(second->GetThrow(), 18.0);
    EXPECT_EQ(own->GetThrow(), 25.0);
    EXPECT_FALSE(lumivane::Ctx().defaultThrowBusy);
}

TEST_F(AuditoriumTest, ClearingAllowLensShiftZeroesEveryShift) {
    auto auditorium = Room(14.0, 20.0);
    CLensType* setUp = auditorium->AddFormat(kFlatFormat, 0);
    auditorium->SetAllowLensShift(true);
    setUp->SetShift(0.001, 0.002);
    auditorium->SetAllowLensShift(false);
    EXPECT_EQ(setUp->ShiftV(), 0);
    EXPECT_EQ(setUp->ShiftH(), 0);
}

TEST_F(AuditoriumTest, CentredLensShiftMovesTheImageToTheScreenCentre) {
    auto auditorium = Room(14.0, 20.0);
    CProjectorType* projector = auditorium->GetProjector(0);
    projector->SetLensHeight(3.5);
    CLensType* setUp = auditorium->AddFormat(kFlatFormat, 0);
    setUp->SetImageHeight(4.0);
    setUp->FocalFromThrowAlways(auditorium->GetSlantThrow(setUp));
    auditorium->UpdateExtents(*setUp);
    auditorium->SetAutoLensShift(true);
    const double wanted = -(3.5 - 3.0);
    const double q = setUp->Squeeze();
    EXPECT_NEAR(setUp->ShiftV(), setUp->ApertureW() * wanted / ((setUp->ExtentWidth() / q) * 1000),
                1e-15);
    EXPECT_FALSE(lumivane::Ctx().lensShiftBusy);
}

TEST_F(AuditoriumTest, AlignedLensShiftWithAnamorphicLensConverges) {
    auto auditorium = Room(14.0, 20.0);
    auditorium->SetConstantHeight(false);
    auditorium->SetAlignment(AlignTop);
    CProjectorType* projector = auditorium->GetProjector(0);
    projector->SetLensHeight(12.0);
    CLensType* setUp = auditorium->AddFormat(kScopeFormat, 0);
    CLensChoice choice;
    choice.AddItem(lumivane::Ctx().lenses->FindItem(0x0050));
    choice.AddItem(lumivane::Ctx().lenses->FindItem(0x2000));
    choice.Evaluate(*setUp);
    setUp->ChooseCombination(choice);
    auditorium->UpdateExtents(*setUp);
    auditorium->SetAutoLensShift(true);
    // The clamp left the shift 0.1 % inside the image circle in one step.
    double h = setUp->ShiftH();
    double v = setUp->ShiftV();
    EXPECT_TRUE(setUp->ClampShiftToCoverage(h, v));
    EXPECT_NE(setUp->ShiftV(), 0);
    const double r = choice.GetCoverage() * 0.0005;
    const double x = std::fabs(setUp->ShiftH()) + setUp->ApertureW() * 0.0005;
    const double y = std::fabs(setUp->ShiftV()) + setUp->ApertureH() * 0.0005;
    EXPECT_LT(std::sqrt(x * x + y * y), r);
    EXPECT_GT(std::sqrt(x * x + y * y), r * 0.99);
}

// A lens whose image circle is smaller than the aperture fails the coverage step whatever the
// shift, so the solve restarts until its bound of work stops it: it must stop at the same place
// on every run, however fast the machine.
TEST_F(AuditoriumTest, LensShiftThatNeverConvergesStopsAtTheSamePlaceEveryTime) {
    lumivane::test::TempDir folder;
    std::ofstream(folder.path() / "lenses.txt", std::ios::binary)
        << "Tiny 50mm;T50;48-000050;705;50;50;50;0;5;1;97;80\n";
    std::ofstream(folder.path() / "attach.txt", std::ios::binary) << "";
    auto lenses = std::make_shared<CLensDatabase>();
    lenses->BuildFromText(folder.path());
    lumivane::Ctx().lenses = lenses;
    const auto solve = [] {
        auto auditorium = std::make_unique<CAuditorium>(1);
        auditorium->SetFixedScreen(true);
        auditorium->SetDefaultThrow(20.0, 0);
        auditorium->SetScreenWidth(14.0);
        auditorium->AddProjector(kFilmProjector);
        auditorium->GetProjector(0)->SetLensHeight(6.0);
        CLensType* setUp = auditorium->AddFormat(kFlatFormat, 0);
        CLensChoice choice;
        choice.AddItem(lumivane::Ctx().lenses->FindItem(0x0050));
        choice.Evaluate(*setUp);
        setUp->ChooseCombination(choice);
        auditorium->UpdateExtents(*setUp);
        auditorium->SetAutoLensShift(true);
        return std::pair{setUp->ShiftV(), setUp->ShiftH()};
    };
    const auto first = solve();
    EXPECT_TRUE(std::isfinite(first.first));
    EXPECT_EQ(solve(), first);
    EXPECT_FALSE(lumivane::Ctx().lensShiftBusy);
}

TEST_F(AuditoriumTest, PurchaseCountsAddUpOverSetUps) {
    auto auditorium = Room(14.0, 20.0);
    CLensChoice prime;
    prime.AddItem(lumivane::Ctx().lenses->FindItem(0x0050));
    auditorium->AddFormat(kFlatFormat, 0)->ChooseCombination(prime);
    CLensChoice combination = prime;
    combination.AddItem(lumivane::Ctx().lenses->FindItem(0x2000));
    auditorium->AddFormat(kScopeFormat, 0)->ChooseCombination(combination);
    std::vector<const CDescriptor*> items;
    std::vector<int> counts;
    auditorium->CountCatalogItems(items, counts);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(counts, (std::vector<int>{2, 1}));
}

} // namespace

namespace {

TEST_F(AuditoriumTest, SummaryNamesTheScreenProjectorsAndSetUps) {
    auto auditorium = Room(12.0, 20.0);
    auditorium->SetCurveType(CurveThrow);
    auditorium->SetCalcPorthole(true);
    auditorium->SetComments("Balcony");
    auditorium->AddFormat(kFlatFormat, 0);
    RichTextDoc text;
    auditorium->WriteSummary(text);
    const std::string all = text.GetText();
    for (const char* expected :
         {"Auditorium 1\n", "Screen Size:6.00m x 12.00m and a ", " screen chord depth.",
          "Screen radius of 20.00m", "Film 35\n", "Image size at porthole: ",
          "Throw Distance: 20.00m", "Projector Angle:\t", "Flat 1.85\nNot Selected\n",
          "Effective focal length: ", "Format chord depth: ", "Comments\nBalcony"}) {
        EXPECT_NE(all.find(expected), std::string::npos) << expected << "\n" << all;
    }
    EXPECT_TRUE(text.Paragraphs().front().runs.front().format.bold);
    EXPECT_EQ(text.Paragraphs().front().runs.front().format.pointSize, 12);
}

// Every run is in the report face: the auditorium's name bold at 12 points, each projector's
// bold at 11, each format's name bold at 10, and all other lines plain at 10.
TEST_F(AuditoriumTest, SummaryRunsAreInTheReportFace) {
    auto auditorium = Room(12.0, 20.0);
    auditorium->SetComments("Balcony");
    auditorium->AddFormat(kFlatFormat, 0);
    RichTextDoc text;
    auditorium->WriteSummary(text);
    std::vector<std::pair<std::string, RichTextDoc::CharFormat>> bold;
    for (const auto& paragraph : text.Paragraphs()) {
        for (const auto& run : paragraph.runs) {
            EXPECT_EQ(run.format.faceName, "Ariel") << run.text;
            EXPECT_FALSE(run.format.underline) << run.text;
            if (run.format.bold) {
                bold.emplace_back(run.text, run.format);
            } else {
                EXPECT_EQ(run.format.pointSize, 10) << run.text;
            }
        }
    }
    using Format = RichTextDoc::CharFormat;
    EXPECT_EQ(bold, (std::vector<std::pair<std::string, Format>>{
                        {"Auditorium 1", Format{"Ariel", 12, true, false}},
                        {"Film 35", Format{"Ariel", 11, true, false}},
                        {"Flat 1.85", Format{"Ariel", 10, true, false}}}));
}

std::string Metres(double value) {
    std::string text;
    FormatLength(value, text, Length);
    return text;
}

// The whole text of a curved screen with a recommended tilt, a projector off to the side with
// its porthole, and comments: every label, number format and line in its order.
TEST_F(AuditoriumTest, SummaryWritesEveryLineInOrder) {
    using lumivane::FormatFixed;
    lumivane::Ctx().metricUnits = true;
    auto auditorium = Room(12.0, 20.0);
    auditorium->SetName("Hall");
    auditorium->SetCurveType(CurveThrow);
    auditorium->SetTiltType(TiltRecommended);
    auditorium->SetAudienceHeight(-0.25);
    auditorium->SetAudienceDistance(9.5);
    auditorium->SetCalcPorthole(true);
    auditorium->SetPortholeDistance(1.5);
    auditorium->SetComments("Check the glass.");
    CProjectorType* projector = auditorium->GetProjector(0);
    projector->SetLensHeight(5.0);
    projector->SetLateral(-0.8);
    CLensType* setUp = auditorium->AddFormat(kFlatFormat, 0);
    const double tilt = auditorium->GetTiltAngle();
    const double vertical = projector->GetVerticalAngle();
    const double horizontal = projector->GetHorizontalAngle();
    ASSERT_LT(tilt, -0.5);
    ASSERT_GT(vertical, 0);
    ASSERT_LT(horizontal, 0);
    const auto [portholeWidth, portholeHeight] = projector->GetPortholeSize();
    RichTextDoc setUpText;
    setUp->WriteSummary(setUpText, *auditorium, *projector, false);

    RichTextDoc text;
    auditorium->WriteSummary(text);

    const std::string expected =
        "Hall\n" +
        ("Screen Size:" + Metres(auditorium->ScreenHeight()) + " x 12.00m and a " +
         Metres(auditorium->GetChordDepth(nullptr)) + " screen chord depth.\n") +
        "Screen radius of 20.00m, screen tilt of " +
        lumivane::FormatInt(static_cast<long long>(-tilt + 0.5)) + " degrees forwards\n" +
        "The center of the audience is 0.25m below above the bottom and 9.50m away from the "
        "screen.\n" +
        "Film 35\n" + "Image size at porthole: " + Metres(portholeHeight) + " x " +
        Metres(portholeWidth) + " at a distance of 1.50m\n" +
        "  The porthole must be cut larger than this to allow for projector adjustment.\n" +
        "Throw Distance: 20.00m\n" + "Projector Angle:\t" + FormatFixed(vertical, 1) +
        " degrees down " + FormatFixed(-horizontal, 1) + " degrees right\n" + setUpText.GetText() +
        "\n" + "Comments\n" + "Check the glass.\n" + "\n";
    EXPECT_EQ(text.GetText(), expected);
}

TEST_F(AuditoriumTest, SummaryPlacesTheAudienceCentreOfARecommendedTilt) {
    lumivane::Ctx().metricUnits = true;
    auto auditorium = Room(12.0, 20.0);
    auditorium->SetTiltType(TiltRecommended);
    auditorium->SetAudienceDistance(10.0);
    for (const auto& [height, expected] :
         {std::pair{1.2, "The center of the audience is 1.20m above above the bottom and 10.00m "
                         "away from the screen.\n"},
          std::pair{-0.5, "The center of the audience is 0.50m below above the bottom and "
                          "10.00m away from the screen.\n"}}) {
        auditorium->SetAudienceHeight(height);
        RichTextDoc text;
        auditorium->WriteSummary(text);
        EXPECT_NE(text.GetText().find(expected), std::string::npos) << text.GetText();
    }
}

} // namespace

namespace {

// A new set-up still holds its aperture numbers as placeholder extents; they must not stand in
// for the image's chord on a curved screen, or a scope set-up gets a third of its focal length.
TEST_F(AuditoriumTest, NewFormatOnACurvedScreenGetsTheFocalLengthOfItsRealImage) {
    for (const int format : {kFlatFormat, kScopeFormat}) {
        auto flat = Room(12.0, 20.0);
        const double flatFocal = flat->AddFormat(format, 0)->GetFocal(false, false);

        auto curved = Room(12.0, 20.0);
        curved->SetCurveType(CurveTwoThirds);
        CLensType* setUp = curved->AddFormat(format, 0);
        const double curvedFocal = setUp->GetFocal(false, false);

        // The curve deepens the screen centre by the image's chord depth, well under a metre
        // or two here, so the focal length shortens a little, not by a factor.
        const double shorterThrow = curved->GetSlantThrow(setUp) / flat->GetSlantThrow(nullptr);
        EXPECT_LT(curvedFocal, flatFocal) << format;
        EXPECT_GT(curvedFocal, flatFocal * 0.85) << format;
        EXPECT_GT(shorterThrow, 0.85) << format;
    }
}

} // namespace
