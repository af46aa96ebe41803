#pragma once
// Printing formatted text over pages: the pagination the text reports share, on any paged
// device, so the printer and the PDF writer get the same pages.

#include "reports/PageGeometry.h"
#include "ui/PrintJob.h"

#include <string>

class RichTextDoc;

namespace lumivane {

struct PrintedReport;

// The text in each page's text rectangle, with the running header on every page after the
// first and every page's number. Pages before the range are laid out only to find where the
// range starts; copies repeat the range within the job. Returns the number of the last page
// laid out, 0 when no text could be placed.
int PrintPages(PrintJob& job, const RichTextDoc& text, const std::string& header, PageRange range,
               int copies = 1);

// A report as one job on the device.
PrintOutcome PrintReport(QPagedPaintDevice& device, const PrintedReport& report, PageRange range,
                         int copies = 1);

} // namespace lumivane
