#include "model/ScreenOptionsModel.h"

#include "base/NumberText.h"
#include "model/Auditorium.h"
#include "model/ScreenTexts.h"

#include <algorithm>

namespace lumivane {

namespace {

// Where a slider of this scale and range lands for value, as the slider itself rounds it.
double SliderValue(double value, double scale, int first, int last) {
    return std::clamp(TruncToInt32(value / scale), first, last) * scale;
}

} // namespace

ScreenOptionsModel::ScreenOptionsModel(const AppSettings& options)
    : m_scratch(std::make_unique<CAuditorium>(0)), m_lacing(options.m_screenEdge),
      m_lockProjector(options.m_lockProjector != 0), m_curveType(options.m_radiusType),
      m_tiltType(options.m_tiltType), m_porthole(options.m_porthole != 0),
      m_portholeDistance(options.m_portholeThrow), m_tiltDepth(options.m_tiltDepth) {
    // The scratch auditorium takes the page's defaults as a new auditorium takes the options.
    m_scratch->SetCurveType(options.m_radiusType);
    m_scratch->SetCurveValue(options.m_radiusValue);
    m_scratch->SetTiltType(options.m_tiltType);
    if (options.m_tiltType == TiltAdjustable) {
        // The page's slider starts at a flat screen, so a default tilted forwards, which only
        // a settings file can hold, is shown as the nearest angle the slider reaches.
        m_scratch->SetTiltAngle(std::max(options.m_tiltValue, 0.0));
    } else {
        m_scratch->SetAudienceHeight(options.m_tiltValue);
    }
    m_scratch->SetAudienceDistance(options.m_tiltDepth);
    m_audienceHeight = m_scratch->AudienceHeight();
    m_audienceDistance = m_scratch->AudienceDistance();
    SelectCurveType(m_curveType);
    SelectTiltType(m_tiltType);
}

ScreenOptionsModel::~ScreenOptionsModel() = default;

// The curve does not jump when it becomes adjustable: the percentage shown so far carries
// over.
void ScreenOptionsModel::SelectCurveType(int type) {
    const double percent = m_scratch->GetCurvePercent();
    m_curveType = type;
    m_scratch->SetCurveType(type);
    if (type == CurveAdjustable) {
        m_scratch->SetCurveValue(percent);
    }
    RefreshCurve();
}

void ScreenOptionsModel::MoveCurveSlider(double percent) {
    m_scratch->SetCurveValue(percent);
    RefreshCurve();
}

void ScreenOptionsModel::SelectTiltType(int type) {
    const double angle = m_scratch->GetTiltAngle();
    m_tiltType = type;
    m_scratch->SetTiltType(type);
    if (type == TiltAdjustable) {
        m_scratch->SetTiltAngle(angle);
    } else if (type == TiltRecommended) {
        m_scratch->SetTiltAngle(angle);
        m_audienceHeight = m_scratch->AudienceHeight();
        m_audienceDistance = m_scratch->AudienceDistance();
    }
    RefreshTilt();
}

void ScreenOptionsModel::MoveTiltSlider(double degrees) {
    m_scratch->SetTiltAngle(degrees);
    RefreshTilt();
}

void ScreenOptionsModel::SetAudienceHeight(double metres) {
    m_audienceHeight = metres;
    m_scratch->SetAudienceHeight(metres);
    RefreshTilt();
}

void ScreenOptionsModel::SetAudienceDistance(double metres) {
    m_audienceDistance = metres;
    m_scratch->SetAudienceDistance(metres);
    RefreshTilt();
}

bool ScreenOptionsModel::CurveSliderEnabled() const {
    return m_curveType == CurveAdjustable;
}

bool ScreenOptionsModel::TiltSliderEnabled() const {
    return m_tiltType == TiltAdjustable;
}

bool ScreenOptionsModel::AudienceEnabled() const {
    return m_tiltType == TiltRecommended;
}

std::string ScreenOptionsModel::CurvePercentText() const {
    return lumivane::CurvePercentText(m_scratch->GetCurvePercent());
}

std::string ScreenOptionsModel::CurveFractionText() const {
    return lumivane::CurveFractionText(m_scratch->GetCurvePercent(), kFractionTolerance);
}

double ScreenOptionsModel::ChordDepth() const {
    return m_scratch->GetChordDepth(nullptr);
}

std::string ScreenOptionsModel::TiltAngleText() const {
    return TiltMagnitudeText(m_scratch->GetTiltAngle());
}

std::string ScreenOptionsModel::TiltDirectionText() const {
    return lumivane::TiltDirectionText(m_scratch->GetTiltAngle());
}

std::string ScreenOptionsModel::AudienceSideText() const {
    return lumivane::AudienceSideText(m_audienceHeight);
}

void ScreenOptionsModel::ApplyTo(AppSettings& options) const {
    options.m_screenEdge = m_lacing;
    options.m_lockProjector = m_lockProjector ? 1 : 0;
    options.m_radiusType = static_cast<std::int16_t>(m_curveType);
    options.m_radiusValue = m_curveSlider;
    options.m_tiltType = static_cast<std::int16_t>(m_tiltType);
    if (m_tiltType == TiltRecommended) {
        options.m_tiltValue = m_audienceHeight;
        options.m_tiltDepth = m_audienceDistance;
    } else {
        // The disabled slider still holds the last angle, and the depth keeps its value.
        options.m_tiltValue = m_tiltSlider;
        options.m_tiltDepth = m_tiltDepth;
    }
    options.m_porthole = m_porthole ? 1 : 0;
    options.m_portholeThrow = m_portholeDistance;
}

void ScreenOptionsModel::RefreshCurve() {
    m_curveSlider =
        SliderValue(m_scratch->GetCurvePercent(), 1.0, kCurveSliderFirst, kCurveSliderLast);
}

void ScreenOptionsModel::RefreshTilt() {
    m_tiltSlider = SliderValue(m_scratch->GetTiltAngle(), kTiltSliderScale, 0, kTiltSliderLast);
}

} // namespace lumivane
