#include "app/PrinterJobs.h"

#include "base/AppContext.h"
#include "base/SettingsStartup.h"
#include "document/QorDoc.h"
#include "ui/DetailsPrinting.h"
#include "ui/TextPrinting.h"

#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

namespace lumivane {
namespace {

void NameJob(QPrinter& printer, const std::string& name) {
    printer.setDocName(QString::fromUtf8(name));
}

} // namespace

PageRange ChosenRange(const QPrinter& printer) {
    if (printer.printRange() != QPrinter::PageRange || printer.fromPage() < 1) {
        return PageRange::All();
    }
    return {printer.fromPage(), printer.toPage()};
}

int CopiesToDraw(const QPrinter& printer) {
    return printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
}

PrintedReport ComposeForPrinting(ReportKind kind, const CQorDoc& doc) {
    return ComposeReport(kind, doc, Ctx().settings.m_company, *Ctx().lenses);
}

PrintOutcome PrintReportOn(QPrinter& printer, const PrintedReport& report) {
    NameJob(printer, report.header);
    return PrintReport(printer, report, ChosenRange(printer), CopiesToDraw(printer));
}

PrintOutcome PrintDetailsOn(QPrinter& printer, const CQorDoc& doc,
                            const std::vector<DetailsPage>& pages) {
    NameJob(printer, DetailsJobName(doc));
    return PrintDetails(printer, doc, pages, ChosenRange(printer), ScreenDrawings(doc),
                        CopiesToDraw(printer));
}

// No window reads the options first, so the company comes straight from the settings.
std::string PrintReportFromCommandLine(const CQorDoc& doc, QPrinter* printer) {
    if (printer == nullptr) {
        return std::string(kNoPrinterMessage);
    }
    if (const SettingsStore* store = Ctx().settingsStore.get()) {
        ReadOptions(*store, Ctx().settings);
    }
    const PrintOutcome outcome =
        PrintReportOn(*printer, ComposeForPrinting(ReportKind::Project, doc));
    return outcome.deviceFailed ? std::string(kPrinterFailedMessage) : std::string();
}

std::string PrintReportOnDefaultPrinter(const CQorDoc& doc) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        return PrintReportFromCommandLine(doc, nullptr);
    }
    QPrinter printer(info, QPrinter::HighResolution);
    return PrintReportFromCommandLine(doc, &printer);
}

} // namespace lumivane
