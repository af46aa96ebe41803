#include "model/LightChecks.h"

#include "base/AppContext.h"
#include "catalog/FormatDescriptor.h"
#include "catalog/FormatFlags.h"
#include "model/Auditorium.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"

#include <algorithm>
#include <cmath>

namespace lumivane {

namespace {

constexpr std::int32_t kDigitalKinds = FormatFlag::AnyDmd | FormatFlag::DCinema | FormatFlag::Lcd;

std::optional<double> Positive(double value) {
    return std::isfinite(value) && value > 0.0 ? std::optional<double>(value) : std::nullopt;
}

bool IsDigital(const CLensType& setUp) {
    const CFormatDescriptor* format = setUp.GetFormatDescriptor();
    return format && (format->GetFlags() & kDigitalKinds) != 0;
}

// The factors of the light path besides the share: ageing, port glass and the 3D system.
double PathFactors(const CAuditorium& auditorium, const CProjectorType& projector) {
    const RoomLight& room = auditorium.Light();
    return FactorOrOne(projector.Light().lightFactor) * FactorOrOne(room.portGlass) *
           FactorOrOne(room.transmission3D);
}

struct ImageSpan {
    double widest = 0.0;
    double tallest = 0.0;
};

ImageSpan LargestImages(const CAuditorium& auditorium) {
    ImageSpan span;
    for (int i = 0; i < auditorium.LensTypeCount(); ++i) {
        const auto [height, width] = auditorium.MeasureExtents(*auditorium.GetLensType(i));
        if (std::isfinite(height) && std::isfinite(width)) {
            span.widest = std::max(span.widest, width);
            span.tallest = std::max(span.tallest, height);
        }
    }
    return span;
}

// The top of the tallest image above the floor, centred on the screen and cut by the masking.
double ImageTop(const CAuditorium& auditorium, double tallest) {
    const double screen = auditorium.ScreenHeight();
    return auditorium.FloorToScreen() +
           std::min(screen - ScreenEdge(), screen / 2.0 + tallest / 2.0);
}

} // namespace

std::optional<double> SetUpLight::LuminanceFl() const {
    return luminanceCdM2 ? std::optional<double>(FootLamberts(*luminanceCdM2)) : std::nullopt;
}

// A panel's pixels are square, so the format's aperture fills it along the side where its
// millimetres per pixel are largest, and that gives the panel's size.
std::optional<double> UsedLightShare(const CLensType& setUp) {
    if (!setUp.HasKnownFormat()) {
        return std::nullopt;
    }
    if (!IsDigital(setUp)) {
        return 1.0;
    }
    if (setUp.PanelWidth() <= 0 || setUp.PanelHeight() <= 0) {
        return std::nullopt;
    }
    const double fullWidth = setUp.FullApertureW();
    const double fullHeight = setUp.GetFormatDescriptor()->GetHeight();
    const double pitch = std::max(fullWidth / setUp.PanelWidth(), fullHeight / setUp.PanelHeight());
    const double panelArea = pitch * setUp.PanelWidth() * pitch * setUp.PanelHeight();
    const auto share = Positive(setUp.ApertureW() * setUp.ApertureH() / panelArea);
    return share ? std::optional<double>(std::min(*share, 1.0)) : std::nullopt;
}

SetUpLight CheckSetUp(const CAuditorium& auditorium, const CProjectorType& projector,
                      const CLensType& setUp) {
    SetUpLight light;
    light.projector = projector.Name();
    light.format = setUp.GetFormatName();
    light.presentation = auditorium.Light().transmission3D ? Presentation::ThreeD
                         : IsDigital(setUp)                ? Presentation::Digital
                                                           : Presentation::Film;
    const auto [height, width] = auditorium.MeasureExtents(setUp);
    light.imageWidthM = Positive(width);
    light.imageAreaM2 = Positive(height * width);
    light.lightShare = UsedLightShare(setUp);
    const auto lumens = projector.Light().lumens;
    if (!lumens || !light.imageAreaM2 || !light.lightShare) {
        return light;
    }
    const double factors = PathFactors(auditorium, projector) * *light.lightShare;
    const double gain = FactorOrOne(auditorium.Light().screenGain);
    light.luminanceCdM2 = LuminanceCdM2(*lumens, factors, gain, *light.imageAreaM2);
    light.lumensNeeded = LumensNeeded(light.Target().aimCdM2, factors, gain, *light.imageAreaM2);
    light.verdict = Judge(*light.luminanceCdM2, light.Target());
    return light;
}

RoomSightlines CheckSightlines(const CAuditorium& auditorium) {
    RoomSightlines lines;
    const SeatRows& rows = auditorium.Light().rows;
    const ImageSpan span = LargestImages(auditorium);
    if (span.widest > 0.0) {
        lines.widestImageM = span.widest;
        if (rows.farthest) {
            lines.farthestRowAngle = SubtendedAngle(span.widest, *rows.farthest);
            lines.farthestRowWidths = *rows.farthest / span.widest;
        }
        if (auditorium.AudienceDistance() > 0.0) {
            lines.audienceCentreAngle = SubtendedAngle(span.widest, auditorium.AudienceDistance());
        }
    }
    if (span.tallest > 0.0 && rows.nearest && rows.eyeHeight) {
        lines.nearestRowVerticalAngle =
            ElevationAngle(ImageTop(auditorium, span.tallest) - *rows.eyeHeight, *rows.nearest);
    }
    return lines;
}

AuditoriumChecks CheckAuditorium(const CAuditorium& auditorium) {
    AuditoriumChecks checks;
    checks.name = auditorium.Name();
    checks.sightlines = CheckSightlines(auditorium);
    for (int p = 0; p < auditorium.ProjectorCount(); ++p) {
        const CProjectorType& projector = *auditorium.GetProjector(p);
        for (int s = 0; s < projector.LensTypeCount(); ++s) {
            checks.setUps.push_back(CheckSetUp(auditorium, projector, *projector.GetLensType(s)));
        }
    }
    return checks;
}

} // namespace lumivane
