#pragma once
// Where the pieces of the lens picture go: the barrel of the prime lens, moved by the lens
// shift, over the film aperture it projects, both in a square at the middle of the picture.
// Without a lens there is no barrel to size the picture by, so the aperture fills the square
// and the picture asks for a lens.

#include "model/ScreenLayout.h"

#include <optional>

class CLensType;

namespace lumivane {

struct LensPicture {
    // The square everything is drawn in, and clipped to.
    PixelRect square;
    std::optional<PixelRect> barrel;
    std::optional<PixelRect> aperture;
    // No lens with a barrel is chosen: the picture asks for one.
    bool askForLens = false;
};

// The prime lens's barrel in millimetres; 0 without a lens or with an uncatalogued barrel.
double PrimeBarrelMm(const CLensType& setUp);

// inside is the area within the picture's frame; no set-up draws only the square.
LensPicture LayoutLensPicture(const CLensType* setUp, const PixelRect& inside);

} // namespace lumivane
