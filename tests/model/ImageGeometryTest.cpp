#include "model/ImageGeometry.h"

#include "base/AppContext.h"
#include "model/Auditorium.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "support/ModelCatalogs.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using lumivane::test::kFilmProjector;
using lumivane::test::kFlatFormat;
using lumivane::test::kScopeFormat;

// A flat, untilted 6 m by 14 m screen with one film projector at 20 m whose lens sits level
// with the middle of the screen.
class ImageGeometryTest : public ::testing::Test {
protected:
    void SetUp() override {
        lumivane::test::InstallModelCatalogs();
        m_auditorium = std::make_unique<CAuditorium>(1);
        m_auditorium->SetCurveType(CurveNone);
        m_auditorium->SetTiltType(TiltNone);
        m_projector = m_auditorium->AddProjector(kFilmProjector);
        m_projector->SetUseDefaultThrow(false);
        m_projector->SetThrow(20.0, 1);
        m_projector->SetLensHeight(3.0);
        m_setUp = m_auditorium->AddFormat(kFlatFormat, 0);
        ASSERT_NE(m_setUp, nullptr);
        m_setUp->SetImageHeight(4.0);
        m_setUp->FocalFromThrowAlways(m_auditorium->GetSlantThrow(m_setUp));
        Measure();
    }

    void Measure() { m_geometry.SetSubjects(m_auditorium.get(), m_projector, m_setUp); }

    double Magnification() const {
        const double pd = 20.0;
        const double f = m_setUp->GetFocal(true, true) * 0.001;
        const double k = m_setUp->GetMountOffset();
        return (std::sqrt((pd - 4 * f - k) * (pd - k)) + (pd - 2 * f - k)) / (2 * f);
    }

    lumivane::ScopedAppContext m_context;
    std::unique_ptr<CAuditorium> m_auditorium;
    CProjectorType* m_projector = nullptr;
    CLensType* m_setUp = nullptr;
    ImageGeometry m_geometry;
};

TEST_F(ImageGeometryTest, CentredProjectorOnFlatScreenHasNoKeystone) {
    EXPECT_NEAR(m_geometry.VerticalKeystone(), 0, 1e-12);
    EXPECT_NEAR(m_geometry.HorizontalKeystone(), 0, 1e-12);
    const double expected = Magnification() * m_setUp->EffApertureW() * 0.001;
    EXPECT_NEAR(m_geometry.TopWidth(), expected, 1e-9);
    EXPECT_NEAR(m_geometry.BottomWidth(), expected, 1e-9);
    EXPECT_NEAR(m_geometry.MaskingLoss(), 0, 1e-12);
}

TEST_F(ImageGeometryTest, ProjectorAboveTheScreenWidensTheBottom) {
    m_projector->SetLensHeight(8.0);
    Measure();
    EXPECT_GT(m_geometry.BottomWidth(), m_geometry.TopWidth());
    EXPECT_GT(m_geometry.VerticalKeystone(), 0);
}

TEST_F(ImageGeometryTest, PortholeAtTheThrowReproducesTheFlatImage) {
    const double width = m_geometry.TopWidth();
    const double height = m_geometry.InnerHeight();
    m_auditorium->SetPortholeDistance(20.0);
    m_geometry.SetPortholeMode(true);
    EXPECT_NEAR(m_geometry.TopWidth(), width, 1e-9);
    EXPECT_NEAR(m_geometry.InnerHeight(), height, 1e-9);
    m_auditorium->SetPortholeDistance(2.0);
    m_geometry.SetPortholeMode(true);
    EXPECT_NEAR(m_geometry.TopWidth(), width / 10, 1e-9);
    const auto [portholeWidth, portholeHeight] = m_projector->GetPortholeSize();
    EXPECT_NEAR(portholeWidth, width / 10, 1e-9);
    EXPECT_NEAR(portholeHeight, height / 10, 1e-9);
}

