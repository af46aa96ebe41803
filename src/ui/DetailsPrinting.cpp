#include "ui/DetailsPrinting.h"

#include "base/RichTextDoc.h"
#include "document/QorDoc.h"
#include "ui/PrintJob.h"
#include "ui/RichTextLayout.h"
#include "ui/ScreenPainter.h"

#include <QPagedPaintDevice>

namespace lumivane {
namespace {

// The description as far as it fits the text rectangle; returns where it ended, in twips.
int DrawDescription(PrintJob& job, QPainter& painter, const CQorDoc& doc, const DetailsPage& page) {
    const TwipRect textRect = job.Geometry().TextRect();
    RichTextDoc text;
    WriteDetailsText(text, doc, page);
    if (text.TextLength() == 0) {
        return textRect.top;
    }
    const QRectF area = job.ToDevice(textRect);
    const RichTextLayout layout(text, job.Device(), area.width());
    const std::size_t end = layout.FormatRange(0, area.height());
    layout.DrawRange(painter, 0, end, area.topLeft());
    return textRect.top + job.ToTwipsY(layout.RangeHeight(0, end));
}

void DrawDrawings(PrintJob& job, QPainter& painter, const DetailsPage& page, int textBottom,
                  const DrawDetailsFn& draw) {
    if (!draw) {
        return;
    }
    for (const DetailsDrawingArea& drawing :
         DetailsDrawingAreas(job.Geometry(), page.kind, textBottom)) {
        const QRectF area = job.ToDevice(drawing.area);
        painter.save();
        painter.setClipRect(area, Qt::IntersectClip);
        draw(painter, area, page, drawing.drawing);
        painter.restore();
    }
}

} // namespace

DrawDetailsFn ScreenDrawings(const CQorDoc& doc) {
    return [&doc](QPainter& painter, const QRectF& area, const DetailsPage& page,
                  DetailsDrawing drawing) {
        ScreenScene scene;
        scene.subjects = {doc.GetAuditorium(page.auditorium),
                          doc.GetProjector(page.auditorium, page.projector),
                          doc.GetLensType(page.auditorium, page.projector, page.format)};
        scene.view = drawing == DetailsDrawing::Front ? ScreenView::Front : ScreenView::Section;
        scene.printing = true;
        scene.drawGrid = page.kind == DetailsPageKind::SetUp;
        PaintScreen(painter, area.toRect(), scene);
    };
}

int PrintDetailsPages(PrintJob& job, const CQorDoc& doc, const std::vector<DetailsPage>& pages,
                      PageRange range, const DrawDetailsFn& draw, int copies) {
    const std::vector<DetailsPage> chosen = PagesInRange(pages, range);
    int printed = 0;
    for (int copy = 0; copy < copies; ++copy) {
        for (const DetailsPage& page : chosen) {
            QPainter* painter = job.NewPage();
            if (painter == nullptr) {
                return printed;
            }
            job.DrawHeader(page.header);
            DrawDrawings(job, *painter, page, DrawDescription(job, *painter, doc, page), draw);
            job.DrawPageNumber(page.number);
            ++printed;
        }
    }
    return printed;
}

PrintOutcome PrintDetails(QPagedPaintDevice& device, const CQorDoc& doc,
                          const std::vector<DetailsPage>& pages, PageRange range,
                          const DrawDetailsFn& draw, int copies) {
    PrintJob job(device);
    PrintDetailsPages(job, doc, pages, range, draw, copies);
    const bool finished = job.Finish();
    return {job.PagesStarted(), !finished};
}

} // namespace lumivane
