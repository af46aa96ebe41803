#pragma once
// One print job on a paged device: a printer or a PDF writer. Pages start on demand, so a job
// that prints no page leaves the device untouched; each page is drawn with its origin at the
// paper's corner whatever margins the device keeps, and places things by the page geometry's
// twips.

#include "reports/PageGeometry.h"

#include <QPainter>
#include <QRectF>

#include <string>

class QPagedPaintDevice;

namespace lumivane {

// What a whole job on a device came to: a device that failed is the printer that is not there
// or the file that could not be written.
struct PrintOutcome {
    int pagesPrinted = 0;
    bool deviceFailed = false;
};

class PrintJob {
public:
    explicit PrintJob(QPagedPaintDevice& device);
    ~PrintJob();
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    QPagedPaintDevice& Device() const { return m_device; }
    const PageGeometry& Geometry() const { return m_geometry; }

    // The painter of a new page; none when the device could not start (a PDF that cannot be
    // written, a printer that went away).
    QPainter* NewPage();
    bool Failed() const { return m_failed; }
    int PagesStarted() const { return m_pages; }
    // Ends the job; false when the device failed at any point.
    bool Finish();

    qreal ToDeviceX(int twips) const;
    qreal ToDeviceY(int twips) const;
    QRectF ToDevice(const TwipRect& rect) const;
    // Device units back to twips, for where text ended.
    int ToTwipsY(qreal device) const;

    // "Ariel" bold 10 points, centred, ending halfway down the top margin; nothing when empty.
    void DrawHeader(const std::string& header);
    // The number centred, starting halfway down the bottom margin.
    void DrawPageNumber(int number);

private:
    bool Begin();
    // Centred on the page, its bottom (endsAtY) or its top at yTwips.
    void DrawCentred(const QString& text, int yTwips, bool endsAtY);

    QPagedPaintDevice& m_device;
    PageGeometry m_geometry;
    QPainter m_painter;
    QPointF m_paperOrigin;
    int m_pages = 0;
    bool m_failed = false;
};

} // namespace lumivane
