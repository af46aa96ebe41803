#include "model/LensType.h"

#include "base/AppContext.h"
#include "base/Archive.h"
#include "base/Length.h"
#include "base/NumberText.h"
#include "base/RichTextDoc.h"
#include "catalog/LensDatabase.h"
#include "model/Auditorium.h"
#include "model/EditCommands.h"
#include "model/ImageGeometry.h"
#include "model/ProjectorType.h"
#include "support/ModelCatalogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <memory>

namespace {

using lumivane::test::kFilmProjector;
using lumivane::test::kFlatFormat;
using lumivane::test::kPanelFormat;
using lumivane::test::kScopeFormat;

class LensTypeTest : public ::testing::Test {
protected:
    void SetUp() override { lumivane::test::InstallModelCatalogs(m_dir.path()); }

    CLensChoice Combination(std::initializer_list<std::int16_t> ids) const {
        CLensChoice choice;
        for (std::int16_t id : ids) {
            choice.AddItem(lumivane::Ctx().lenses->FindItem(id));
        }
        return choice;
    }

    lumivane::ScopedAppContext m_context;
    lumivane::test::TempDir m_dir;
};

TEST(LensOptics, NodalCorrectionWorkedValues) {
    EXPECT_NEAR(CLensType::NodalCorrection(0.05), 0.005198, 5e-7);
    EXPECT_NEAR(CLensType::NodalCorrection(0.1), -0.015525, 5e-7);
}

TEST(LensOptics, ImageFromThrowInvertsThrowFromImage) {
    for (double focalMm : {15.0, 35.0, 50.0, 85.0, 140.0}) {
        for (double height : {2.0, 5.5, 9.0}) {
            for (double aperture : {11.33, 17.53, 20.96}) {
                const double t = CLensType::ThrowFromImage(focalMm, height, aperture);
                ASSERT_GT(t, 0);
                EXPECT_NEAR(CLensType::ImageFromThrow(t, focalMm * 0.001, aperture), height,
                            1e-9 * height)
                    << focalMm << " mm, " << height << " m, " << aperture << " mm";
            }
        }
    }
}

TEST(LensOptics, FocalFromThrowIsTheThinLensRelationCorrected) {
    const double f = CLensType::FocalFromThrow(20.0, 5.0, 11.33);
    const double magnification = 5000.0 / 11.33;
    const double thin = 20.0 * magnification / ((magnification + 1) * (magnification + 1));
    EXPECT_NEAR(f,
                thin - CLensType::NodalCorrection(thin) * magnification /
                           ((magnification + 1) * (magnification + 1)),
                1e-9);
    EXPECT_TRUE(std::isnan(CLensType::FocalFromThrow(20.0, 0.0, 0.0)));
}

TEST_F(LensTypeTest, NewSetUpTakesTheFormatsNumbers) {
    CLensType setUp(kFlatFormat);
    EXPECT_DOUBLE_EQ(setUp.GetAspect(), 1.85);
    EXPECT_DOUBLE_EQ(setUp.ImageHeight(), 11.33);
    EXPECT_DOUBLE_EQ(setUp.ImageWidth(), 11.33 * 1.85);
    EXPECT_EQ(setUp.Focal(), 0.02500000037252903);
    EXPECT_EQ(setUp.PanelWidth(), 1024);
    EXPECT_EQ(setUp.Linked(), 1);
}

TEST_F(LensTypeTest, AperturesUnsqueezeAndFollowTheCombination) {
    CLensType scope(kScopeFormat);
    EXPECT_DOUBLE_EQ(scope.ApertureW(), 20.96);
    EXPECT_DOUBLE_EQ(scope.EffApertureW(), 41.92);
    EXPECT_DOUBLE_EQ(scope.Squeeze(), 2.0);
    scope.ChooseCombination(Combination({0x0050, 0x2000}));
    EXPECT_DOUBLE_EQ(scope.EffApertureW(), 20.96 * scope.Choice().GetFactorH());
    EXPECT_EQ(scope.Linked(), 0);
    EXPECT_EQ(scope.LensChosen(), 1);
}

TEST_F(LensTypeTest, PanelCornersReduceEveryAperture) {
    CLensType panel(kPanelFormat);
    panel.SetPanelResolution(2000, 1000);
    panel.SetCorners(
        {PanelPoint{100, 0}, PanelPoint{1900, 0}, PanelPoint{1900, 1000}, PanelPoint{100, 1000}});
    EXPECT_DOUBLE_EQ(panel.ApertureW(), 20.0 * 0.9);
    EXPECT_DOUBLE_EQ(panel.ApertureH(), 10.55);
    EXPECT_DOUBLE_EQ(panel.EffApertureW(), 20.0 * 0.9);
}

TEST_F(LensTypeTest, ExtremeCornersFromAFileDoNotOverflow) {
    constexpr std::int32_t lo = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t hi = std::numeric_limits<std::int32_t>::max();
    CLensType panel(kPanelFormat);
    panel.SetPanelResolution(2, 2);
    panel.SetCorners(
        {PanelPoint{lo, lo}, PanelPoint{hi, lo}, PanelPoint{hi, hi}, PanelPoint{lo, hi}});
    EXPECT_DOUBLE_EQ(panel.ApertureW(), 20.0 * 4294967295.0 / 2);
    EXPECT_DOUBLE_EQ(panel.ApertureH(), 10.55 * 4294967295.0 / 2);
}

TEST_F(LensTypeTest, FullPanelCornersDisplaceLikeNoCorners) {
    CLensType plain(kPanelFormat);
    plain.SetPanelResolution(2048, 1080);
    plain.SetShift(0.002, -0.001);
    CLensType cornered(plain);
    cornered.SetPanelResolution(2048, 1080);
    cornered.EnsureCorners();
    for (double u : {0.0, 0.25, 1.0}) {
        for (double v : {0.0, 0.5, 1.0}) {
            const auto [ex, ey] = plain.ShiftDisplacement(u, v);
            const auto [cx, cy] = cornered.ShiftDisplacement(u, v);
            EXPECT_NEAR(cx, ex, 1e-15);
            EXPECT_NEAR(cy, ey, 1e-15);
        }
    }
}

// Hand-computed: a 2x attachment on a 50 mm prime for a scope format, an uneven panel area
// and a lens shift. The corner form takes the apertures before the area reduction and adds
// the shift like the plain form.
TEST_F(LensTypeTest, CorneredDisplacementOfAnAnamorphicCombination) {
    CLensType scope(kScopeFormat);
    scope.SetPanelResolution(2048, 1080);
    scope.ChooseCombination(Combination({0x0050, 0x2000}));
    scope.SetShift(0.002, -0.0005);
    scope.SetCorners(
        {PanelPoint{10, 20}, PanelPoint{2000, 15}, PanelPoint{2040, 1070}, PanelPoint{5, 1060}});
    EXPECT_NEAR(scope.Choice().GetFactorH(), 2.205802558709352, 1e-15);
    EXPECT_NEAR(scope.ApertureW(), 20.36640625, 1e-12);
    EXPECT_NEAR(scope.ApertureH(), 16.88074074074074, 1e-12);
    EXPECT_NEAR(scope.EffApertureW(), 44.92427101796414, 1e-12);
    EXPECT_NEAR(scope.EffApertureH(), 16.88074074074074, 1e-12);
    const struct {
        double u, v, dx, dy;
    } expected[] = {
        {0, 0, 0.022436210730779678, 0.010602685185185187},
        {1, 1, -0.0233910607096561, -0.006440370370370371},
        {0.25, 0.75, 0.010464400442229876, -0.002235402199074074},
        {0.5, 0.5, -0.0007313938582583579, 0.002020289351851852},
    };
    for (const auto& e : expected) {
        const auto [dx, dy] = scope.ShiftDisplacement(e.u, e.v);
        EXPECT_NEAR(dx, e.dx, 1e-15) << e.u << ", " << e.v;
        EXPECT_NEAR(dy, e.dy, 1e-15) << e.u << ", " << e.v;
    }
}

TEST_F(LensTypeTest, CoverageClampScalesOntoTheImageCircle) {
    CLensType setUp(kFlatFormat);
    setUp.ChooseCombination(Combination({0x0050}));
    double horizontal = 0.0;
    double vertical = 0.05;
    EXPECT_FALSE(setUp.ClampShiftToCoverage(horizontal, vertical));
    const double r = 40 * 0.0005;
    const double x = 20.96 * 0.0005;
    const double y = 0.05 + 11.33 * 0.0005;
    EXPECT_NEAR(vertical, 0.05 * r / std::sqrt(x * x + y * y), 1e-12);
    double small = 0.001;
    double none = 0.0;
    EXPECT_TRUE(setUp.ClampShiftToCoverage(none, small));
    EXPECT_EQ(small, 0.001);
    setUp.SetShift(0.001, 0.0);
    EXPECT_TRUE(setUp.ShiftWithinCoverage());
    setUp.SetShift(0.01, 0.0);
    EXPECT_FALSE(setUp.ShiftWithinCoverage());
}

TEST_F(LensTypeTest, FocalOutsideTheRangeDropsTheLens) {
    CLensType setUp(kFlatFormat);
    setUp.ChooseCombination(Combination({0x0690}));
    setUp.SetFocalLength(70);
    EXPECT_TRUE(setUp.HasCombination());
    EXPECT_DOUBLE_EQ(setUp.GetFocal(true, false), 70);
    setUp.SetFocalLength(95);
    EXPECT_FALSE(setUp.HasCombination());
    EXPECT_EQ(setUp.LensChosen(), 0);
    EXPECT_DOUBLE_EQ(setUp.Focal(), 0.095);
}

TEST_F(LensTypeTest, FixedFocalLengthsDropTheLensOnAnyChange) {
    lumivane::Ctx().settings.m_fixedFocal = true;
    CLensType setUp(kFlatFormat);
    setUp.ChooseCombination(Combination({0x0050}));
    setUp.SetFocalLength(50);
    EXPECT_FALSE(setUp.HasCombination());
}

TEST_F(LensTypeTest, AdapterRingRulesOfBuildingAndReading) {
    CLensChoice built = Combination({0x0050, 0x2000});
    EXPECT_EQ(built.GetAdapterRing(), 2);
    CLensType setUp(kScopeFormat);
    setUp.ChooseCombination(built);
    lumivane::Archive out = lumivane::Archive::ForStoring();
    setUp.Serialize(out);
    lumivane::Archive in = lumivane::Archive::ForLoading(out.Bytes());
    CLensType read(0);
    read.Serialize(in);
    EXPECT_EQ(read.Choice().GetAdapterRing(), 2);
    EXPECT_EQ(read.GetFormat(), kScopeFormat);
    EXPECT_DOUBLE_EQ(read.Choice().GetFactorH(), built.GetFactorH());
}

TEST_F(LensTypeTest, EvaluateClampsToTheZoomRangeAndScores) {
    CLensType setUp(kFlatFormat);
    setUp.SetFocalLength(100);
    CLensChoice zoom = Combination({0x0690});
    zoom.Evaluate(setUp);
    EXPECT_DOUBLE_EQ(zoom.GetAchievedFocal(), 90);
    EXPECT_DOUBLE_EQ(zoom.GetFocal(), 90);
    EXPECT_EQ(zoom.GetQuality(), CLensDatabase::FocalPenalty(100, 90, 70));
    CLensChoice prime = Combination({0x0050});
    prime.Evaluate(setUp);
    EXPECT_DOUBLE_EQ(prime.GetFocal(), 50);
    EXPECT_DOUBLE_EQ(prime.GetAchievedFocal(), 50);
}

TEST_F(LensTypeTest, RoundTripKeepsEveryField) {
    CLensType setUp(kPanelFormat);
    setUp.SetPanelResolution(2048, 1080);
    setUp.SetImageHeight(5.25);
    setUp.SetFocalLength(35);
    setUp.SetShift(0.001, -0.0005);
    setUp.SetExtents(5.2, 9.8);
    setUp.SetBarrel(525);
    setUp.SetCorners(
        {PanelPoint{10, 20}, PanelPoint{2000, 15}, PanelPoint{2040, 1070}, PanelPoint{5, 1060}});
    lumivane::Archive out = lumivane::Archive::ForStoring();
    setUp.Serialize(out);
    lumivane::Archive in = lumivane::Archive::ForLoading(out.Bytes());
    CLensType read(0);
    read.Serialize(in);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(read.GetFormat(), kPanelFormat);
    EXPECT_DOUBLE_EQ(read.ImageHeight(), 5.25);
    EXPECT_DOUBLE_EQ(read.Focal(), 0.035);
    EXPECT_DOUBLE_EQ(read.ShiftH(), -0.0005);
    EXPECT_DOUBLE_EQ(read.ExtentWidth(), 9.8);
    EXPECT_EQ(read.Barrel(), 525);
    ASSERT_TRUE(read.Corners());
    EXPECT_EQ((*read.Corners())[2].x, 2040);
}

TEST_F(LensTypeTest, OldSetUpsTakeTheAspectOfTheirOwnFormat) {
    lumivane::Archive out = lumivane::Archive::ForStoring();
    out.WriteShort(kScopeFormat);
    out.WriteShort(1);
    out.WriteShort(0);
    out.WriteFloat(6.0f);
    out.WriteFloat(14.34f);
    out.WriteFloat(0.05f);
    out.WriteShort(0);
    out.WriteFloat(5.9f);
    out.WriteFloat(14.0f);
    out.WriteLong(0);
    lumivane::Archive in = lumivane::Archive::ForLoading(out.Bytes());
    in.SetFileVersion(3);
    CLensType read(kFlatFormat);
    read.Serialize(in);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_DOUBLE_EQ(read.GetAspect(), 2.39);
    EXPECT_DOUBLE_EQ(read.ImageHeight(), 6.0);
    EXPECT_DOUBLE_EQ(read.ExtentWidth(), static_cast<double>(14.0f));
    EXPECT_EQ(read.ShiftV(), 0.0);
}

TEST_F(LensTypeTest, ReadingDropsALensThatCannotCoverTheAperture) {
    CLensType setUp(kScopeFormat);
    setUp.ChooseCombination(Combination({0x1035}));
    lumivane::Archive out = lumivane::Archive::ForStoring();
    setUp.Serialize(out);
    lumivane::Archive in = lumivane::Archive::ForLoading(out.Bytes());
    CLensType read(0);
    read.Serialize(in);
    EXPECT_FALSE(read.HasCombination());
    EXPECT_EQ(read.LensChosen(), 0);
}

TEST_F(LensTypeTest, UnknownFormatKeepsItsRecordAndComputesNothing) {
    CLensType setUp(57);
    EXPECT_FALSE(setUp.HasKnownFormat());
    EXPECT_EQ(setUp.GetFormatName(), "Unknown format");
    const double before = setUp.ImageHeight();
    setUp.ApplyThrow(20.0);
    setUp.FocalFromThrowAlways(20.0);
    EXPECT_EQ(setUp.ImageHeight(), before);
    EXPECT_EQ(setUp.Focal(), 0.02500000037252903);
    lumivane::Archive out = lumivane::Archive::ForStoring();
    setUp.Serialize(out);
    lumivane::Archive in = lumivane::Archive::ForLoading(out.Bytes());
    CLensType read(0);
    read.Serialize(in);
    EXPECT_EQ(read.GetFormat(), 57);
}

TEST_F(LensTypeTest, DamagedChoiceCountIsRefused) {
    lumivane::Archive out = lumivane::Archive::ForStoring();
    out.WriteLong(1000000);
    lumivane::Archive in = lumivane::Archive::ForLoading(out.Bytes());
    CLensChoice choice;
    EXPECT_THROW(choice.Serialize(in), lumivane::ArchiveError);
}

TEST_F(LensTypeTest, UnknownItemNumbersAreDropped) {
    lumivane::Archive out = lumivane::Archive::ForStoring();
    out.WriteLong(2);
    out.WriteShort(0x0050);
    out.WriteShort(0x7777);
    lumivane::Archive in = lumivane::Archive::ForLoading(out.Bytes());
    CLensChoice choice;
    choice.Serialize(in);
    ASSERT_EQ(choice.Items().size(), 1u);
    EXPECT_EQ(choice.Items().front()->Id(), 0x0050);
}

std::string Metres(double value) {
    std::string text;
    FormatLength(value, text, Length);
    return text;
}

std::string Percent(double ratio) {
    return lumivane::FormatFixed(ratio * 100, 1) + "%";
}

// Every line of a set-up's summary, its words and its number formats, on a curved and tilted
// screen with both lens shifts and an adapter ring.
TEST_F(LensTypeTest, SummaryWritesEveryLineInOrder) {
    lumivane::Ctx().metricUnits = true;
    CAuditorium auditorium(1);
    auditorium.SetFixedScreen(true);
    auditorium.SetDefaultThrow(20.0, 0);
    auditorium.SetScreenWidth(14.0);
    auditorium.SetCurveType(CurveThrow);
    auditorium.SetTiltType(TiltAdjustable);
    auditorium.SetTiltAngle(3.0);
    CProjectorType* projector = auditorium.AddProjector(kFilmProjector);
    CLensType* setUp = auditorium.AddFormat(kScopeFormat, 0);
    CLensChoice choice = Combination({0x0050, 0x2000});
    choice.Evaluate(*setUp);
    setUp->ChooseCombination(choice);
    ASSERT_EQ(setUp->Choice().GetAdapterRing(), 2);
    setUp->SetShift(-0.0015, 0.0005);

    RichTextDoc text;
    setUp->WriteSummary(text, auditorium, *projector, true);

    ImageGeometry geometry;
    geometry.SetSubjects(&auditorium, projector, setUp);
    const ScreenQuad inner = geometry.InnerRect();
    const std::string expected =
        "Scope 2.39\n48-000050\tPrime 50mm\n\t48-002000\tAnamorphic 2x\n\t48-203175\tAdapter ring\n"
        "\n"
        "Effective focal length: " +
        lumivane::FormatFixed(setUp->GetFocal(false, false), 2) + "mm\n" + "Throw Ratio:\t" +
        lumivane::FormatFixed(auditorium.GetSlantThrow(setUp) / setUp->ImageWidth(), 2) + ":1\n" +
        "Format Dimensions:17.5mm x 21.0mm\n" + "Lens Shift:\t1.5mm Up 0.5mm Right\n" +
        "Lens shift is a new feature in Lumivane and should be used with care. Practical tests "
        "should be done before planning an installation based on these results.\n" +
        "Keystone:\tTop width: " + Metres(geometry.TopWidth()) +
        "\tBottom width: " + Metres(geometry.BottomWidth()) + "\n" +
        "Distortion: \tVertical keystone:" + Percent(geometry.VerticalKeystone()) +
        "\tHorizontal keystone:" + Percent(geometry.HorizontalKeystone()) + "\n" +
        "\tVertical stretch: " + Percent(geometry.VerticalStretch()) +
        "\tHorizontal stretch:" + Percent(geometry.HorizontalStretch()) + "\n" +
        "\tCurved screen:" + Percent(geometry.CurveDistortion()) + "\n" +
        "Throw Distance: 20.00m\n" + "Masked image size: " + Metres(inner[0].y - inner[1].y) +
        " x " + Metres(inner[0].x - inner[2].x) + "\n" +
        "Image Lost To Masking:" + Percent(geometry.MaskingLoss()) + "\n" +
        "Format chord depth: " + Metres(auditorium.GetChordDepth(setUp)) + "\n";
    EXPECT_EQ(text.GetText(), expected);
}

TEST_F(LensTypeTest, SummaryWithoutALensSaysNotSelected) {
    CAuditorium auditorium(1);
    auditorium.SetFixedScreen(true);
    CProjectorType* projector = auditorium.AddProjector(kFilmProjector);
    CLensType* setUp = auditorium.AddFormat(kFlatFormat, 0);
    RichTextDoc text;
    setUp->WriteSummary(text, auditorium, *projector, false);
    const std::string all = text.GetText();
    EXPECT_EQ(all.rfind("Flat 1.85\nNot Selected\n\nEffective focal length: ", 0), 0u) << all;
    EXPECT_EQ(all.find("Lens Shift"), std::string::npos);
    EXPECT_EQ(all.find("Throw Distance"), std::string::npos);
    EXPECT_EQ(all.find("Curved screen"), std::string::npos);
    EXPECT_EQ(all.find("Format chord depth"), std::string::npos);
}

// Attachments that change the focal length of the prime they are mounted on: a 1.5x
// magnifier (focal x 0.6667) and a vertical compressor (vertical factor 0.5), which the
// catalog's focal ranges count without its factor.
class LensTrainTest : public LensTypeTest {
protected:
    void SetUp() override {
        LensTypeTest::SetUp();
        std::ofstream(m_dir.path() / "attach.txt", std::ios::binary)
            << "Magnifier 1.5x;MAG1.5;48-002150;0.6667;0.6667;1;1;0;1;90\n"
               "Vertical Compressor;VC2;48-002200;1;1;1;0.5;0;1;80\n";
        auto lenses = std::make_shared<CLensDatabase>();
        lenses->BuildFromText(m_dir.path());
        lumivane::Ctx().lenses = lenses;
        // The lens sits on the screen's centre line: the slant throw is the throw.
        lumivane::Ctx().settings.m_lockProjector = 1;
        m_room.SetFixedScreen(true);
        m_room.SetDefaultThrow(20.0, 0);
        m_projector = m_room.AddProjector(kFilmProjector);
        m_setUp = m_room.AddFormat(kFlatFormat, 0);
    }

