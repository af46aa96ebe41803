#include "model/ImageGeometry.h"

#include "base/AppContext.h"
#include "catalog/FormatDescriptor.h"
#include "catalog/FormatFlags.h"
#include "model/Auditorium.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"

#include <algorithm>
#include <cmath>

using lumivane::LockProjector;
using lumivane::ScreenEdge;

namespace {

constexpr double kRadiansPerDegree = 0.017453292519944003;
constexpr double kFlatBelowPercent = 0.0000001;
constexpr int kLast = ImageGeometry::kGridSize - 1;

// Extremes that turn into NaN as soon as one value is NaN, so callers that store results
// can skip them instead of storing the starting sentinel.
double MinOf(double current, double value) {
    if (std::isnan(current) || std::isnan(value)) {
        return std::nan("");
    }
    return value < current ? value : current;
}

double MaxOf(double current, double value) {
    if (std::isnan(current) || std::isnan(value)) {
        return std::nan("");
    }
    return value > current ? value : current;
}

std::int32_t DrawCoordinate(double value, double scale) {
    const double d = value * scale + 0.5;
    if (std::isnan(d)) {
        return 0;
    }
    return static_cast<std::int32_t>(std::clamp(std::trunc(d), -32768.0, 32767.0));
}

bool FormatHasBuiltInSqueeze(const CLensType& lens) {
    const CFormatDescriptor* f = lens.GetFormatDescriptor();
    return f && (f->GetFlags() & lumivane::FormatFlag::Anamorphic200);
}

} // namespace

void ImageGeometry::SetSubjects(const CAuditorium* auditorium, const CProjectorType* projector,
                                const CLensType* lensType) {
    m_auditorium = auditorium;
    m_projector = projector;
    m_lensType = lensType;
    m_paramsValid = false;
    m_gridValid = false;
}

void ImageGeometry::SetPortholeMode(bool on) {
    m_porthole = on;
    m_paramsValid = false;
    m_gridValid = false;
}

bool ImageGeometry::HasSubjects() const {
    return m_auditorium && m_projector && m_lensType && m_lensType->HasKnownFormat();
}

double VerticalAimRise(double t, double g, double m) {
    return t * t * (g + m) / (std::sqrt((t * t + m * m) * (t * t + g * g)) + t * t - g * m);
}

const ImageGeometry::Parameters& ImageGeometry::Params() {
    if (m_paramsValid) {
        return m_params;
    }
    Parameters p;
    const double e0 = ScreenEdge();
    const double H = m_auditorium->ScreenHeight();
    p.T = m_projector->GetThrow();
    p.Lat = (LockProjector() ? 0.0 : m_projector->Lateral()) + m_projector->ImageOffsetH();
    const double g = m_projector->LensHeight() + m_projector->ImageOffsetV();
    const double m = 2 * e0 + g - H;
    p.V = VerticalAimRise(p.T, g, m);
    p.phi = -(m_auditorium->GetTiltAngle()) * kRadiansPerDegree;
    const double percent = m_auditorium->GetCurvePercent();
    p.R = percent * p.T * 0.01;
    const double F = m_lensType->GetFocal(true, true) * 0.001;
    const double K = m_lensType->GetMountOffset();
    p.Pd = std::sqrt(p.T * p.T + p.V * p.V + p.Lat * p.Lat);
    p.Q = std::sqrt(p.V * p.V + p.T * p.T);
    const double M = (std::sqrt((p.Pd - 4 * F - K) * (p.Pd - K)) + (p.Pd - 2 * F - K)) / (2 * F);
    p.curved = percent >= kFlatBelowPercent && !m_porthole;
    p.o = p.curved ? M : M / p.Pd;
    if (m_porthole) {
        const double S = m_auditorium->PortholeDistance();
        p.V = p.V * S / p.T;
        p.T = S;
        p.Lat = 0.0;
        p.phi = 0.0;
        p.Pd = std::sqrt(p.V * p.V + S * S);
        p.Q = p.Pd;
    }
    m_params = p;
    m_paramsValid = true;
    return m_params;
}

