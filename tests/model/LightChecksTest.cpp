#include "model/LightChecks.h"

#include "base/AppContext.h"
#include "catalog/FormatDatabase.h"
#include "catalog/FormatDescriptor.h"
#include "model/Auditorium.h"
#include "model/LensType.h"
#include "model/LightFields.h"
#include "model/LightTexts.h"
#include "model/ProjectorType.h"
#include "support/ShippedCatalog.h"

#include <gtest/gtest.h>

#include <string>

namespace lumivane {
namespace {

constexpr double kScopeShare = 858.0 / 1080.0;

// A 12.0 m by 5.0 m scope image (645.8 square feet) from 858 of a 2048 by 1080 panel's rows,
// through glass passing 0.95, onto a screen of gain 1.0.
TEST(LightMathTest, TheWorkedScopeImageNeedsAbout11980LumensFor14FootLamberts) {
    const double area = 12.0 * 5.0;
    EXPECT_NEAR(area * 10.7639, 645.8, 0.05);
    const auto needed = LumensNeeded(CdM2FromFootLamberts(14.0), 0.95 * kScopeShare, 1.0, area);
    ASSERT_TRUE(needed);
    EXPECT_NEAR(*needed, 11980.0, 5.0);
    EXPECT_NEAR(FootLamberts(LuminanceCdM2(*needed, 0.95 * kScopeShare, 1.0, area)), 14.0, 1e-9);
    EXPECT_NEAR(LuminanceCdM2(11980.0, 1.0, 2.0, area), 2 * 11980.0 / (3.14159265 * area), 1e-6);
    EXPECT_FALSE(LumensNeeded(48.0, 0.0, 1.0, area));
}

TEST(LightMathTest, ThirtyAndThirtySixDegreesAreSeenFrom187And154ImageWidths) {
    EXPECT_NEAR(WidthsForAngle(kLeastAngleEg18), 1.87, 0.005);
    EXPECT_NEAR(WidthsForAngle(kLeastAngleThx), 1.54, 0.005);
    EXPECT_NEAR(SubtendedAngle(10.0, 10.0 * WidthsForAngle(30.0)), 30.0, 1e-9);
    EXPECT_NEAR(ElevationAngle(3.0, 3.0), 45.0, 1e-9);
    EXPECT_EQ(HorizontalAngleText(29.96), "30.0\xC2\xB0: low");
    EXPECT_EQ(VerticalAngleText(35.0), "35.0\xC2\xB0: in range");
    EXPECT_EQ(VerticalAngleText(std::nullopt), "not known");
}

TEST(LightMathTest, EachPresentationIsJudgedAgainstItsOwnTarget) {
    const LuminanceTarget& digital = TargetFor(Presentation::Digital);
    EXPECT_EQ(Judge(37.7, digital), Verdict::Low);
    EXPECT_EQ(Judge(58.2, digital), Verdict::InRange);
    EXPECT_EQ(Judge(58.3, digital), Verdict::High);
    EXPECT_EQ(Judge(47.0, TargetFor(Presentation::Film)), Verdict::Low);
    EXPECT_EQ(Judge(55.0, TargetFor(Presentation::Film)), Verdict::InRange);
    const LuminanceTarget& threeD = TargetFor(Presentation::ThreeD);
    EXPECT_NEAR(FootLamberts(threeD.aimCdM2), 4.5, 1e-12);
    EXPECT_EQ(Judge(15.0, threeD), Verdict::Low);
    EXPECT_EQ(Judge(200.0, threeD), Verdict::InRange);
    EXPECT_EQ(TargetText(digital), "48 cd/m\xC2\xB2 (14 fL) \xC2\xB1"
                                   "10.2 cd/m\xC2\xB2 (SMPTE ST 431-1)");
    EXPECT_EQ(TargetText(threeD),
              "at least 15.4 cd/m\xC2\xB2 (4.5 fL), premium aim 48 cd/m\xC2\xB2 (14 fL)");
}

class LightChecksTest : public ::testing::Test {
protected:
    LightChecksTest() {
        test::InstallShippedCatalogs();
        projector = auditorium.AddProjector(ProjectorNamed("Aurora 2K-L"));
    }

    static int FormatNamed(const std::string& name) {
        const CFormatDatabase& formats = *Ctx().formats;
        for (int i = 0; i < formats.GetCount(); ++i) {
            if (formats.GetAt(i)->GetName() == name) {
                return i;
            }
        }
        return -1;
    }

    static int ProjectorNamed(const std::string& model) {
        for (int i = 0; i < 64; ++i) {
            if (CProjectorType(i).Name().ends_with(model)) {
                return i;
            }
        }
        return -1;
    }

    CLensType& Show(const std::string& format) {
        CLensType* setUp = auditorium.AddFormat(FormatNamed(format), 0);
        auditorium.Recalculate(nullptr);
        return *setUp;
    }

