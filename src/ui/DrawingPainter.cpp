#include "ui/DrawingPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace lumivane {

namespace {

const QColor kBesideScreen(0, 128, 128);
const QColor kOnScreen(0, 255, 0);
const QColor kPrintedImage(64, 196, 196);
const QColor kMaskedImage(128, 255, 128);
const QColor kOutline(255, 0, 0);
const QColor kPrintedGrid(255, 190, 190);
const QColor kRays(0, 255, 0);
const QColor kPrintedRays(0, 160, 0);
const QColor kWall(128, 128, 128);
const QColor kBooth(80, 80, 80);
const QColor kFlat(0, 0, 255);
const QColor kScope(200, 0, 200);
const QColor kEyeLine(0, 110, 200);
// Share of a window pixel the printed grid's lines are wide.
constexpr double kPrintedGridWidth = 0.3;
constexpr double kFormatWidth = 2.0;
constexpr double kThickWidth = 2.0;

QPolygonF ToPolygon(const DrawingFit& fit, const std::vector<ScreenPoint>& points) {
    QPolygonF polygon;
    for (const ScreenPoint& p : points) {
        polygon << fit.ToDevice(p);
    }
    return polygon;
}

QPen Hair(const QColor& colour) {
    return QPen(colour, 0, Qt::SolidLine);
}

// A hairline is one device pixel wide unless the style gives it a width of its own.
void UsePen(QPainter& painter, QPen pen, const DrawingStyle& style) {
    if (pen.style() != Qt::NoPen && pen.widthF() == 0 && style.hairWidth > 0) {
        pen.setWidthF(style.hairWidth);
    }
    painter.setPen(pen);
}

QPen PenFor(DrawingRole role, const DrawingStyle& style) {
    const double u = style.unit;
    switch (role) {
    case DrawingRole::Wall:
        return Hair(kWall);
    case DrawingRole::Screen:
        return QPen(Qt::black, kThickWidth * u, Qt::SolidLine, Qt::FlatCap);
    case DrawingRole::ImageOutline:
    case DrawingRole::LensCircle:
        return Hair(kOutline);
    case DrawingRole::Grid:
        return style.printing ? QPen(kPrintedGrid, kPrintedGridWidth * u) : Hair(kOutline);
    case DrawingRole::FlatFormat:
        return QPen(kFlat, kFormatWidth * u, Qt::DashLine);
    case DrawingRole::ScopeFormat:
        return QPen(kScope, kFormatWidth * u, Qt::DashDotLine);
    case DrawingRole::Ray:
        return Hair(style.printing ? kPrintedRays : kRays);
    case DrawingRole::Booth:
    case DrawingRole::SeatRow:
        return QPen(kBooth, kThickWidth * u, Qt::SolidLine, Qt::FlatCap);
    case DrawingRole::EyeLine:
        return QPen(kEyeLine, 0, Qt::DashLine);
    default:
        return Hair(Qt::black);
    }
}

const DrawingPath* ScreenArea(const Drawing& drawing) {
    const auto found = std::find_if(drawing.paths.begin(), drawing.paths.end(), [](const auto& p) {
        return p.role == DrawingRole::Screen && p.filled;
    });
    return found == drawing.paths.end() ? nullptr : &*found;
}

// The image beside the screen in one colour, on it in another, with its red outline.
void PaintImage(QPainter& painter, const QPolygonF& image, const QPolygonF& screen,
                const DrawingStyle& style) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(style.printing ? kPrintedImage : kBesideScreen);
    painter.drawPolygon(image);
    painter.setBrush(Qt::white);
    painter.drawPolygon(screen);
    QPainterPath onScreen;
    onScreen.addPolygon(image.intersected(screen));
    painter.fillPath(onScreen, style.printing ? kPrintedImage : kOnScreen);
    if (style.printing) {
        UsePen(painter, Hair(Qt::black), style);
        painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(screen);
    }
}

void PaintPath(QPainter& painter, const Drawing& drawing, const DrawingPath& path,
               const DrawingFit& fit, const DrawingStyle& style) {
    const QPolygonF polygon = ToPolygon(fit, path.points);
    switch (path.role) {
    case DrawingRole::Screen:
        if (path.filled) {
            UsePen(painter, style.printing ? Hair(Qt::black) : QPen(Qt::NoPen), style);
            painter.setBrush(Qt::white);
            painter.drawPolygon(polygon);
            return;
        }
        break;
    case DrawingRole::ImageOutline:
        if (const DrawingPath* screen = ScreenArea(drawing)) {
            PaintImage(painter, polygon, ToPolygon(fit, screen->points), style);
        }
        UsePen(painter, PenFor(path.role, style), style);
        painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(polygon);
        return;
    case DrawingRole::Masked:
        // Only what lands on the screen is kept by the masking.
        if (const DrawingPath* screen = ScreenArea(drawing); screen && style.printing) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(kMaskedImage);
            painter.drawPolygon(polygon.intersected(ToPolygon(fit, screen->points)));
        }
        return;
    case DrawingRole::LensCircle:
        if (style.printing) {
            return;
        }
        break;
    default:
        break;
    }
    UsePen(painter, PenFor(path.role, style), style);
    painter.setBrush(Qt::NoBrush);
    if (path.closed) {
        painter.drawPolygon(polygon);
    } else {
        painter.drawPolyline(polygon);
    }
}