TEST_F(ImageGeometryTest, TinyCurveCountsAsFlat) {
    const double flat = m_geometry.GridX(0, 0);
    m_auditorium->SetCurveValue(0.00000005);
    m_auditorium->SetCurveType(CurveAdjustable);
    m_setUp->SetImageHeight(4.0);
    m_setUp->FocalFromThrowAlways(m_auditorium->GetSlantThrow(m_setUp));
    Measure();
    EXPECT_NEAR(m_geometry.GridX(0, 0), flat, 1e-6);
}

TEST_F(ImageGeometryTest, CurvedScreenWithoutOffsetsKeepsTheAxisPoint) {
    m_auditorium->SetCurveType(CurveThrow);
    Measure();
    const ScreenPoint centre = m_geometry.ProjectPoint(0, 0);
    EXPECT_NEAR(centre.x, 0, 1e-12);
    EXPECT_NEAR(centre.y, 0, 1e-12);
    const ScreenPoint up = m_geometry.ProjectPoint(0, 0.001);
    EXPECT_NEAR(up.y, Magnification() * 0.001, 1e-9);
}

TEST_F(ImageGeometryTest, CentredProjectorStillReportsHorizontalStretchOnCurvedScreen) {
    m_auditorium->SetCurveType(CurveThrow);
    Measure();
    const double wa = (m_geometry.TopWidth() + m_geometry.BottomWidth()) / 2;
    const double r = 20.0 * 0.01 * 100;
    const double depth = r - std::sqrt(r * r - wa * wa / 4);
    const double d = std::sqrt((20.0 - depth) * (20.0 - depth) + 0.0);
    const double reference =
        CLensType::ImageFromThrow(d, m_setUp->GetFocal(true, false) * 0.001, m_setUp->ApertureW());
    EXPECT_DOUBLE_EQ(m_geometry.HorizontalStretch(), std::fabs(wa / reference - 1));
    EXPECT_GT(m_geometry.HorizontalStretch(), 0);
}

TEST_F(ImageGeometryTest, ImageLargerThanTheScreenLosesTheExcess) {
    m_setUp->SetImageHeight(9.0);
    m_setUp->FocalFromThrowAlways(m_auditorium->GetSlantThrow(m_setUp));
    Measure();
    double area = 0;
    for (int i = 0; i < 8; ++i) {
        area += 0.25 *
                (m_geometry.GridX(i, 0) + m_geometry.GridX(i, 8) - m_geometry.GridX(i + 1, 0) -
                 m_geometry.GridX(i + 1, 8)) *
                (m_geometry.GridY(i, 0) + m_geometry.GridY(i + 1, 0) - m_geometry.GridY(i, 8) -
                 m_geometry.GridY(i + 1, 8));
    }
    EXPECT_NEAR(m_geometry.MaskingLoss(), 1 - 6.0 * 14.0 / area, 1e-12);
}

