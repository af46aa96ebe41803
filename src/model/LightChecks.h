#pragma once
// The light and sightline checks of one auditorium, worked out from the model: per lens
// set-up the luminance on the screen against its target, and for the room the angles its
// seats see the image under. A figure that needs a value the designer has not given is
// absent: nothing is claimed.

#include "model/LightMath.h"

#include <optional>
#include <string>
#include <vector>

class CAuditorium;
class CLensType;
class CProjectorType;

namespace lumivane {

struct SetUpLight {
    std::string projector;
    std::string format;
    Presentation presentation = Presentation::Digital;
    std::optional<double> imageWidthM;
    std::optional<double> imageAreaM2;
    // The share of the projector's light the format passes (panel area or aperture).
    std::optional<double> lightShare;
    std::optional<double> luminanceCdM2;
    std::optional<double> lumensNeeded;
    std::optional<Verdict> verdict;

    const LuminanceTarget& Target() const { return TargetFor(presentation); }
    std::optional<double> LuminanceFl() const;
};

struct RoomSightlines {
    std::optional<double> widestImageM;
    std::optional<double> farthestRowAngle;
    std::optional<double> audienceCentreAngle;
    std::optional<double> nearestRowVerticalAngle;
    // The farthest row's distance in widths of the widest image.
    std::optional<double> farthestRowWidths;
};

struct AuditoriumChecks {
    std::string name;
    RoomSightlines sightlines;
    std::vector<SetUpLight> setUps;
};

// The share of the projector's light that reaches the image: for a digital format the part
// of the panel it uses (its pixels, narrowed by an adjusted panel area); a film projector's
// light is quoted through the aperture it shows, so 1. None when it cannot be worked out.
std::optional<double> UsedLightShare(const CLensType& setUp);
SetUpLight CheckSetUp(const CAuditorium& auditorium, const CProjectorType& projector,
                      const CLensType& setUp);
RoomSightlines CheckSightlines(const CAuditorium& auditorium);
AuditoriumChecks CheckAuditorium(const CAuditorium& auditorium);

} // namespace lumivane
