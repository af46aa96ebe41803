#include "model/LensPicture.h"

#include "catalog/LensDescriptor.h"
#include "model/LensType.h"
#include "model/PixelMath.h"

#include <algorithm>
#include <cmath>

namespace lumivane {

namespace {

// Inside the frame the picture keeps two more pixels clear.
constexpr int kInset = 2;

PixelRect CentredSquare(const PixelRect& inside) {
    const PixelRect area{inside.left + kInset, inside.top + kInset, inside.right - kInset,
                         inside.bottom - kInset};
    const int side = std::max(0, std::min(area.Width(), area.Height()));
    const int left = area.left + (area.Width() - side) / 2;
    const int top = area.top + (area.Height() - side) / 2;
    return {left, top, left + side, top + side};
}

// centre and half sizes in pixels, held to the drawing range.
PixelRect Around(double x, double y, double halfWidth, double halfHeight) {
    return {RoundedPixel(x - halfWidth), RoundedPixel(y - halfHeight), RoundedPixel(x + halfWidth),
            RoundedPixel(y + halfHeight)};
}

bool IsSize(double millimetres) {
    return std::isfinite(millimetres) && millimetres > 0;
}

} // namespace

// Barrels are catalogued in tenths of a millimetre.
double PrimeBarrelMm(const CLensType& setUp) {
    const CLensDescriptor* lens = setUp.Choice().FirstLens();
    return lens ? lens->Barrel() / 10.0 : 0.0;
}

LensPicture LayoutLensPicture(const CLensType* setUp, const PixelRect& inside) {
    LensPicture picture;
    picture.square = CentredSquare(inside);
    if (!setUp) {
        return picture;
    }
    const PixelRect& square = picture.square;
    const double side = square.Width();
    const double midX = square.left + side / 2;
    const double midY = square.top + side / 2;
    const double apertureW = setUp->ApertureW();
    const double apertureH = setUp->ApertureH();
    const double barrel = PrimeBarrelMm(*setUp);
    // Pixels per metre at the film plane.
    double scale = 0;
    if (IsSize(barrel)) {
        scale = side * 1000 / barrel;
        picture.barrel = Around(midX + OffsetOrZero(scale * setUp->ShiftH()),
                                midY - OffsetOrZero(scale * setUp->ShiftV()), side / 2, side / 2);
    } else {
        picture.askForLens = true;
        if (IsSize(apertureW) && IsSize(apertureH)) {
            scale = std::min(side * 1000 / apertureW, side * 1000 / apertureH);
        }
    }
    if (IsSize(apertureW) && IsSize(apertureH) && scale > 0) {
        picture.aperture =
            Around(midX, midY, 0.0005 * apertureW * scale, 0.0005 * apertureH * scale);
    }
    return picture;
}

} // namespace lumivane
