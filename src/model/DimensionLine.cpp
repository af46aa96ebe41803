#include "model/DimensionLine.h"

#include "base/AppContext.h"
#include "model/Auditorium.h"
#include "model/SummaryText.h"

#include <algorithm>
#include <cmath>

namespace lumivane {

namespace {

const char* const kMaskedImage = "Masked Image : ";
const char* const kTopImage = "Top Image : ";
const char* const kBottomImage = "Bottom Image : ";
const char* const kLeftImage = "Left Image : ";
const char* const kRightImage = "Right Image : ";
const char* const kScreen = "Screen (w/o lacing) : ";

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

DimensionLine Horizontal(double x1, double x2, double y, std::string text) {
    return {false, std::min(x1, x2), std::max(x1, x2), y, std::move(text)};
}

DimensionLine Vertical(double y1, double y2, double x, std::string text) {
    return {true, std::min(y1, y2), std::max(y1, y2), x, std::move(text)};
}

void AddImageDimensions(std::vector<DimensionLine>& out, const FrontLayout& layout,
                        ImageGeometry& geometry, double f) {
    const std::array<DrawPoint, 4>& c = *layout.image;
    const auto [leftX, rightX] = std::minmax({c[0].x, c[1].x, c[2].x, c[3].x});
    const double top = std::min(layout.screen.top, layout.imageTop);
    const double bottom = std::max(layout.screen.bottom, layout.imageBottom);
    const double leftmost = std::min(layout.screen.left, leftX);
    const double rightmost = std::max(layout.screen.right, rightX);
    const double topWidth = geometry.TopWidth();
    const double bottomWidth = geometry.BottomWidth();
    const double masked = std::min(std::fabs(topWidth), std::fabs(bottomWidth));
    out.push_back(Horizontal(leftX, rightX, top - f, kMaskedImage + LengthText(masked)));
    const PixelRect inner =
        layout.masked.value_or(PixelRect{0, layout.imageTop, 0, layout.imageBottom});
    out.push_back(Vertical(inner.top, inner.bottom, rightmost + 2 * f,
                           kMaskedImage + LengthText(std::fabs(geometry.InnerHeight()))));
    out.push_back(Horizontal(c[1].x, c[2].x, top - 2 * f, kTopImage + LengthText(topWidth)));
    out.push_back(Horizontal(c[0].x, c[3].x, bottom + f, kBottomImage + LengthText(bottomWidth)));
    out.push_back(
        Vertical(c[1].y, c[0].y, leftmost - f, kLeftImage + LengthText(geometry.EdgeHeight0())));
    out.push_back(
        Vertical(c[2].y, c[3].y, rightmost + f, kRightImage + LengthText(geometry.EdgeHeight1())));
}

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
    shape.gapFrom = a + piece;
    shape.gapTo = b - piece;
    return shape;
}

std::vector<DimensionLine> FrontDimensions(const FrontLayout& layout,
                                           const ScreenSubjects& subjects, ImageGeometry& geometry,
                                           double lineHeight) {
    std::vector<DimensionLine> out;
    if (layout.state != FrontState::Drawn) {
        return out;
    }
    const double f = lineHeight;
    if (subjects.HasImage() && layout.image) {
        AddImageDimensions(out, layout, geometry, f);
    }
    const double e = Ctx().settings.m_screenEdge;
    const CAuditorium& auditorium = *subjects.auditorium;
    const PixelRect& s = layout.screen;
    // Kept clear of an image that reaches beyond the screen.
    const double below = std::max(s.bottom, layout.imageBottom) + 2 * f;
    double left = s.left;
    if (layout.image) {
        for (const DrawPoint& corner : *layout.image) {
            left = std::min<double>(left, corner.x);
        }
    }
    out.push_back(
        Horizontal(s.left, s.right, below, kScreen + LengthText(auditorium.ScreenWidth() - 2 * e)));
    out.push_back(Vertical(s.top, s.bottom, left - 2 * f,
                           kScreen + LengthText(auditorium.ScreenHeight() - 2 * e)));
    return out;
}

} // namespace lumivane
