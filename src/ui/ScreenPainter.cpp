#include "ui/ScreenPainter.h"

#include "model/DimensionLine.h"
#include "model/SectionLayout.h"
#include "ui/IconLibrary.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPixmapCache>
#include <QPolygon>

#include <algorithm>
#include <cmath>

namespace lumivane {

namespace {

const QColor kBesideScreen(0, 128, 128);
const QColor kOnScreen(0, 255, 0);
const QColor kPrintedImage(64, 196, 196);
const QColor kMaskedImage(128, 255, 128);
const QColor kOutline(255, 0, 0);
const QColor kRays(0, 255, 0);
const QSize kMarkerSize(12, 18);
constexpr int kModeIconSize = 24;
// Names stand this far above the marker's centre.
constexpr int kNameLift = 12;
constexpr int kCrossWidth = 3;
constexpr int kScreenLineWidth = 2;
constexpr double kDimensionPoints = 10.0;
constexpr double kPointsPerInch = 72.0;
// The drawing's pixel sizes are those of a 96-dpi window; a page draws them larger.
constexpr double kWindowDpi = 96.0;

QPoint ToQt(DrawPoint p) {
    return {p.x, p.y};
}

QRect ToQt(const PixelRect& r) {
    return {QPoint(r.left, r.top), QSize(r.Width(), r.Height())};
}

PixelRect ToPixelRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

QPolygon ToPolygon(const PixelPolyline& line) {
    QPolygon polygon;
    for (const DrawPoint& p : line) {
        polygon << ToQt(p);
    }
    return polygon;
}

// Device pixels per pixel of a window, for line widths and sizes fixed in pixels.
double Unit(const QPainter& painter, bool printing) {
    if (!printing || painter.device() == nullptr) {
        return 1.0;
    }
    return std::max(1.0, painter.device()->logicalDpiY() / kWindowDpi);
}

QPen HairPen(const QColor& colour) {
    return QPen(colour, 0, Qt::SolidLine);
}

QPixmap Picture(const QString& name, QSize size, qreal ratio) {
    const QString key = QStringLiteral("lumivane-screen-%1-%2").arg(name).arg(ratio);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = LoadPicture(name, size, ratio);
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

qreal DeviceRatio(const QPainter& painter) {
    return painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
}

void PaintMarker(QPainter& painter, DrawPoint centre) {
    const QRect place(
        QPoint(centre.x - kMarkerSize.width() / 2, centre.y - kMarkerSize.height() / 2),
        kMarkerSize);
    painter.drawPixmap(
        place, Picture(QStringLiteral("projector-marker"), kMarkerSize, DeviceRatio(painter)));
}

void PaintPrintedCross(QPainter& painter, DrawPoint centre, double unit) {
    const double w = kMarkerSize.width() * unit / 2;
    const double h = kMarkerSize.height() * unit / 2;
    painter.setPen(HairPen(Qt::black));
    painter.drawLine(QPointF(centre.x - w, centre.y), QPointF(centre.x + w, centre.y));
    painter.drawLine(QPointF(centre.x, centre.y - h), QPointF(centre.x, centre.y + h));
}

void PaintRedCross(QPainter& painter, const QRect& rect, double unit) {
    painter.setPen(QPen(kOutline, kCrossWidth * unit));
    painter.drawLine(rect.topLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomLeft());
}

// The fonts of printed dimensions: 10 points at the resolution of the device drawn on.
QFont DimensionFont(const QPainter& painter) {
    QFont font(painter.font(), painter.device());
    const int dpi = painter.device() ? painter.device()->logicalDpiY() : int(kWindowDpi);
    font.setPixelSize(std::max(1, qRound(kDimensionPoints * dpi / kPointsPerInch)));
    return font;
}

void PaintDimension(QPainter& painter, const DimensionLine& line, const QFontMetricsF& metrics) {
    const QString text = QString::fromStdString(line.text);
    const double tw = metrics.horizontalAdvance(text);
    const double th = metrics.height();
    const DimensionShape shape = ShapeDimension(line, tw, th);
    painter.setPen(HairPen(Qt::black));
    for (const LineSegment& s : shape.lines) {
        painter.drawLine(QPointF(s.x1, s.y1), QPointF(s.x2, s.y2));
    }
    painter.save();
    painter.translate(shape.textX, shape.textY);
    if (line.vertical) {
        painter.rotate(-90);
        // The turned text keeps to the gap between the two pieces of its line.
        const double gap = shape.gapTo - shape.gapFrom;
        painter.setClipRect(QRectF(-gap / 2, -th / 2, gap, th));
    }
    painter.drawText(QRectF(-tw / 2, -th / 2, tw, th), Qt::AlignCenter, text);
    painter.restore();
}

void PaintDimensions(QPainter& painter, const std::vector<DimensionLine>& lines,
                     const QFont& font) {
    painter.save();
    painter.setFont(font);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    const QFontMetricsF metrics(font, painter.device());
    for (const DimensionLine& line : lines) {
        PaintDimension(painter, line, metrics);
    }
    painter.restore();
}

double LineHeight(const QPainter& painter, const QFont& font) {
    return QFontMetricsF(font, painter.device()).boundingRect(QStringLiteral("W")).height();
}

void PaintImage(QPainter& painter, const FrontLayout& layout, bool printing) {
    const QRect screen = ToQt(layout.screen);
    painter.setPen(Qt::NoPen);
    const QPolygon image = ToPolygon(layout.outline);
    if (!image.isEmpty()) {
        painter.setBrush(printing ? kPrintedImage : kBesideScreen);
        painter.drawPolygon(image);
    }
    painter.fillRect(screen, Qt::white);
    if (image.isEmpty()) {
        return;
    }
    painter.save();
    painter.setClipRect(screen);
    painter.setBrush(printing ? kPrintedImage : kOnScreen);
    painter.drawPolygon(image);
    if (layout.masked) {
        painter.fillRect(ToQt(*layout.masked), kMaskedImage);
    }
    painter.setPen(HairPen(kOutline));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(image);
    painter.restore();
}

void PaintLines(QPainter& painter, const std::vector<PixelPolyline>& lines) {
    painter.setPen(HairPen(kOutline));
    for (const PixelPolyline& line : lines) {
        painter.drawPolyline(ToPolygon(line));
    }
}

void PaintMarkers(QPainter& painter, const FrontLayout& layout) {
    painter.setPen(Qt::black);
    painter.setBackgroundMode(Qt::TransparentMode);
    const QFontMetrics metrics(painter.font(), painter.device());
    for (const ProjectorMarker& marker : layout.markers) {
        PaintMarker(painter, marker.centre);
        if (marker.name.empty()) {
            continue;
        }
        const QString name = QString::fromStdString(marker.name);
        const int width = metrics.horizontalAdvance(name) + 2;
        const QRect box(marker.centre.x - width / 2, marker.centre.y - kNameLift - metrics.height(),
                        width, metrics.height());
        painter.drawText(box, Qt::AlignHCenter | Qt::AlignBottom, name);
    }
}

// On paper the dimensions stand around the drawing, so the drawing keeps clear of the edges.
QRect RoomForDimensions(const QRect& rect, double lineHeight) {
    constexpr double kLines = 3.0;
    const int room = static_cast<int>(std::ceil(kLines * lineHeight));
    return rect.adjusted(room, room, -room, -room);
}

void PaintFrontDimensions(QPainter& painter, const FrontLayout& layout,
                          const ScreenSubjects& subjects, ImageGeometry& geometry,
                          const QFont& font) {
    painter.setPen(HairPen(Qt::black));
    painter.setBrush(Qt::NoBrush);
    const QRect screen = ToQt(layout.screen);
    painter.drawRect(screen.adjusted(0, 0, -1, -1));
    PaintDimensions(painter, FrontDimensions(layout, subjects, geometry, LineHeight(painter, font)),
                    font);
}

FrontLayout PaintFront(QPainter& painter, const QRect& rect, const ScreenScene& scene,
                       const FrontMapping* held, const QFont& font) {
    ImageGeometry geometry;
    const FrontOptions options{scene.printing, scene.drawGrid, scene.showProjectors};
    const FrontLayout layout =
        LayoutFront(scene.subjects, geometry, ToPixelRect(rect), options, held);
    if (layout.state == FrontState::Unscalable) {
        PaintRedCross(painter, rect, Unit(painter, scene.printing));
    }
    if (layout.state != FrontState::Drawn) {
        return layout;
    }
    PaintImage(painter, layout, scene.printing);
    PaintLines(painter, layout.grid);
    PaintLines(painter, layout.lensCircle);
    PaintMarkers(painter, layout);
    if (scene.printing) {
        PaintFrontDimensions(painter, layout, scene.subjects, geometry, font);
    }
    return layout;
}

void PaintSection(QPainter& painter, const QRect& rect, const ScreenScene& scene,
                  const QFont& font) {
    ImageGeometry geometry;
    const SectionLayout layout = LayoutSection(scene.subjects, geometry, ToPixelRect(rect));
    if (!layout.drawn) {
        return;
    }
    const double unit = Unit(painter, scene.printing);
    painter.setPen(QPen(Qt::black, kScreenLineWidth * unit, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(ToQt(layout.screenTop), ToQt(layout.screenBottom));
    if (!layout.chord.empty()) {
        painter.drawPolyline(ToPolygon(layout.chord));
    }
    for (const SectionProjector& projector : layout.projectors) {
        painter.setPen(HairPen(kRays));
        for (const LineSegment& ray : projector.rays) {
            painter.drawLine(QPointF(ray.x1, ray.y1), QPointF(ray.x2, ray.y2));
        }
        painter.setPen(HairPen(Qt::black));
        if (projector.axis) {
            const LineSegment& a = *projector.axis;
            painter.drawLine(QPointF(a.x1, a.y1), QPointF(a.x2, a.y2));
        }
        if (scene.printing) {
            PaintPrintedCross(painter, projector.lens, unit);
        } else {
            PaintMarker(painter, projector.lens);
        }
    }
    if (scene.printing) {
        PaintDimensions(painter, SectionDimensions(layout, LineHeight(painter, font)), font);
    }
}

} // namespace

FrontLayout PaintScreen(QPainter& painter, const QRect& rect, const ScreenScene& scene,
                        const FrontMapping* held) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QFont font = scene.printing ? DimensionFont(painter) : QFont();
    const QRect drawing =
        scene.printing ? RoomForDimensions(rect, LineHeight(painter, font)) : rect;
    FrontLayout layout;
    if (scene.view == ScreenView::Front) {
        layout = PaintFront(painter, drawing, scene, held, font);
    } else {
        PaintSection(painter, drawing, scene, font);
    }
    painter.restore();
    return layout;
}

void PaintModeIcon(QPainter& painter, QPoint topLeft, ScreenView current) {
    const QString name = current == ScreenView::Front ? QStringLiteral("section-view")
                                                      : QStringLiteral("front-view");
    const QSize size(kModeIconSize, kModeIconSize);
    painter.drawPixmap(QRect(topLeft, size), Picture(name, size, DeviceRatio(painter)));
}

} // namespace lumivane
