#include "ui/ScreenPainter.h"

#include "base/AppContext.h"
#include "model/FrontDrawing.h"
#include "model/SectionDrawing.h"
#include "ui/DrawingPainter.h"
#include "ui/IconLibrary.h"

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
const QColor kOutline(255, 0, 0);
const QSize kMarkerSize(12, 18);
constexpr int kModeIconSize = 24;
// Names stand this far above the marker's centre.
constexpr int kNameLift = 12;
constexpr int kCrossWidth = 3;
// Device pixels left free round a drawing in metres.
constexpr double kDrawingMargin = 6.0;
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

void PaintRedCross(QPainter& painter, const QRect& rect, double unit) {
    painter.setPen(QPen(kOutline, kCrossWidth * unit));
    painter.drawLine(rect.topLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomLeft());
}

// The font of printed dimensions: 10 points at the resolution of the device drawn on.
QFont DimensionFont(const QPainter& painter) {
    QFont font(painter.font(), painter.device());
    const int dpi = painter.device() ? painter.device()->logicalDpiY() : int(kWindowDpi);
    font.setPixelSize(std::max(1, qRound(kDimensionPoints * dpi / kPointsPerInch)));
    return font;
}

void PaintImage(QPainter& painter, const FrontLayout& layout) {
    const QRect screen = ToQt(layout.screen);
    painter.setPen(Qt::NoPen);
    const QPolygon image = ToPolygon(layout.outline);
    if (!image.isEmpty()) {
        painter.setBrush(kBesideScreen);
        painter.drawPolygon(image);
    }
    painter.fillRect(screen, Qt::white);
    if (image.isEmpty()) {
        return;
    }
    painter.save();
    painter.setClipRect(screen);
    painter.setBrush(kOnScreen);
    painter.drawPolygon(image);
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

FrontLayout PaintClassicFront(QPainter& painter, const QRect& rect, const ScreenScene& scene,
                              const FrontMapping* held) {
    ImageGeometry geometry;
    const FrontOptions options{scene.drawGrid, scene.showProjectors};
    const FrontLayout layout =
        LayoutFront(scene.subjects, geometry, ToPixelRect(rect), options, held);
    if (layout.state == FrontState::Unscalable) {
        PaintRedCross(painter, rect, 1.0);
    }
    if (layout.state != FrontState::Drawn) {
        return layout;
    }
    PaintImage(painter, layout);
    PaintLines(painter, layout.grid);
    PaintLines(painter, layout.lensCircle);
    PaintMarkers(painter, layout);
    return layout;
}

DrawingStyle StyleFor(const QPainter& painter, const ScreenScene& scene) {
    DrawingStyle style;
    style.printing = scene.printing;
    style.skipProjectors = !scene.printing;
    style.font = scene.printing ? DimensionFont(painter) : painter.font();
    style.unit = Unit(painter, scene.printing);
    return style;
}

// Room left round the drawing, so lines at its edge are not cut.
QRectF Inset(const QRect& rect, double unit) {
    const double margin = kDrawingMargin * unit;
    return QRectF(rect).adjusted(margin, margin, -margin, -margin);
}

DrawingFit FitFor(const Drawing& drawing, const QRect& rect, double unit,
                  const FrontMapping* held) {
    if (held) {
        return {held->scale, held->midX, held->midY};
    }
    return FitDrawing(drawing.Bounds(), Inset(rect, unit));
}

// Where a drawing in metres put the screen and the lenses, in the terms a drag reads.
FrontLayout LayoutOfDrawing(const FrontDrawing& front, const DrawingFit& fit, const QRect& rect,
                            const ScreenScene& scene) {
    FrontLayout layout;
    layout.target = ToPixelRect(rect);
    layout.state = FrontState::Drawn;
    layout.mapping = {fit.scale, 0.0, 0.0, fit.originX, fit.originY};
    const QPointF topLeft = fit.ToDevice({front.screen.left, front.screen.top});
    const QPointF bottomRight = fit.ToDevice({front.screen.right, front.screen.bottom});
    layout.screen = {qRound(topLeft.x()), qRound(topLeft.y()), qRound(bottomRight.x()),
                     qRound(bottomRight.y())};
    if (scene.printing || !scene.showProjectors) {
        return layout;
    }
    for (const FrontLens& lens : front.lenses) {
        const QPointF at = fit.ToDevice(lens.at);
        layout.markers.push_back({{qRound(at.x()), qRound(at.y())}, {}});
    }
    if (scene.subjects.projector && !LockProjector() && !layout.markers.empty()) {
        layout.dragHandle = layout.markers.front().centre;
    }
    return layout;
}

FrontLayout PaintMeasuredFront(QPainter& painter, const QRect& rect, const ScreenScene& scene,
                               const FrontMapping* held) {
    FrontDrawingOptions options;
    options.grid = scene.drawGrid;
    options.gridDensity = GridDensity(scene.printing, rect.width());
    options.measures = true;
    const FrontDrawing front = DrawFront(scene.subjects, options);
    FrontLayout layout;
    layout.target = ToPixelRect(rect);
    if (!front.drawn) {
        return layout;
    }
    const DrawingStyle style = StyleFor(painter, scene);
    const DrawingFit fit = FitFor(front.drawing, rect, style.unit, held);
    if (!fit.IsUsable()) {
        layout.state = FrontState::Unscalable;
        PaintRedCross(painter, rect, style.unit);
        return layout;
    }
    PaintDrawing(painter, front.drawing, fit, style);
    layout = LayoutOfDrawing(front, fit, rect, scene);
    PaintMarkers(painter, layout);
    return layout;
}

void PaintSection(QPainter& painter, const QRect& rect, const ScreenScene& scene) {
    const SectionDrawing section = DrawSection(scene.subjects, scene.printing || scene.measures);
    if (!section.drawn) {
        return;
    }
    const DrawingStyle style = StyleFor(painter, scene);
    const DrawingFit fit = FitFor(section.drawing, rect, style.unit, nullptr);
    PaintDrawing(painter, section.drawing, fit, style);
    if (scene.printing) {
        return;
    }
    for (const DrawingCircle& circle : section.drawing.circles) {
        const QPointF at = fit.ToDevice(circle.centre);
        PaintMarker(painter, {qRound(at.x()), qRound(at.y())});
    }
}

} // namespace

FrontLayout PaintScreen(QPainter& painter, const QRect& rect, const ScreenScene& scene,
                        const FrontMapping* held) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    FrontLayout layout;
    if (scene.view == ScreenView::Section) {
        PaintSection(painter, rect, scene);
    } else if (scene.printing || scene.measures) {
        layout = PaintMeasuredFront(painter, rect, scene, held);
    } else {
        layout = PaintClassicFront(painter, rect, scene, held);
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
