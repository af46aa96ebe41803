#pragma once
// The Screen page of the options sheet without its widgets: the values its controls hold,
// which of them are enabled, and the previews it shows. The previews are computed on a scratch
// auditorium that takes the page's defaults, so they show what a new auditorium would get.

#include "base/AppSettings.h"

#include <memory>
#include <string>

class CAuditorium;

namespace lumivane {

class ScreenOptionsModel {
public:
    static constexpr int kCurveSliderFirst = 20;
    static constexpr int kCurveSliderLast = 200;
    static constexpr int kCurveSliderTick = 20;
    static constexpr int kTiltSliderLast = 200;
    static constexpr int kTiltSliderTick = 10;
    static constexpr double kTiltSliderScale = 0.1;
    static constexpr double kFractionTolerance = 0.02;

    explicit ScreenOptionsModel(const AppSettings& options);
    ~ScreenOptionsModel();
    ScreenOptionsModel(const ScreenOptionsModel&) = delete;
    ScreenOptionsModel& operator=(const ScreenOptionsModel&) = delete;

    // The user's changes, one per control.
    void SetLacing(double metres) { m_lacing = metres; }
    void SetLockProjector(bool on) { m_lockProjector = on; }
    void SelectCurveType(int type);
    void MoveCurveSlider(double percent);
    void SelectTiltType(int type);
    void MoveTiltSlider(double degrees);
    void SetAudienceHeight(double metres);
    void SetAudienceDistance(double metres);
    void SetPorthole(bool on) { m_porthole = on; }
    void SetPortholeDistance(double metres) { m_portholeDistance = metres; }

    // What the controls show.
    double Lacing() const { return m_lacing; }
    bool LockProjector() const { return m_lockProjector; }
    int CurveType() const { return m_curveType; }
    double CurveSlider() const { return m_curveSlider; }
    int TiltType() const { return m_tiltType; }
    double TiltSlider() const { return m_tiltSlider; }
    double AudienceHeight() const { return m_audienceHeight; }
    double AudienceDistance() const { return m_audienceDistance; }
    bool Porthole() const { return m_porthole; }
    double PortholeDistance() const { return m_portholeDistance; }

    bool CurveSliderEnabled() const;
    bool TiltSliderEnabled() const;
    // The audience height and distance fields.
    bool AudienceEnabled() const;
    bool PortholeDistanceEnabled() const { return m_porthole; }

    // The previews.
    std::string CurvePercentText() const;
    std::string CurveFractionText() const;
    double ChordDepth() const;
    std::string TiltAngleText() const;
    std::string TiltDirectionText() const;
    std::string AudienceSideText() const;

    // What OK copies back: everything the page edits, into options.
    void ApplyTo(AppSettings& options) const;

private:
    void RefreshCurve();
    void RefreshTilt();

    std::unique_ptr<CAuditorium> m_scratch;
    double m_lacing;
    bool m_lockProjector;
    int m_curveType;
    double m_curveSlider = kCurveSliderFirst;
    int m_tiltType;
    double m_tiltSlider = 0;
    double m_audienceHeight;
    double m_audienceDistance;
    bool m_porthole;
    double m_portholeDistance;
    double m_tiltDepth;
};

} // namespace lumivane
