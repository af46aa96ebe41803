#include "ui/PdfOutput.h"

#include "reports/PrintedReport.h"
#include "ui/PrintJob.h"
#include "ui/TextPrinting.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>

namespace lumivane {
namespace {

// The resolution of a laser printer: the drawings size their grids and lines by device
// pixels, and look on a PDF as they look on paper.
constexpr int kPdfDotsPerInch = 300;

// Drawn on the whole sheet: the page geometry keeps its own margins.
void SetUpWriter(QPdfWriter& writer, const std::string& title) {
    writer.setResolution(kPdfDotsPerInch);
    writer.setTitle(QString::fromUtf8(title));
    writer.setCreator(QCoreApplication::applicationName());
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
}

} // namespace

PdfResult WritePdf(const QString& path, const std::string& title,
                   const std::function<void(PrintJob&)>& print) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return PdfResult::CannotWrite;
    }
    {
        QPdfWriter writer(&file);
        SetUpWriter(writer, title);
        PrintJob job(writer);
        print(job);
        if (!job.Finish()) {
            return PdfResult::CannotWrite;
        }
        if (job.PagesStarted() == 0) {
            return PdfResult::NothingToPrint;
        }
    }
    return file.commit() ? PdfResult::Written : PdfResult::CannotWrite;
}

PdfResult WriteReportPdf(const QString& path, const PrintedReport& report, PageRange range) {
    return WritePdf(path, report.header, [&report, range](PrintJob& job) {
        PrintPages(job, report.text, report.header, range);
    });
}

PdfResult WriteDetailsPdf(const QString& path, const CQorDoc& doc,
                          const std::vector<DetailsPage>& pages, PageRange range,
                          const DrawDetailsFn& draw) {
    return WritePdf(path, DetailsJobName(doc),
                    [&](PrintJob& job) { PrintDetailsPages(job, doc, pages, range, draw); });
}

} // namespace lumivane
