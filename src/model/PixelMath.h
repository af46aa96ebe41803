#pragma once
// The one way a drawing turns metres into whole pixels. Drawing coordinates stay within the
// 16-bit range every paint device takes, and a value that is not a number moves nothing.

#include <cstdint>

namespace lumivane {

inline constexpr double kPixelLimit = 32767.0;

// An offset in pixels, 0 when it is not a number.
double OffsetOrZero(double pixels);
// The nearest whole pixel, held to the drawing range.
std::int32_t RoundedPixel(double pixels);
// Truncated toward zero, held to the drawing range.
std::int32_t TruncatedOffset(double pixels);
// A length in metres drawn at scale pixels per metre, rounded half up as the image is.
std::int32_t ScaledOffset(double metres, double scale);

} // namespace lumivane
