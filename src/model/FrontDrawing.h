#pragma once
// The front view of a screen as a drawing in metres: x across the front wall from the screen's
// centre line, y up from the finished floor. The screen (less the lacing allowance), the image
// of the set-up shown with its masked part, the distortion grid, the lens circle and the lens
// of each projector; with the measures added, the front wall and the floor, the dimensions of
// the screen and the image, the screen's height above the floor, a scale bar, and the outlines
// of every format of the projector shown with a legend.

#include "model/Drawing.h"
#include "model/ScreenLayout.h"

#include <string>
#include <vector>

namespace lumivane {

struct FrontDrawingOptions {
    bool grid = false;
    // Lines of the grid each way; more than 8 are computed point by point.
    int gridDensity = ImageGeometry::kGridSize - 1;
    // The floor, wall, dimensions, scale bar and every format's outline.
    bool measures = false;
};

struct FrontLens {
    ScreenPoint at;
    std::string name;
};

struct FrontDrawing {
    Drawing drawing;
    // False without an auditorium; the drawing is then empty.
    bool drawn = false;
    // The visible screen, where a lens height is measured from.
    DrawingBox screen;
    // Each projector's lens as shown, with its name when every projector is drawn.
    std::vector<FrontLens> lenses;
};

FrontDrawing DrawFront(const ScreenSubjects& subjects, const FrontDrawingOptions& options);

} // namespace lumivane
