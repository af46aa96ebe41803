#include "model/DimensionLine.h"

#include <algorithm>
#include <cmath>

namespace lumivane {

namespace {

// Points along the line (u) and across it (v), turned for a vertical line.
struct Frame {
    bool vertical;
    double at;

    LineSegment Segment(double u1, double v1, double u2, double v2) const {
        if (vertical) {
            return {at + v1, u1, at + v2, u2};
        }
        return {u1, at + v1, u2, at + v2};
    }
};

} // namespace

DimensionShape ShapeDimension(const DimensionLine& line, double textWidth, double textHeight) {
    const Frame frame{line.vertical, line.at};
    const double a = std::min(line.from, line.to);
    const double b = std::max(line.from, line.to);
    const double d = textHeight / 3;
    const double gap = (b - a) - textWidth - textHeight;
    // A text longer than the line leaves no line pieces, rather than pieces pointing outward.
    const double piece = std::max(gap / 2, 0.0);
    DimensionShape shape;
    shape.lines = {
        frame.Segment(a, d, a, -d),        frame.Segment(a + d, -d, a, 0),
        frame.Segment(a, 0, a + d, d),     frame.Segment(b, d, b, -d),
        frame.Segment(b - d, -d, b, 0),    frame.Segment(b, 0, b - d, d),
        frame.Segment(a, 0, a + piece, 0), frame.Segment(b - piece, 0, b, 0),
    };
    const double middle = (a + b) / 2;
    shape.textX = line.vertical ? line.at : middle;
    shape.textY = line.vertical ? middle : line.at;
    // The gap the text is kept to spans at least the text, so a text longer than its line is
    // read whole instead of cut to the line's length.
    shape.gapFrom = a + gap / 2;
    shape.gapTo = b - gap / 2;
    return shape;
}

} // namespace lumivane
