#pragma once
// PDFs made by the program itself on US letter pages: the reports and the details pages drawn
// by the same code the printer gets, so scripts, servers and the e-mail command make PDFs with
// no printer and no display.

#include "reports/PageGeometry.h"
#include "ui/DetailsPrinting.h"

#include <QString>

#include <functional>
#include <string>
#include <vector>

class CQorDoc;

namespace lumivane {

class PrintJob;
struct PrintedReport;

enum class PdfResult { Written, NothingToPrint, CannotWrite };

// The pages print draws, written to path in one step: a PDF that could not be finished, or has
// no page, leaves whatever was at path untouched.
PdfResult WritePdf(const QString& path, const std::string& title,
                   const std::function<void(PrintJob&)>& print);

PdfResult WriteReportPdf(const QString& path, const PrintedReport& report, PageRange range);
PdfResult WriteDetailsPdf(const QString& path, const CQorDoc& doc,
                          const std::vector<DetailsPage>& pages, PageRange range,
                          const DrawDetailsFn& draw);

} // namespace lumivane
