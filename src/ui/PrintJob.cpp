#include "ui/PrintJob.h"

#include "reports/ReportBlocks.h"
#include "ui/RichTextLayout.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>

#include <cmath>

namespace lumivane {
namespace {

constexpr int kTwipsPerPoint = 20;

PageGeometry GeometryOf(const QPagedPaintDevice& device) {
    const QRectF paper = device.pageLayout().fullRectPoints();
    return PageGeometryFor(static_cast<int>(std::lround(paper.width() * kTwipsPerPoint)),
                           static_cast<int>(std::lround(paper.height() * kTwipsPerPoint)));
}

QFont HeaderFont() {
    return ReportFont({std::string(kReportFace), 10, true, false});
}

} // namespace

PrintJob::PrintJob(QPagedPaintDevice& device) : m_device(device), m_geometry(GeometryOf(device)) {
    const int dpi = device.logicalDpiX();
    m_paperOrigin = -device.pageLayout().paintRectPixels(dpi).topLeft();
}

PrintJob::~PrintJob() {
    Finish();
}

bool PrintJob::Begin() {
    if (!m_painter.begin(&m_device)) {
        m_failed = true;
        return false;
    }
    m_painter.setRenderHint(QPainter::Antialiasing);
    return true;
}

QPainter* PrintJob::NewPage() {
    if (m_failed) {
        return nullptr;
    }
    const bool started = m_pages == 0 ? Begin() : m_device.newPage();
    if (!started) {
        m_failed = true;
        return nullptr;
    }
    ++m_pages;
    m_painter.resetTransform();
    m_painter.setClipping(false);
    m_painter.translate(m_paperOrigin);
    return &m_painter;
}

bool PrintJob::Finish() {
    if (m_painter.isActive() && !m_painter.end()) {
        m_failed = true;
    }
    return !m_failed;
}

qreal PrintJob::ToDeviceX(int twips) const {
    return twips * m_device.logicalDpiX() / 1440.0;
}

qreal PrintJob::ToDeviceY(int twips) const {
    return twips * m_device.logicalDpiY() / 1440.0;
}

QRectF PrintJob::ToDevice(const TwipRect& rect) const {
    return QRectF(QPointF(ToDeviceX(rect.left), ToDeviceY(rect.top)),
                  QPointF(ToDeviceX(rect.right), ToDeviceY(rect.bottom)));
}

int PrintJob::ToTwipsY(qreal device) const {
    return static_cast<int>(std::ceil(device * 1440.0 / m_device.logicalDpiY()));
}

void PrintJob::DrawHeader(const std::string& header) {
    if (!header.empty()) {
        DrawCentred(QString::fromUtf8(header), m_geometry.HeaderBottom(), true);
    }
}

void PrintJob::DrawPageNumber(int number) {
    DrawCentred(QString::fromStdString(PageNumberText(number)), m_geometry.NumberTop(), false);
}

void PrintJob::DrawCentred(const QString& text, int yTwips, bool endsAtY) {
    if (!m_painter.isActive()) {
        return;
    }
    const QFont font = HeaderFont();
    const QFontMetricsF metrics(font, &m_device);
    const qreal baseline = ToDeviceY(yTwips) + (endsAtY ? -metrics.descent() : metrics.ascent());
    m_painter.setFont(font);
    m_painter.setPen(Qt::black);
    m_painter.drawText(
        QPointF(ToDeviceX(m_geometry.CentreX()) - metrics.horizontalAdvance(text) / 2, baseline),
        text);
}

} // namespace lumivane
