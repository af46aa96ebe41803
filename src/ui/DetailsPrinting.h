#pragma once
// Printing the details pages on any paged device: each set-up's description with its front
// view below it, each auditorium's front view and section, headers and page numbers. The
// drawings come through a function, so a page can be printed without them.

#include "reports/DetailsPages.h"
#include "ui/PrintJob.h"

#include <QRectF>

#include <functional>
#include <vector>

class CQorDoc;
class QPainter;

namespace lumivane {

// Draws one of the page's drawings into the rectangle, in the painter's device units; the
// painter is clipped to the rectangle.
using DrawDetailsFn =
    std::function<void(QPainter&, const QRectF&, const DetailsPage&, DetailsDrawing)>;

// The screen drawings as the views print them: a set-up's front view with its distortion
// grid; an auditorium's front view and section with every projector. Reads doc when it draws.
DrawDetailsFn ScreenDrawings(const CQorDoc& doc);

// The pages whose numbers lie in the range, copies times over; pages are left without
// drawings when draw is empty. Returns the number of pages printed.
int PrintDetailsPages(PrintJob& job, const CQorDoc& doc, const std::vector<DetailsPage>& pages,
                      PageRange range, const DrawDetailsFn& draw, int copies = 1);

PrintOutcome PrintDetails(QPagedPaintDevice& device, const CQorDoc& doc,
                          const std::vector<DetailsPage>& pages, PageRange range,
                          const DrawDetailsFn& draw, int copies = 1);

} // namespace lumivane
