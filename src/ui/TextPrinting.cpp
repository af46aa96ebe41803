#include "ui/TextPrinting.h"

#include "reports/PrintedReport.h"
#include "reports/TextPagination.h"
#include "ui/PrintJob.h"
#include "ui/RichTextLayout.h"

#include <QPagedPaintDevice>

namespace lumivane {

int PrintPages(PrintJob& job, const RichTextDoc& text, const std::string& header, PageRange range,
               int copies) {
    const QRectF area = job.ToDevice(job.Geometry().TextRect());
    const RichTextLayout layout(text, job.Device(), area.width());
    const std::vector<TextPage> pages = PaginateText(
        layout.TextLength(),
        [&layout, &area](std::size_t start) { return layout.FormatRange(start, area.height()); },
        range);
    for (int copy = 0; copy < copies; ++copy) {
        for (const TextPage& page : pages) {
            if (!page.printed) {
                continue;
            }
            QPainter* painter = job.NewPage();
            if (painter == nullptr) {
                return page.number;
            }
            if (page.number > 1) {
                job.DrawHeader(header);
            }
            layout.DrawRange(*painter, page.start, page.end, area.topLeft());
            job.DrawPageNumber(page.number);
        }
    }
    return pages.empty() ? 0 : pages.back().number;
}

PrintOutcome PrintReport(QPagedPaintDevice& device, const PrintedReport& report, PageRange range,
                         int copies) {
    PrintJob job(device);
    PrintPages(job, report.text, report.header, range, copies);
    const bool finished = job.Finish();
    return {job.PagesStarted(), !finished};
}

} // namespace lumivane