QFont TextFont(const DrawingStyle& style, double height, const DrawingFit& fit) {
    if (style.font) {
        return *style.font;
    }
    QFont font;
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(height * fit.scale))));
    return font;
}

void PaintText(QPainter& painter, const DrawingText& text, const DrawingFit& fit,
               const DrawingStyle& style) {
    const QFont font = TextFont(style, text.height, fit);
    const QString words = QString::fromStdString(text.text);
    const QFontMetricsF metrics(font, painter.device());
    const double w = metrics.horizontalAdvance(words);
    const double h = metrics.height();
    const double x =
        text.along == TextAlign::Start ? 0 : (text.along == TextAlign::Middle ? -w / 2 : -w);
    const double y =
        text.across == TextAlign::Start ? -h : (text.across == TextAlign::Middle ? -h / 2 : 0);
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.translate(fit.ToDevice(text.at));
    painter.rotate(-text.angle);
    painter.drawText(QRectF(x, y, w, h), Qt::AlignCenter, words);
    painter.restore();
}

// The dimension in device units: a vertical one runs down the device as it runs up the drawing.
DimensionLine OnDevice(const DimensionLine& line, const DrawingFit& fit) {
    if (line.vertical) {
        return {true, fit.originY - fit.scale * line.to, fit.originY - fit.scale * line.from,
                fit.originX + fit.scale * line.at, line.text};
    }
    return {false, fit.originX + fit.scale * line.from, fit.originX + fit.scale * line.to,
            fit.originY - fit.scale * line.at, line.text};
}

void PaintDimension(QPainter& painter, const DimensionLine& line, const QFontMetricsF& metrics,
                    const DrawingStyle& style) {
    const QString text = QString::fromStdString(line.text);
    const double tw = metrics.horizontalAdvance(text);
    const double th = metrics.height();
    const DimensionShape shape = ShapeDimension(line, tw, th);
    UsePen(painter, Hair(Qt::black), style);
    for (const LineSegment& s : shape.lines) {
        painter.drawLine(QPointF(s.x1, s.y1), QPointF(s.x2, s.y2));
    }
    painter.save();
    painter.translate(shape.textX, shape.textY);
    if (line.vertical) {
        painter.rotate(-90);
        // The turned text keeps to the gap between the two pieces of its line.
        const double gap = shape.gapTo - shape.gapFrom;
        painter.setClipRect(QRectF(-gap / 2, -th / 2, gap, th), Qt::IntersectClip);
    }
    painter.drawText(QRectF(-tw / 2, -th / 2, tw, th), Qt::AlignCenter, text);
    painter.restore();
}

void PaintDimensions(QPainter& painter, const Drawing& drawing, const DrawingFit& fit,
                     const DrawingStyle& style) {
    if (drawing.dimensions.empty()) {
        return;
    }
    painter.save();
    const QFont font = TextFont(style, drawing.textHeight, fit);
    painter.setFont(font);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    const QFontMetricsF metrics(font, painter.device());
    for (const DrawingDimension& dimension : drawing.dimensions) {
        PaintDimension(painter, OnDevice(dimension.line, fit), metrics, style);
    }
    painter.restore();
}

} // namespace

bool DrawingFit::IsUsable() const {
    return std::isfinite(scale) && scale > 0 && std::isfinite(originX) && std::isfinite(originY);
}

DrawingFit FitDrawing(const DrawingBox& box, const QRectF& rect) {
    if (box.IsEmpty() || rect.isEmpty()) {
        return {};
    }
    const double scale = std::min(rect.width() / box.Width(), rect.height() / box.Height());
    const double midX = (box.left + box.right) / 2;
    const double midY = (box.bottom + box.top) / 2;
    return {scale, rect.center().x() - scale * midX, rect.center().y() + scale * midY};
}

void PaintDrawing(QPainter& painter, const Drawing& drawing, const DrawingFit& fit,
                  const DrawingStyle& style, std::optional<DrawingLayer> only) {
    if (!fit.IsUsable()) {
        return;
    }
    auto shown = [&](DrawingLayer layer) {
        return !only || *only == layer;
    };
    painter.save();
    for (const DrawingPath& path : drawing.paths) {
        if (shown(path.layer)) {
            PaintPath(painter, drawing, path, fit, style);
        }
    }
    UsePen(painter, Hair(Qt::black), style);
    painter.setBrush(Qt::NoBrush);
    for (const DrawingCircle& circle : drawing.circles) {
        if (shown(circle.layer) &&
            !(style.skipProjectors && circle.role == DrawingRole::Projector)) {
            const double r = circle.radius * fit.scale;
            const QPointF c = fit.ToDevice(circle.centre);
            painter.drawEllipse(c, r, r);
            painter.drawLine(c - QPointF(r, 0), c + QPointF(r, 0));
            painter.drawLine(c - QPointF(0, r), c + QPointF(0, r));
        }
    }
    if (shown(DrawingLayer::Dimensions)) {
        PaintDimensions(painter, drawing, fit, style);
    }
    for (const DrawingText& text : drawing.texts) {
        if (shown(text.layer)) {
            PaintText(painter, text, fit, style);
        }
    }
    painter.restore();
}

} // namespace lumivane
