#pragma once
// The measured lines of a printed screen drawing: a line between two places with end marks,
// arrow heads and its value written in a gap in the middle, and the set of them that a printed
// front view carries. The text's size comes from the font of the page, so it is passed in.

#include "model/ScreenLayout.h"

#include <string>
#include <vector>

namespace lumivane {

struct DimensionLine {
    // A horizontal line runs from x = from to x = to at y = at; a vertical one from y = from to
    // y = to at x = at, with its text written upward.
    bool vertical = false;
    double from = 0.0;
    double to = 0.0;
    double at = 0.0;
    std::string text;
};

struct LineSegment {
    double x1 = 0.0;
    double y1 = 0.0;
    double x2 = 0.0;
    double y2 = 0.0;
};

struct DimensionShape {
    std::vector<LineSegment> lines;
    // The middle of the text, and the stretch of the line left free for it.
    double textX = 0.0;
    double textY = 0.0;
    double gapFrom = 0.0;
    double gapTo = 0.0;
};

// The strokes of one dimension whose text is textWidth long and textHeight high.
DimensionShape ShapeDimension(const DimensionLine& line, double textWidth, double textHeight);

// The dimensions of a printed front view: the image's masked, top, bottom and side sizes
// (with a set-up) and the visible screen's, placed lineHeight apart around the drawing.
// The geometry must be the one the layout was made with.
std::vector<DimensionLine> FrontDimensions(const FrontLayout& layout,
                                           const ScreenSubjects& subjects, ImageGeometry& geometry,
                                           double lineHeight);

} // namespace lumivane
