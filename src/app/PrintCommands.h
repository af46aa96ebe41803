#pragma once
// The File menu's print commands: the project report and its preview, the purchase and
// product lists, the light and sightline checks and their preview, the details pages of the
// whole project and of the item shown, and the report as a text file. Which printer, pages and
// copies a print uses is asked through one function, the print dialog, so tests print to a PDF of
// their own without a dialog.

#include "reports/DetailsPages.h"
#include "reports/PrintedReport.h"

#include <QObject>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class CMainFrame;
class CQorDoc;
class QPrinter;

class PrintCommands : public QObject {
    Q_OBJECT

public:
    // Readies printer for a print of pages 1 to maxPage; false when the user cancelled.
    using PrinterChoice = std::function<bool(QPrinter& printer, int maxPage)>;

    // Connects the frame's print commands and keeps their states.
    PrintCommands(CQorDoc& doc, CMainFrame& frame);

    // The system's print dialog over window: page range, copies and printing to a PDF file,
    // but no selection.
    static PrinterChoice PrintDialog(QWidget* window);
    void SetPrinterChoice(PrinterChoice choice) { m_choose = std::move(choice); }

private:
    void Connect();
    void PrintReport(lumivane::ReportKind kind);
    void PreviewReport(lumivane::ReportKind kind);
    void PrintProjectDetails();
    void PrintItemDetails();
    void PrintToTextFile();
    void PrintPages(const std::vector<lumivane::DetailsPage>& pages, const QString& caption);
    // Asks for the printer; false when there is nothing to print with, told under caption.
    bool ChoosePrinter(QPrinter& printer, int maxPage, const std::string& job,
                       const QString& caption);
    void ShowPrinterFailed(const QString& caption) const;
    std::vector<lumivane::DetailsPage> ItemPages() const;
    void FollowProject();

    CQorDoc& m_doc;
    CMainFrame& m_frame;
    PrinterChoice m_choose;
};
