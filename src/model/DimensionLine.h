#pragma once
// A measured line of a screen drawing: a line between two places with end marks, arrow heads
// and its value written in a gap in the middle. The text's size comes from the font it is
// written in, so it is passed in.

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
    // The middle of the text, and the stretch left free for it: the gap between the line's two
    // pieces, or the text's own length where that is longer than the line.
    double textX = 0.0;
    double textY = 0.0;
    double gapFrom = 0.0;
    double gapTo = 0.0;
};

// The strokes of one dimension whose text is textWidth long and textHeight high.
DimensionShape ShapeDimension(const DimensionLine& line, double textWidth, double textHeight);

} // namespace lumivane
