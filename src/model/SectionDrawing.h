#pragma once
// The room in section as a drawing in metres: x from the screen toward the projectors, y up
// from the finished floor. The floor, the screen (turned by its tilt, with the depth of its
// curve), the booth's wall with the porthole, each lens with its beam to the top and bottom
// of the image and its optical axis, and the seat rows the designer gave with their eye lines
// to the screen; with the measures added, the throw, the heights and the rows' distances, each
// measured once however many projectors share it.

#include "model/Drawing.h"
#include "model/ScreenLayout.h"

namespace lumivane {

struct SectionDrawing {
    Drawing drawing;
    // False when there is nothing to draw: no auditorium, or a screen without height.
    bool drawn = false;
};

SectionDrawing DrawSection(const ScreenSubjects& subjects, bool measures);

} // namespace lumivane
