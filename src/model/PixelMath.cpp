#include "model/PixelMath.h"

#include <algorithm>
#include <cmath>

namespace lumivane {

namespace {

std::int32_t Held(double whole) {
    return static_cast<std::int32_t>(std::clamp(whole, -kPixelLimit - 1, kPixelLimit));
}

} // namespace

double OffsetOrZero(double pixels) {
    return std::isnan(pixels) ? 0.0 : pixels;
}

std::int32_t RoundedPixel(double pixels) {
    return Held(std::round(OffsetOrZero(pixels)));
}

std::int32_t TruncatedOffset(double pixels) {
    return Held(std::trunc(OffsetOrZero(pixels)));
}

std::int32_t ScaledOffset(double metres, double scale) {
    return TruncatedOffset(metres * scale + 0.5);
}

} // namespace lumivane