ScreenPoint ImageGeometry::ProjectPoint(double e, double f) {
    if (!HasSubjects()) {
        return {};
    }
    const Parameters& p = Params();
    const double T = p.T, V = p.V, Lat = p.Lat, o = p.o, Pd = p.Pd, Q = p.Q, R = p.R;
    const double s = std::sin(p.phi);
    const double c = std::cos(p.phi);
    if (!p.curved) {
        const double D =
            o * (Lat * T * e + Pd * V * f) + Q * T - s * ((o * Lat * e + Q) * V - o * Pd * T * f);
        const double x = o * Pd * (Pd * T * e + V * Lat * f - s * (Pd * V * e - Lat * T * f)) / D;
        const double y = o * Q * Q * Pd * f / D;
        return {x, y};
    }
    const double A1 = o * (Pd * V * f + Lat * T * e) + Q * Pd * T;
    const double D = A1 - s * ((o * Lat * e + Q * Pd) * V - o * Pd * T * f);
    const double B = (o * Q * e - Pd * Lat) * c * Q;
    const double C = (B * Lat + D * R) * c - (T - s * V) * D;
    const double G = (std::sin(2 * p.phi) * R + s * s * V) * V + (T * T - 2 * c * R * T) +
                     c * c * Lat * Lat - 2 * s * V * T;
    const double E = (std::sqrt(C * C - G * (D * D + B * B)) - C) * Q * Pd * Pd / (D * D + B * B);
    const double x = E * o * Q * e / (Pd * Pd) + (Pd - E) * Lat / Pd;
    const double y =
        (Pd - E) * V / Pd - E * o * V * Lat * e / (Q * Pd * Pd) + E * o * T * f / (Q * Pd);
    return {x, y};
}

void ImageGeometry::BuildGrid() {
    for (int i = 0; i < kGridSize; ++i) {
        for (int j = 0; j < kGridSize; ++j) {
            ScreenPoint point;
            if (HasSubjects()) {
                const auto [e, f] = m_lensType->ShiftDisplacement(i / 8.0, j / 8.0);
                point = ProjectPoint(e, f);
            }
            m_x[i][j] = point.x;
            m_y[i][j] = point.y;
        }
    }
    m_gridValid = true;
}

void ImageGeometry::EnsureGrid() {
    if (!m_gridValid) {
        BuildGrid();
    }
}

double ImageGeometry::GridX(int i, int j) {
    EnsureGrid();
    return m_x[i][j];
}

double ImageGeometry::GridY(int i, int j) {
    EnsureGrid();
    return m_y[i][j];
}

double ImageGeometry::TopWidth() {
    EnsureGrid();
    return m_x[0][0] - m_x[kLast][0];
}

double ImageGeometry::BottomWidth() {
    EnsureGrid();
    return m_x[0][kLast] - m_x[kLast][kLast];
}

double ImageGeometry::EdgeHeight0() {
    EnsureGrid();
    return m_y[0][0] - m_y[0][kLast];
}

double ImageGeometry::EdgeHeight1() {
    EnsureGrid();
    return m_y[kLast][0] - m_y[kLast][kLast];
}

ImageGeometry::Extremes ImageGeometry::InnerExtremes() {
    EnsureGrid();
    Extremes ex{100000, -100000, 100000, -100000};
    for (int k = 0; k < kGridSize; ++k) {
        ex.xR = MinOf(ex.xR, m_x[0][k]);
        ex.xL = MaxOf(ex.xL, m_x[kLast][k]);
        ex.yT = MinOf(ex.yT, m_y[k][0]);
        ex.yB = MaxOf(ex.yB, m_y[k][kLast]);
    }
    return ex;
}

double ImageGeometry::InnerHeight() {
    const Extremes ex = InnerExtremes();
    return ex.yT - ex.yB;
}

ScreenQuad ImageGeometry::InnerRect() {
    const Extremes ex = InnerExtremes();
    return {ScreenPoint{ex.xR, ex.yT}, ScreenPoint{ex.xR, ex.yB}, ScreenPoint{ex.xL, ex.yB},
            ScreenPoint{ex.xL, ex.yT}};
}

ScreenQuad ImageGeometry::ImagePolygon() {
    EnsureGrid();
    return {ScreenPoint{m_x[kLast][kLast], m_y[kLast][kLast]},
            ScreenPoint{m_x[kLast][0], m_y[kLast][0]}, ScreenPoint{m_x[0][0], m_y[0][0]},
            ScreenPoint{m_x[0][kLast], m_y[0][kLast]}};
}

std::array<DrawPoint, 4> ImageGeometry::ImagePolygonScaled(double scale) {
    const ScreenQuad quad = ImagePolygon();
    std::array<DrawPoint, 4> points;
    for (std::size_t k = 0; k < quad.size(); ++k) {
        points[k] = {DrawCoordinate(quad[k].x, scale), DrawCoordinate(quad[k].y, scale)};
    }
    return points;
}

