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
