#pragma once
// The light and sightline formulas and the targets they are judged against, in one place:
// screen luminance from a projector's light, the light a target needs, and the angles an
// image subtends at a seat. Angles are in degrees, lengths in metres, luminance in cd/m².

#include <optional>
#include <string>

namespace lumivane {

inline constexpr double kCdM2PerFootLambert = 3.426;

// lumens × factors × gain ÷ (π × area): factors is the product of the ageing factor, the share
// of the panel or aperture used and the transmissions in the light path.
double LuminanceCdM2(double lumens, double factors, double gain, double areaM2);
double FootLamberts(double cdM2);
double CdM2FromFootLamberts(double footLamberts);
// The quoted lumens that give targetCdM2; none when the light path passes nothing.
std::optional<double> LumensNeeded(double targetCdM2, double factors, double gain, double areaM2);

enum class Presentation { Digital, Film, ThreeD };

struct LuminanceTarget {
    // What the light is aimed at, at the screen's centre.
    double aimCdM2;
    // The tolerated band; the 3D target names a least value only.
    double lowestCdM2;
    std::optional<double> highestCdM2;
    // The standard it comes from and, for 3D, the aim beyond the least value.
    const char* source;
    std::optional<double> premiumCdM2;
};

const LuminanceTarget& TargetFor(Presentation presentation);

enum class Verdict { Low, InRange, High };
Verdict Judge(double cdM2, const LuminanceTarget& target);
// "low", "in range" or "high".
const char* VerdictWord(Verdict verdict);

// The horizontal angles a seat should see the image under, and the steepest look up to its
// top from the nearest row.
inline constexpr double kLeastAngleEg18 = 30.0;
inline constexpr double kLeastAngleThx = 36.0;
inline constexpr double kSteepestVerticalAngle = 35.0;

// The angle a width subtends at a distance straight in front of it.
double SubtendedAngle(double width, double distance);
// The farthest distance, in image widths, that still sees the image under angle.
double WidthsForAngle(double angle);
// The angle up from the eye to a point rise above it at a distance.
double ElevationAngle(double rise, double distance);
// Against the least horizontal angles: below 30 degrees "low", else "in range".
Verdict JudgeHorizontal(double angle);
// Against the steepest vertical angle: above it "high", else "in range".
Verdict JudgeVertical(double angle);

} // namespace lumivane