    ScopedAppContext context;
    CAuditorium auditorium{1};
    CProjectorType* projector = nullptr;
};

TEST_F(LightChecksTest, AFormatPassesTheShareOfThePanelItUses) {
    CLensType& scope = Show("DMD 1.2in DCI Scope 2048x858");
    EXPECT_NEAR(*UsedLightShare(scope), kScopeShare, 1e-3);
    EXPECT_NEAR(*UsedLightShare(Show("DMD 1.2in DCI Flat 1998x1080")), 1998.0 / 2048.0, 1e-3);
    scope.SetCorners(
        {PanelPoint{0, 0}, PanelPoint{1024, 0}, PanelPoint{1024, 1080}, PanelPoint{0, 1080}});
    EXPECT_NEAR(*UsedLightShare(scope), kScopeShare / 2, 1e-3);
}

TEST_F(LightChecksTest, NothingIsClaimedUntilTheLumensAreKnown) {
    Show("DMD 1.2in DCI Scope 2048x858");
    const AuditoriumChecks unknown = CheckAuditorium(auditorium);
    ASSERT_EQ(unknown.setUps.size(), 1u);
    const SetUpLight& light = unknown.setUps[0];
    EXPECT_TRUE(light.imageAreaM2);
    EXPECT_FALSE(light.luminanceCdM2 || light.lumensNeeded || light.verdict);
    EXPECT_FALSE(unknown.sightlines.farthestRowAngle || unknown.sightlines.nearestRowVerticalAngle);
    EXPECT_EQ(SetUpLightRowText(light), light.format + ": not known");

    // The lumens the check says are needed give the target exactly.
    projector->SetLight({1.0, 0.8});
    RoomLight room;
    room.screenGain = 1.5;
    room.portGlass = 0.95;
    auditorium.SetLight(room);
    const SetUpLight one = CheckSetUp(auditorium, *projector, *projector->GetLensType(0));
    ASSERT_TRUE(one.lumensNeeded);
    projector->SetLight({*one.lumensNeeded, 0.8});
    const SetUpLight aimed = CheckSetUp(auditorium, *projector, *projector->GetLensType(0));
    EXPECT_NEAR(*aimed.luminanceCdM2, 48.0, 1e-9);
    EXPECT_EQ(aimed.verdict, Verdict::InRange);
    EXPECT_NEAR(*aimed.lumensNeeded * 0.8 * 0.95 * 1.5 * kScopeShare,
                48.0 * 3.14159265358979 * *aimed.imageAreaM2, 15.0);

    room.transmission3D = 0.15;
    auditorium.SetLight(room);
    const SetUpLight threeD = CheckSetUp(auditorium, *projector, *projector->GetLensType(0));
    EXPECT_EQ(threeD.presentation, Presentation::ThreeD);
    EXPECT_NEAR(*threeD.luminanceCdM2, 48.0 * 0.15, 1e-9);
    EXPECT_EQ(threeD.verdict, Verdict::Low);
}

TEST_F(LightChecksTest, TheRowsSeeTheWidestImageUnderTheirAngles) {
    Show("DMD 1.2in DCI Scope 2048x858");
    const double width = *CheckSightlines(auditorium).widestImageM;
    RoomLight room;
    room.rows = {4.0, width * WidthsForAngle(30.0), 1.2};
    auditorium.SetLight(room);
    auditorium.SetFloorToScreen(1.0);
    const RoomSightlines lines = CheckSightlines(auditorium);
    EXPECT_NEAR(*lines.farthestRowAngle, 30.0, 1e-9);
    EXPECT_NEAR(*lines.farthestRowWidths, 1.866, 1e-3);
    const double top = 1.0 + auditorium.ScreenHeight() - ScreenEdge();
    EXPECT_LE(*lines.nearestRowVerticalAngle, ElevationAngle(top - 1.2, 4.0) + 1e-9);
    EXPECT_GT(*lines.nearestRowVerticalAngle, 0.0);
}

// What a designer types into a light field: the value stored, or a refusal that says what the
// field takes; never a value the checks cannot use.
TEST(LightFieldTest, TypedTextIsReadOrRefused) {
    EXPECT_EQ(ReadLightField(LightValue::Lumens, " 12,000 lm ").value, 12000.0);
    EXPECT_EQ(ReadLightField(LightValue::PortGlass, "0,97").value, 0.97);
    EXPECT_EQ(ReadLightField(LightValue::ScreenGain, "1.8").value, 1.8);
    EXPECT_FALSE(ReadLightField(LightValue::ScreenGain, "  ").Refused());
    EXPECT_FALSE(ReadLightField(LightValue::ScreenGain, "").value);
    for (const char* nonsense : {"abc", "1.2x", "inf", "nan", "1e400", "-0.5", "0", "5.5"}) {
        const LightFieldRead read = ReadLightField(LightValue::ScreenGain, nonsense);
        EXPECT_TRUE(read.Refused()) << nonsense;
        EXPECT_FALSE(read.value) << nonsense;
    }
    EXPECT_EQ(
        ReadLightField(LightValue::ScreenGain, "7").refusal,
        "Screen gain: type a number above 0 and at most 5, or leave the field empty for 1.0.");
    EXPECT_TRUE(ReadLightField(LightValue::LightFactor, "0").Refused());
    EXPECT_FALSE(ReadLightField(LightValue::PortGlass, "0").Refused());
    EXPECT_TRUE(ReadLightField(LightValue::Transmission3D, "1.1").Refused());
    EXPECT_TRUE(ReadLightField(LightValue::Lumens, "2,000,000").Refused());
    // What a field shows reads back as the value stored.
    for (const double lumens : {0.0, 12000.0, 8500.5}) {
        EXPECT_EQ(
            ReadLightField(LightValue::Lumens, LightFieldText(LightValue::Lumens, lumens)).value,
            lumens);
    }
    EXPECT_EQ(LightFieldText(LightValue::Lumens, std::nullopt), "");
    EXPECT_EQ(SeatRowsRefusal({4.0, 18.0, 1.1}), "");
    EXPECT_FALSE(SeatRowsRefusal({18.0, 4.0, std::nullopt}).empty());
}

} // namespace
} // namespace lumivane
