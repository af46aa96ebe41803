#pragma once
// The reports and details pages on a real printer: the job's name, the range and the copies
// as the print dialog left them on the printer, one job per print. A printer that makes copies
// itself makes them all; the pages are drawn once per copy only where it cannot.

#include "reports/DetailsPages.h"
#include "reports/PageGeometry.h"
#include "reports/PrintedReport.h"
#include "ui/PrintJob.h"

#include <string>
#include <string_view>
#include <vector>

class CQorDoc;
class QPrinter;

namespace lumivane {

inline constexpr std::string_view kPrinterFailedMessage =
    "The printer specified is not accessable.";
inline constexpr std::string_view kNoPrinterMessage = "There is no printer to print on.";

// The pages the printer was told to print; all of them when no range was chosen.
PageRange ChosenRange(const QPrinter& printer);
// How many times the program itself draws the pages.
int CopiesToDraw(const QPrinter& printer);

// The project report, purchase list or product list with the text of the options' company.
PrintedReport ComposeForPrinting(ReportKind kind, const CQorDoc& doc);

PrintOutcome PrintReportOn(QPrinter& printer, const PrintedReport& report);
PrintOutcome PrintDetailsOn(QPrinter& printer, const CQorDoc& doc,
                            const std::vector<DetailsPage>& pages);

// Prints the project report as the command line asks for it, with no dialog; the message to
// give when it was not printed, empty when it was. A missing printer is no printer.
std::string PrintReportFromCommandLine(const CQorDoc& doc, QPrinter* printer);
// The same on the system's default printer.
std::string PrintReportOnDefaultPrinter(const CQorDoc& doc);

} // namespace lumivane
