#include "app/PrintCommands.h"

#include "app/MainFrame.h"
#include "app/PrinterJobs.h"
#include "app/UndoBridge.h"
#include "base/AppContext.h"
#include "document/QorDoc.h"
#include "document/ViewKind.h"
#include "reports/TextExport.h"
#include "ui/ProjectRelay.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include <filesystem>
#include <string_view>

using lumivane::Ctx;
using lumivane::DetailsPage;
using lumivane::ReportKind;

namespace {

// The text reports and the project details; the item details say "Error".
const QString kReportCaption = QStringLiteral("ERROR");
const QString kDetailsCaption = QStringLiteral("Error");

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A stored count of 0 leaves the preview at its usual single page.
QPrintPreviewWidget::ViewMode PreviewModeFor(int pages) {
    return pages >= 2 ? QPrintPreviewWidget::FacingPagesView : QPrintPreviewWidget::SinglePageView;
}

int PreviewPagesFor(QPrintPreviewWidget::ViewMode mode) {
    return mode == QPrintPreviewWidget::SinglePageView ? 1 : 2;
}

bool RunPrintDialog(QPrinter& printer, int maxPage, QWidget* window) {
    QPrintDialog dialog(&printer, window);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setMinMax(1, maxPage);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

PrintCommands::PrintCommands(CQorDoc& doc, CMainFrame& frame)
    : QObject(&frame), m_doc(doc), m_frame(frame), m_choose(PrintDialog(&frame)) {
    Connect();
    FollowProject();
}

PrintCommands::PrinterChoice PrintCommands::PrintDialog(QWidget* window) {
    return [window](QPrinter& printer, int maxPage) {
        return RunPrintDialog(printer, maxPage, window);
    };
}

void PrintCommands::Connect() {
    using enum FrameCommand;
    // What the field being edited holds is printed too.
    const auto on = [this](FrameCommand command, auto print) {
        connect(
            m_frame.Action(command), &QAction::triggered, this,
            [this, print] {
                m_frame.Undo().CommitFieldEdits();
                print();
            },
            kAfterMenu);
    };
    on(Print, [this] { PrintReport(ReportKind::Project); });
    on(PrintPurchaseList, [this] { PrintReport(ReportKind::Purchase); });
    on(PrintProductList, [this] { PrintReport(ReportKind::Products); });
    on(PrintLightReport, [this] { PrintReport(ReportKind::Light); });
    on(PrintPreview, [this] { PreviewReport(ReportKind::Project); });
    on(PreviewLightReport, [this] { PreviewReport(ReportKind::Light); });
    on(PrintProjectDetails, [this] { this->PrintProjectDetails(); });
    on(PrintItemDetails, [this] { this->PrintItemDetails(); });
    on(PrintToTextFile, [this] { this->PrintToTextFile(); });
    // The pages of an item come and go with its set-ups, and undo brings them back.
    lumivane::ProjectRelay& relay = m_frame.Relay();
    connect(&m_frame.Pane(), &ViewPane::placeChanged, this, &PrintCommands::FollowProject);
    connect(&relay, &lumivane::ProjectRelay::itemInserted, this, &PrintCommands::FollowProject);
    connect(&relay, &lumivane::ProjectRelay::itemRemoved, this, &PrintCommands::FollowProject);
    connect(&relay, &lumivane::ProjectRelay::projectReplaced, this, &PrintCommands::FollowProject);
}

void PrintCommands::PrintReport(ReportKind kind) {
    const lumivane::PrintedReport report = lumivane::ComposeForPrinting(kind, m_doc);
    QPrinter printer(QPrinter::HighResolution);
    if (ChoosePrinter(printer, lumivane::PageRange::kLastPage, report.header, kReportCaption) &&
        lumivane::PrintReportOn(printer, report).deviceFailed) {
        ShowPrinterFailed(kReportCaption);
    }
}

// The user's choice of one page or pages side by side outlasts the run.
void PrintCommands::PreviewReport(ReportKind kind) {
    const lumivane::PrintedReport report = lumivane::ComposeForPrinting(kind, m_doc);
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, &m_frame);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&report](QPrinter* shown) { lumivane::PrintReportOn(*shown, report); });
    auto* pages = preview.findChild<QPrintPreviewWidget*>();
    const QPrintPreviewWidget::ViewMode first = PreviewModeFor(Ctx().settings.m_previewPages);
    if (pages != nullptr) {
        pages->setViewMode(first);
    }
    preview.exec();
    if (pages != nullptr && pages->viewMode() != first) {
        Ctx().settings.m_previewPages = PreviewPagesFor(pages->viewMode());
    }
}

void PrintCommands::PrintProjectDetails() {
    PrintPages(lumivane::ProjectDetailsPages(m_doc), kReportCaption);
}

void PrintCommands::PrintItemDetails() {
    PrintPages(ItemPages(), kDetailsCaption);
}

void PrintCommands::PrintPages(const std::vector<DetailsPage>& pages, const QString& caption) {
    QPrinter printer(QPrinter::HighResolution);
    if (!pages.empty() &&
        ChoosePrinter(printer, static_cast<int>(pages.size()), lumivane::DetailsJobName(m_doc),
                      caption) &&
        lumivane::PrintDetailsOn(printer, m_doc, pages).deviceFailed) {
        ShowPrinterFailed(caption);
    }
}

// Every print starts from one copy of page 1 to 1, printing all pages unless told otherwise;
// the job's name is the dialog's suggestion for a PDF file.
bool PrintCommands::ChoosePrinter(QPrinter& printer, int maxPage, const std::string& job,
                                  const QString& caption) {
    printer.setDocName(QString::fromStdString(job));
    printer.setCopyCount(1);
    printer.setFromTo(1, 1);
    printer.setPrintRange(QPrinter::AllPages);
    if (!m_choose(printer, maxPage)) {
        return false;
    }
    if (!printer.isValid()) {
        ShowPrinterFailed(caption);
        return false;
    }
    return true;
}

void PrintCommands::ShowPrinterFailed(const QString& caption) const {
    QMessageBox::critical(&m_frame, caption, FromUtf8(lumivane::kPrinterFailedMessage));
}

// The project report as plain text; an existing file is replaced without asking.
void PrintCommands::PrintToTextFile() {
    QFileDialog dialog(&m_frame, tr("Print to Text File"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({tr("Text Files (*.txt)"), tr("All Files (*.*)")});
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const std::filesystem::path path(dialog.selectedFiles().front().toStdU16String());
    if (!lumivane::ExportText(lumivane::ComposeForPrinting(ReportKind::Project, m_doc).text,
                              path)) {
        QMessageBox::critical(&m_frame, tr("Error"), FromUtf8(lumivane::kExportFailedMessage));
    }
}

std::vector<DetailsPage> PrintCommands::ItemPages() const {
    const ViewPane::Place& place = m_frame.Pane().CurrentPlace();
    return lumivane::ItemDetailsPages(m_doc, place.kind, place.path.auditorium,
                                      place.path.projector, place.format);
}

// The item details follow the view's kind and are greyed where the item has no page.
void PrintCommands::FollowProject() {
    QAction* details = m_frame.Action(FrameCommand::PrintItemDetails);
    details->setText(FromUtf8(lumivane::PrintItemDetailsText(m_frame.Pane().CurrentPlace().kind)));
    details->setEnabled(!ItemPages().empty());
    m_frame.Action(FrameCommand::PrintProjectDetails)->setEnabled(m_doc.GetAuditoriumCount() > 0);
}
