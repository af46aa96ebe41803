#pragma once
// A screen drawing as plain primitives in metres (x to the right, y up): paths, circles, texts
// with their anchors and measured dimensions, each on a named layer and with a role that the
// front end turns into its own pen. The window, the printed page, the SVG and the DXF writers
// all draw these, so what is exported is what is shown.

#include "model/DimensionLine.h"
#include "model/ImageGeometry.h"

#include <array>
#include <string>
#include <vector>

namespace lumivane {

enum class DrawingLayer { Screen, Images, Grid, Dimensions, Text };
inline constexpr std::array kDrawingLayers = {DrawingLayer::Screen, DrawingLayer::Images,
                                              DrawingLayer::Grid, DrawingLayer::Dimensions,
                                              DrawingLayer::Text};

// The layer's name in exported files: "screen", "images", "grid", "dimensions", "text".
const char* LayerName(DrawingLayer layer);

// What a primitive stands for; colours and line styles are the front end's.
enum class DrawingRole {
    Wall,
    Floor,
    Screen,
    ImageBeside,
    ImageOnScreen,
    ImageOutline,
    Masked,
    Grid,
    LensCircle,
    FlatFormat,
    ScopeFormat,
    Projector,
    Ray,
    Axis,
    Booth,
    SeatRow,
    EyeLine,
    Dimension,
    Label,
};

struct DrawingPath {
    DrawingLayer layer = DrawingLayer::Screen;
    DrawingRole role = DrawingRole::Screen;
    std::vector<ScreenPoint> points;
    bool closed = false;
    // Closed paths only: the inside is filled in the role's colour where the front end fills.
    bool filled = false;
};

struct DrawingCircle {
    DrawingLayer layer = DrawingLayer::Images;
    DrawingRole role = DrawingRole::Projector;
    ScreenPoint centre;
    double radius = 0.0;
};

enum class TextAlign { Start, Middle, End };

// A line of text: its anchor point, its height in metres and the angle of its baseline in
// degrees counter-clockwise. The anchor is the point of the text's box named by the two
// alignments (Start is the left along the baseline, and the bottom across it).
struct DrawingText {
    DrawingLayer layer = DrawingLayer::Text;
    DrawingRole role = DrawingRole::Label;
    ScreenPoint at;
    std::string text;
    double height = 0.0;
    double angle = 0.0;
    TextAlign along = TextAlign::Start;
    TextAlign across = TextAlign::Start;
};

// A measured length on the dimensions layer: the line between from and to at a place across
// it, as DimensionLine has it, with the length the text states.
struct DrawingDimension {
    DimensionLine line;
    double value = 0.0;
};

struct DrawingBox {
    double left = 0.0;
    double bottom = 0.0;
    double right = 0.0;
    double top = 0.0;

    double Width() const { return right - left; }
    double Height() const { return top - bottom; }
    bool IsEmpty() const { return !(right > left && top > bottom); }
};

struct Drawing {
    std::vector<DrawingPath> paths;
    std::vector<DrawingCircle> circles;
    std::vector<DrawingText> texts;
    std::vector<DrawingDimension> dimensions;
    // The height of dimension and label texts, in metres, chosen for the drawing's size.
    double textHeight = 0.0;

    void AddPath(DrawingLayer layer, DrawingRole role, std::vector<ScreenPoint> points,
                 bool closed = false, bool filled = false);
    void AddText(DrawingLayer layer, ScreenPoint at, std::string text, TextAlign along,
                 TextAlign across, double angle = 0.0);
    void AddDimension(const DimensionLine& line, double value);

    // Everything drawn, dimensions and texts included (texts by an estimate of their width).
    DrawingBox Bounds() const;
};

// The width a text of that height is taken to have where no font is at hand.
double EstimatedTextWidth(const std::string& text, double height);

// The same drawing with each dimension turned into its lines and its text on the dimensions
// layer, for writers that know nothing of dimensions.
Drawing Flattened(const Drawing& drawing);

// A round length (1, 2 or 5 times a power of ten of the unit shown) about a fifth of span,
// in metres; 0 when span is not a positive number.
double ScaleBarLength(double span);

// A scale bar of that length starting at origin: the bar with its end marks and the text of
// its length, on the dimensions and text layers.
void AddScaleBar(Drawing& drawing, ScreenPoint origin, double length);

} // namespace lumivane
