#pragma once
// Paints a drawing in metres with QPainter, fitted into a rectangle of any paint device: the
// window, a printed page, a PDF or an SVG file. Roles become pens and brushes here: the
// window's own colours on screen, and on paper the printed colours with a grid drawn thin and
// light so that it never prints as a mesh.

#include "model/Drawing.h"

#include <QFont>
#include <QPointF>
#include <QRectF>

#include <optional>

class QPainter;

namespace lumivane {

// Metres to device units: x to the right, y down.
struct DrawingFit {
    double scale = 0.0;
    double originX = 0.0;
    double originY = 0.0;

    QPointF ToDevice(ScreenPoint p) const { return {originX + scale * p.x, originY - scale * p.y}; }
    bool IsUsable() const;
};

// The box shown as large as it fits in rect, centred.
DrawingFit FitDrawing(const DrawingBox& box, const QRectF& rect);

struct DrawingStyle {
    // Printed colours, thin light grid, no lens circle.
    bool printing = false;
    // The window draws projector markers of its own.
    bool skipProjectors = false;
    // Texts in this font when set; else each at its own height in metres.
    std::optional<QFont> font;
    // Device units per pixel of a 96-dpi window, for the widths of lines.
    double unit = 1.0;
    // The width of hairlines in device units; 0 draws them one device pixel wide.
    double hairWidth = 0.0;
};

// Paints the drawing, or only its primitives on one layer.
void PaintDrawing(QPainter& painter, const Drawing& drawing, const DrawingFit& fit,
                  const DrawingStyle& style, std::optional<DrawingLayer> only = std::nullopt);

} // namespace lumivane