    void Choose(std::initializer_list<const char*> catalogNumbers) {
        CLensChoice choice;
        for (const char* number : catalogNumbers) {
            choice.AddItem(lumivane::Ctx().lenses->FindItem(CDescriptor::ItemIdOf(number)));
        }
        choice.Evaluate(*m_setUp);
        lumivane::EditChooseLens(m_room, *m_setUp, choice);
    }

    double MeasuredHeight() const {
        ImageGeometry geometry;
        geometry.SetSubjects(&m_room, m_projector, m_setUp);
        return geometry.InnerHeight();
    }

    CAuditorium m_room{1};
    CProjectorType* m_projector = nullptr;
    CLensType* m_setUp = nullptr;
};

// 50 mm x 0.6667 = 33.335 mm; at 20 m on the 11.33 mm flat aperture that throws 6.769 m high
// by 12.523 m wide, a throw ratio of 1.60 (the bare 50 mm: 4.508 m and 2.40).
TEST_F(LensTrainTest, AMagnifierShortensTheFocalLengthOfEveryFigure) {
    Choose({"48-000050", "48-002150"});
    EXPECT_NEAR(m_setUp->GetFocal(true, true), 33.335, 1e-9);
    EXPECT_NEAR(m_setUp->Focal(), 0.033335, 1e-12);
    EXPECT_NEAR(m_setUp->ImageHeight(), 6.7691, 1e-4);
    EXPECT_NEAR(MeasuredHeight(), m_setUp->ImageHeight(), 0.01 * m_setUp->ImageHeight());
    RichTextDoc text;
    m_setUp->WriteSummary(text, m_room, *m_projector, false);
    const std::string summary = text.GetText();
    EXPECT_NE(summary.find("Effective focal length: 33.34mm\n"), std::string::npos) << summary;
    EXPECT_NE(summary.find("Throw Ratio:\t1.60:1\n"), std::string::npos) << summary;
    // Applying the focal length it gives keeps the lens: a moved projector does that.
    m_setUp->SetFocalLength(m_setUp->GetFocal(true, true));
    EXPECT_TRUE(m_setUp->HasCombination());
    EXPECT_DOUBLE_EQ(m_setUp->Choice().GetFocal(), 50);
}

// The compressor on the 60-90 mm zoom is a 120-180 mm combination in the catalog's terms;
// set to 150 mm it is a 75 mm lens train on half the aperture height, so the image is the
// 1.49 m a bare 150 mm lens throws (not half of it).
TEST_F(LensTrainTest, AVerticalCompressorOnAZoomThrowsTheImageOfItsFocalLength) {
    m_setUp->SetFocalLength(150);
    Choose({"48-000690", "48-002200"});
    ASSERT_DOUBLE_EQ(m_setUp->Choice().GetFactorV(), 0.5);
    EXPECT_DOUBLE_EQ(m_setUp->Choice().GetAchievedFocal(), 150);
    EXPECT_DOUBLE_EQ(m_setUp->GetFocal(true, true), 75);
    EXPECT_NEAR(m_setUp->ImageHeight(), 1.4998, 1e-4);
    EXPECT_NEAR(MeasuredHeight(), m_setUp->ImageHeight(), 0.01 * m_setUp->ImageHeight());
    m_setUp->SetFocalLength(80);
    EXPECT_TRUE(m_setUp->HasCombination());
    EXPECT_DOUBLE_EQ(m_setUp->Choice().GetAchievedFocal(), 160);
}

} // namespace
