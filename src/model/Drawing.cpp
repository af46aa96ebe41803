#include "model/Drawing.h"

#include "base/AppContext.h"
#include "base/Length.h"
#include "model/SummaryText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lumivane {

namespace {

// An average glyph of a sans-serif font is about this share of the text's height wide.
constexpr double kGlyphWidth = 0.6;

struct BoxBuilder {
    double left = std::numeric_limits<double>::infinity();
    double bottom = std::numeric_limits<double>::infinity();
    double right = -std::numeric_limits<double>::infinity();
    double top = -std::numeric_limits<double>::infinity();

    void Add(double x, double y) {
        if (!std::isfinite(x) || !std::isfinite(y)) {
            return;
        }
        left = std::min(left, x);
        right = std::max(right, x);
        bottom = std::min(bottom, y);
        top = std::max(top, y);
    }
    DrawingBox Box() const {
        return left <= right ? DrawingBox{left, bottom, right, top} : DrawingBox{};
    }
};

// The corners of a text's box, turned about its anchor.
void AddTextBox(BoxBuilder& box, const DrawingText& text) {
    const double w = EstimatedTextWidth(text.text, text.height);
    const double h = text.height;
    const double shiftU =
        text.along == TextAlign::Start ? 0 : (text.along == TextAlign::Middle ? -w / 2 : -w);
    const double shiftV =
        text.across == TextAlign::Start ? 0 : (text.across == TextAlign::Middle ? -h / 2 : -h);
    const double a = text.angle * std::acos(-1.0) / 180;
    for (const auto& [u, v] : {std::pair{0.0, 0.0}, {w, 0.0}, {0.0, h}, {w, h}}) {
        const double du = u + shiftU;
        const double dv = v + shiftV;
        box.Add(text.at.x + du * std::cos(a) - dv * std::sin(a),
                text.at.y + du * std::sin(a) + dv * std::cos(a));
    }
}

ScreenPoint Start(const LineSegment& s) {
    return {s.x1, s.y1};
}

ScreenPoint End(const LineSegment& s) {
    return {s.x2, s.y2};
}

} // namespace

const char* LayerName(DrawingLayer layer) {
    switch (layer) {
    case DrawingLayer::Screen:
        return "screen";
    case DrawingLayer::Images:
        return "images";
    case DrawingLayer::Grid:
        return "grid";
    case DrawingLayer::Dimensions:
        return "dimensions";
    case DrawingLayer::Text:
        break;
    }
    return "text";
}

void Drawing::AddPath(DrawingLayer layer, DrawingRole role, std::vector<ScreenPoint> points,
                      bool closed, bool filled) {
    if (points.size() > 1) {
        paths.push_back({layer, role, std::move(points), closed, filled && closed});
    }
}

void Drawing::AddText(DrawingLayer layer, ScreenPoint at, std::string text, TextAlign along,
                      TextAlign across, double angle) {
    texts.push_back(
        {layer, DrawingRole::Label, at, std::move(text), textHeight, angle, along, across});
}

void Drawing::AddDimension(const DimensionLine& line, double value) {
    if (std::isfinite(line.from) && std::isfinite(line.to) && std::isfinite(line.at)) {
        dimensions.push_back({line, value});
    }
}

DrawingBox Drawing::Bounds() const {
    BoxBuilder box;
    for (const DrawingPath& path : paths) {
        for (const ScreenPoint& p : path.points) {
            box.Add(p.x, p.y);
        }
    }
    for (const DrawingCircle& circle : circles) {
        box.Add(circle.centre.x - circle.radius, circle.centre.y - circle.radius);
        box.Add(circle.centre.x + circle.radius, circle.centre.y + circle.radius);
    }
    for (const DrawingText& text : texts) {
        AddTextBox(box, text);
    }
    const Drawing flat = Flattened(Drawing{{}, {}, {}, dimensions, textHeight});
    for (const DrawingPath& path : flat.paths) {
        for (const ScreenPoint& p : path.points) {
            box.Add(p.x, p.y);
        }
    }
    for (const DrawingText& text : flat.texts) {
        AddTextBox(box, text);
    }
    return box.Box();
}

double EstimatedTextWidth(const std::string& text, double height) {
    // UTF-8 continuation bytes do not start a glyph.
    const auto glyphs = std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    });
    return kGlyphWidth * height * static_cast<double>(glyphs);
}

Drawing Flattened(const Drawing& drawing) {
    Drawing flat = drawing;
    flat.dimensions.clear();
    const double h = drawing.textHeight;
    for (const DrawingDimension& dimension : drawing.dimensions) {
        const DimensionLine& line = dimension.line;
        const DimensionShape shape = ShapeDimension(line, EstimatedTextWidth(line.text, h), h);
        for (const LineSegment& s : shape.lines) {
            flat.AddPath(DrawingLayer::Dimensions, DrawingRole::Dimension, {Start(s), End(s)});
        }
        flat.texts.push_back({DrawingLayer::Dimensions,
                              DrawingRole::Dimension,
                              {shape.textX, shape.textY},
                              line.text,
                              h,
                              line.vertical ? 90.0 : 0.0,
                              TextAlign::Middle,
                              TextAlign::Middle});
    }
    return flat;
}

double ScaleBarLength(double span) {
    if (!(std::isfinite(span) && span > 0)) {
        return 0.0;
    }
    const bool metric = Ctx().metricUnits;
    const double wanted = (metric ? span : FeetFromMetres(span)) / 5;
    const double power = std::pow(10.0, std::floor(std::log10(wanted)));
    double step = power;
    for (const double factor : {2.0, 5.0, 10.0}) {
        if (factor * power <= wanted) {
            step = factor * power;
        }
    }
    return metric ? step : MetresFromFeet(step);
}

void AddScaleBar(Drawing& drawing, ScreenPoint origin, double length) {
    if (!(length > 0)) {
        return;
    }
    const double tick = drawing.textHeight / 2;
    const double x1 = origin.x + length;
    const double y = origin.y;
    drawing.AddPath(DrawingLayer::Dimensions, DrawingRole::Dimension,
                    {{origin.x, y + tick}, {origin.x, y}, {x1, y}, {x1, y + tick}});
    drawing.AddPath(DrawingLayer::Dimensions, DrawingRole::Dimension,
                    {{(origin.x + x1) / 2, y}, {(origin.x + x1) / 2, y + tick / 2}});
    drawing.AddText(DrawingLayer::Text, {origin.x, y + tick}, "0", TextAlign::Middle,
                    TextAlign::Start);
    drawing.AddText(DrawingLayer::Text, {x1, y + tick}, LengthText(length), TextAlign::Middle,
                    TextAlign::Start);
}

} // namespace lumivane
