#pragma once
// What a field takes, field by field: the lengths and counts a cinema can hold. A typed value
// beyond them is brought back to the nearest limit, and the user is told which one it was.

#include <cstdint>
#include <string>
#include <string_view>

namespace lumivane {

// The longest throws, in the largest halls and drive-ins, are about 100 m and no screen is
// wider; three times that leaves room for every real room while keeping figures such as a
// row of 300 nines out of the geometry.
inline constexpr double kLongestLength = 300.0;

// Metres. A field never shows a sign for a length, so a lowest limit below zero lets a field
// keep the sign it holds (or, without a lower limit, the sign typed).
struct LengthLimits {
    double lowest;
    double highest;
};

// Any length: magnitudes up to the longest.
inline constexpr LengthLimits kAnyLengthLimits{-kLongestLength, kLongestLength};
// A lens position either side of the screen's centre line or bottom.
inline constexpr LengthLimits kPositionLimits{-kLongestLength, kLongestLength};
// A throw shorter than 3 m cuts the lens position down to twice itself.
inline constexpr LengthLimits kThrowLimits{3.0, kLongestLength};
// Image and screen sizes: the smallest is still visible as a figure in feet and inches (4").
inline constexpr LengthLimits kImageSizeLimits{0.1, kLongestLength};
// Focal lengths, 5 mm to 1000 mm: projection lenses run from about 15 mm to 300 mm.
inline constexpr LengthLimits kFocalLengthLimits{0.005, 1.0};
// Film and panel apertures, 0.1 mm to 100 mm: a 70 mm frame is about 48 mm wide.
inline constexpr LengthLimits kApertureLimits{0.0001, 0.1};
// Their diagonal; zero (a field cleared while typing) scales nothing.
inline constexpr LengthLimits kApertureDiagonalLimits{0.0, 0.15};

struct CountLimits {
    std::int32_t lowest;
    std::int32_t highest;
};

// The largest auditoriums ever built seat about 6,000.
inline constexpr CountLimits kSeatLimits{0, 99999};

// Which limit a typed value crossed.
enum class LimitCrossed { None, Lowest, Highest };

// Which limit metres crosses; a value that is not a number crosses the lowest.
LimitCrossed CrossedLimit(double metres, const LengthLimits& limits);
// metres brought within limits; a value that is not a number becomes the lowest limit.
double ClampLength(double metres, const LengthLimits& limits);

// A count typed as text, read as atoi reads it, and the limit the text crossed.
std::int32_t CountFromText(std::string_view text, const CountLimits& limits);
LimitCrossed CrossedLimit(std::string_view countText, const CountLimits& limits);

// What the user is told when a typed value was brought back to a limit shown as limitText.
std::string LimitNotice(LimitCrossed crossed, const std::string& limitText);
// The same for a count field.
std::string CountLimitNotice(LimitCrossed crossed, const CountLimits& limits);

// Plain numbers: lumens and gains.
struct NumberLimits {
    double lowest;
    double highest;
};

// The brightest cinema projectors give about 75,000 lumens.
inline constexpr NumberLimits kLumensLimits{0.0, 1000000.0};
inline constexpr NumberLimits kGainLimits{0.01, 5.0};

} // namespace lumivane