// Hand-computed grids for a projector 8 m up, 1.5 m to the side, with image offsets and lens
// shift, on a 4 degree tilted screen: flat, curved at 120 %, and curved with a scope format;
// then the same set-ups in porthole mode at 7 m.
TEST_F(ImageGeometryTest, OffsetProjectorOnTiltedFlatAndCurvedScreens) {
    lumivane::Ctx().settings.m_screenEdge = 0.05;
    struct Expected {
        int curveType;
        int format;
        double x00, y00, x83, y83, top, bottom, edge0, edge1, inner;
        double vKeystone, hKeystone, vStretch, hStretch, loss;
        double portholeTop, portholeInner;
    };
    const Expected cases[] = {
        {CurveNone, kFlatFormat, 3.3555871817034144, 2.241513283461264, -3.7956528139607455,
         0.8464351061044917, 7.081920951998521, 7.3267683624953115, 3.8634485995234877,
         3.975106005677046, 3.8634485995234877, 0.03457358704740909, 0.028900968468256627,
         0.010430994451031957, 0.0010084035462236685, 0.03099597141491539, 2.4393926254250324,
         1.3870130088726582},
        {CurveAdjustable, kFlatFormat, 3.3366731258607363, 2.2735630610413526, -3.717621340348613,
         0.9060764828933179, 6.988671597748301, 7.221888054551868, 3.816780531432764,
         3.911375331296731, 3.807865705152885, 0.03337064183681315, 0.024783924327044682,
         0.011187429152585675, 0.00038868374421063834, 0.03961205278557878, 2.4393926254250324,
         1.3870130088726582},
        {CurveAdjustable, kScopeFormat, 6.487944040414871, 3.291298064717508, -7.0402006717964625,
         1.3342317585993024, 13.377008846329353, 14.023202447081676, 5.6135643080339115,
         5.884490903150758, 5.597513135968091, 0.04830628492330247, 0.04826284696322225,
         0.011617192726761847, 0.0007848643309189551, 0.08264504033712428, 4.818025964735856,
         2.1476806370086985},
    };
    const auto near = [](double actual, double expected) {
        EXPECT_NEAR(actual, expected, 1e-12 * std::fabs(expected) + 1e-15);
    };
    for (const Expected& e : cases) {
        SCOPED_TRACE(e.format * 10 + e.curveType);
        CAuditorium auditorium(1);
        auditorium.SetCurveType(e.curveType);
        auditorium.SetCurveValue(120);
        auditorium.SetTiltType(TiltAdjustable);
        auditorium.SetTiltAngle(4.0);
        CProjectorType* projector = auditorium.AddProjector(kFilmProjector);
        projector->SetUseDefaultThrow(false);
        projector->SetThrow(20.0, 1);
        projector->SetLensHeight(8.0);
        projector->SetLateral(1.5);
        projector->SetImageOffsets(0.1, 0.2);
        CLensType* setUp = auditorium.AddFormat(e.format, 0);
        ASSERT_NE(setUp, nullptr);
        setUp->SetFocalLength(60);
        setUp->SetShift(0.001, -0.0005);
        auditorium.SetPortholeDistance(7.0);
        ImageGeometry g;
        g.SetSubjects(&auditorium, projector, setUp);
        near(g.GridX(0, 0), e.x00);
        near(g.GridY(0, 0), e.y00);
        near(g.GridX(8, 3), e.x83);
        near(g.GridY(8, 3), e.y83);
        near(g.TopWidth(), e.top);
        near(g.BottomWidth(), e.bottom);
        near(g.EdgeHeight0(), e.edge0);
        near(g.EdgeHeight1(), e.edge1);
        near(g.InnerHeight(), e.inner);
        near(g.VerticalKeystone(), e.vKeystone);
        near(g.HorizontalKeystone(), e.hKeystone);
        near(g.VerticalStretch(), e.vStretch);
        near(g.HorizontalStretch(), e.hStretch);
        near(g.MaskingLoss(), e.loss);
        g.SetPortholeMode(true);
        near(g.TopWidth(), e.portholeTop);
        near(g.InnerHeight(), e.portholeInner);
    }
}

TEST_F(ImageGeometryTest, WithoutSubjectsTheMeasuresAreNeutral) {
    ImageGeometry empty;
    EXPECT_EQ(empty.TopWidth(), 0);
    EXPECT_EQ(empty.InnerHeight(), 0);
    EXPECT_EQ(empty.MaskingLoss(), 0);
    EXPECT_EQ(empty.HorizontalStretch(), 0);
    EXPECT_EQ(empty.VerticalKeystone(), 1);
    EXPECT_EQ(empty.VerticalStretch(), 1);
    EXPECT_EQ(empty.CurveDistortion(), 1);
}

TEST_F(ImageGeometryTest, DrawingCoordinatesAreClamped) {
    const auto points = m_geometry.ImagePolygonScaled(1e9);
    EXPECT_EQ(points[0].x, -32768);
    EXPECT_EQ(points[2].x, 32767);
}

} // namespace