double ImageGeometry::VerticalKeystone() {
    if (!HasSubjects()) {
        return 1.0;
    }
    return std::fabs(1 - BottomWidth() / TopWidth());
}

double ImageGeometry::HorizontalKeystone() {
    if (!HasSubjects()) {
        return 1.0;
    }
    return std::fabs(1 - EdgeHeight1() / EdgeHeight0());
}

double ImageGeometry::CurveDistortion() {
    if (!HasSubjects()) {
        return 1.0;
    }
    return m_auditorium->GetChordDepth(m_lensType) / m_auditorium->GetSlantThrow(m_lensType);
}

double ImageGeometry::MaskingLoss() {
    if (!HasSubjects()) {
        return 0.0;
    }
    const double e0 = ScreenEdge();
    const Extremes ex = InnerExtremes();
    double h = ex.yT - ex.yB;
    if (h > m_auditorium->ScreenHeight() - 2 * e0) {
        h = m_auditorium->ScreenHeight() - 2 * e0;
    }
    double w = ex.xR - ex.xL;
    if (w > m_auditorium->ScreenWidth() - 2 * e0) {
        w = m_auditorium->ScreenWidth() - 2 * e0;
    }
    double area = 0.0;
    for (int i = 0; i < kLast; ++i) {
        area += 0.25 * (m_x[i][0] + m_x[i][kLast] - m_x[i + 1][0] - m_x[i + 1][kLast]) *
                (m_y[i][0] + m_y[i + 1][0] - m_y[i][kLast] - m_y[i + 1][kLast]);
    }
    return 1 - h * w / area;
}

double ImageGeometry::CentreOffsetV() const {
    const double H = m_auditorium->ScreenHeight();
    return (LockProjector() ? H / 2 : m_projector->LensHeight()) + m_projector->ImageOffsetV() -
           H / 2 + ScreenEdge();
}

double ImageGeometry::LateralForStretch() const {
    return LockProjector() ? 0.0 : m_projector->Lateral();
}

double ImageGeometry::VerticalStretch() {
    if (!HasSubjects()) {
        return 1.0;
    }
    EnsureGrid();
    double hc = m_y[4][0] - m_y[4][kLast];
    const double tilt = m_auditorium->GetTiltAngle();
    if (tilt != 0) {
        hc /= std::cos(tilt * kRadiansPerDegree);
    }
    double d;
    if (m_auditorium->GetCurvePercent() > 0) {
        const double T = m_projector->GetThrow();
        const double lat = LateralForStretch();
        const double vo = CentreOffsetV();
        d = std::sqrt(T * T + lat * lat + vo * vo);
    } else {
        d = m_auditorium->GetSlantThrow(m_lensType);
    }
    double r = CLensType::ImageFromThrow(d, m_lensType->GetFocal(true, false) * 0.001,
                                         m_lensType->ApertureH());
    if (FormatHasBuiltInSqueeze(*m_lensType) && m_lensType->HasCombination() &&
        m_lensType->Choice().GetFactorV() < 0.6) {
        r *= 2;
    }
    return std::fabs(hc / r - 1) * 1.078125;
}

// On a curved screen the original scaled this by the projector's sideways position, which
// showed 0 % for every centred projector; the ratio is reported as on a flat screen.
double ImageGeometry::HorizontalStretch() {
    if (!HasSubjects()) {
        return 0.0;
    }
    const double wa = (TopWidth() + BottomWidth()) / 2;
    const double R = Params().R;
    double d;
    if (m_auditorium->GetCurvePercent() > 0 && 2 * R >= wa) {
        const double depth = R - std::sqrt(R * R - wa * wa / 4);
        const double T = m_projector->GetThrow();
        const double lat = LateralForStretch();
        const double vo = CentreOffsetV();
        d = std::sqrt(lat * lat + (T - depth) * (T - depth) + vo * vo);
    } else {
        d = m_auditorium->GetSlantThrow(m_lensType);
    }
    double r = CLensType::ImageFromThrow(d, m_lensType->GetFocal(true, false) * 0.001,
                                         m_lensType->ApertureW());
    if (FormatHasBuiltInSqueeze(*m_lensType) && m_lensType->HasCombination() &&
        m_lensType->Choice().GetFactorH() < 1.8) {
        r *= 2;
    } else {
        r *= m_lensType->Squeeze();
    }
    return std::fabs(wa / r - 1);
}
