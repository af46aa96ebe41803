#include "model/LightMath.h"

#include <cmath>
#include <numbers>

namespace lumivane {

namespace {

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;

// Digital cinema: 48 cd/m² (14 fL) at the centre, ±10.2 cd/m² in a theatre.
const LuminanceTarget kDigital{48.0, 48.0 - 10.2, 48.0 + 10.2, "SMPTE ST 431-1", std::nullopt};
// Film: 16 fL (55 cd/m²) open gate, ±7 cd/m².
const LuminanceTarget kFilm{55.0, 55.0 - 7.0, 55.0 + 7.0, "SMPTE 196M", std::nullopt};
// 3D: at least 4.5 fL through the glasses, with the 2D aim as the premium one.
const LuminanceTarget kThreeD{4.5 * kCdM2PerFootLambert, 4.5 * kCdM2PerFootLambert, std::nullopt,
                              "3D, at least 4.5 fL", 48.0};

} // namespace

double LuminanceCdM2(double lumens, double factors, double gain, double areaM2) {
    return lumens * factors * gain / (std::numbers::pi * areaM2);
}

double FootLamberts(double cdM2) {
    return cdM2 / kCdM2PerFootLambert;
}

double CdM2FromFootLamberts(double footLamberts) {
    return footLamberts * kCdM2PerFootLambert;
}

std::optional<double> LumensNeeded(double targetCdM2, double factors, double gain, double areaM2) {
    if (!(factors * gain > 0.0)) {
        return std::nullopt;
    }
    return targetCdM2 * std::numbers::pi * areaM2 / (factors * gain);
}

const LuminanceTarget& TargetFor(Presentation presentation) {
    switch (presentation) {
    case Presentation::Digital:
        return kDigital;
    case Presentation::Film:
        return kFilm;
    case Presentation::ThreeD:
        return kThreeD;
    }
    return kDigital;
}

Verdict Judge(double cdM2, const LuminanceTarget& target) {
    if (cdM2 < target.lowestCdM2) {
        return Verdict::Low;
    }
    if (target.highestCdM2 && cdM2 > *target.highestCdM2) {
        return Verdict::High;
    }
    return Verdict::InRange;
}

const char* VerdictWord(Verdict verdict) {
    switch (verdict) {
    case Verdict::Low:
        return "low";
    case Verdict::InRange:
        return "in range";
    case Verdict::High:
        return "high";
    }
    return "";
}

double SubtendedAngle(double width, double distance) {
    return 2.0 * std::atan2(width / 2.0, distance) * kDegreesPerRadian;
}

double WidthsForAngle(double angle) {
    return 1.0 / (2.0 * std::tan(angle / 2.0 / kDegreesPerRadian));
}

double ElevationAngle(double rise, double distance) {
    return std::atan2(rise, distance) * kDegreesPerRadian;
}

Verdict JudgeHorizontal(double angle) {
    return angle < kLeastAngleEg18 ? Verdict::Low : Verdict::InRange;
}

Verdict JudgeVertical(double angle) {
    return angle > kSteepestVerticalAngle ? Verdict::High : Verdict::InRange;
}

} // namespace lumivane
