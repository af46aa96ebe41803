#pragma once
// What the auditorium view and the screen-curve and screen-tilt bars say about an auditorium,
// beyond the curve and tilt words they share with the options sheet: the curve with its chord
// depth, the tilt in tenths of a degree, the seat and projector counts, the entries of their
// lists, and the labels that shorten in a narrow pane.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CAuditorium;

namespace lumivane {

// The view accepts a fraction within 2.5 % of the percentage, the curve bar within 2 %.
inline constexpr double kViewFractionTolerance = 0.025;
inline constexpr double kBarFractionTolerance = 0.02;

// "200% or 2 of the throw.", a line break, "Screen chord depth of " and the depth.
std::string CurveText(const CAuditorium& auditorium);
// The chord depth of the visible screen as a length; zero length without a curve.
std::string ChordDepthText(const CAuditorium& auditorium);

// "5.0": the angle's magnitude with one decimal, at least three characters wide.
std::string TiltAngleText(double degrees);
// "5.0 degrees tilted backwards".
std::string TiltText(double degrees);
// A typed seat count: its leading whole number, 0 for text that is no number, held within the
// seat limits.
std::int32_t SeatCountFromText(std::string_view text);
// "Seats: 224", the seats and the handicapped places together.
std::string SeatsTotalText(const CAuditorium& auditorium);
// "Projectors: 1".
std::string ProjectorCountText(const CAuditorium& auditorium);

// The entries of the lists, in the order of the curve and tilt types.
const std::vector<std::string>& CurveTypeNames();
const std::vector<std::string>& CurveBarTypeNames();
const std::vector<std::string>& TiltTypeNames();

// The labels of the settings rows for a pane width, with unitWidth the width of "Wy".
struct SettingsLabels {
    std::string floorToScreen;
    std::string floorToLens;
    std::string frontWall;
    bool operator==(const SettingsLabels&) const = default;
};
SettingsLabels SettingsLabelsFor(int paneWidth, int unitWidth);

} // namespace lumivane
