#pragma once
// Where the pieces of the section view of a screen go, in pixels of whatever is drawn on: the
// screen seen from the side (turned by its tilt, with the depth of its curve), the projectors
// at their throw and lens height, the light from each lens to the image and the optical axis.

#include "model/DimensionLine.h"
#include "model/ScreenLayout.h"

#include <vector>

namespace lumivane {

struct SectionProjector {
    DrawPoint lens;
    // From the screen, at the top and at the bottom of the image (or of the screen when no
    // set-up is shown), to the lens.
    std::vector<LineSegment> rays;
    // The start of the optical axis toward the screen; absent when its angle is not a number.
    std::optional<LineSegment> axis;
    double throwDistance = 0.0;
    double lensHeight = 0.0;
};

struct SectionLayout {
    // False when there is nothing to draw: no auditorium, or a screen without height.
    bool drawn = false;
    // Pixels per metre.
    double scale = 0.0;
    DrawPoint screenTop;
    DrawPoint screenBottom;
    // On a curved screen, the depth of the curve on the projector's side; empty when flat.
    PixelPolyline chord;
    // The middle of the screen line and the height of the screen's bottom.
    int screenX = 0;
    int floorY = 0;
    // Empty when no projector can be placed (none, or no throw or height): the screen alone.
    std::vector<SectionProjector> projectors;
};

SectionLayout LayoutSection(const ScreenSubjects& subjects, ImageGeometry& geometry,
                            const PixelRect& rect);

// The throw of every projector drawn, and its lens height from the lens down to the screen's
// bottom, lineHeight apart below the drawing.
std::vector<DimensionLine> SectionDimensions(const SectionLayout& layout, double lineHeight);

} // namespace lumivane
