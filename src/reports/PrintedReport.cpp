#include "reports/PrintedReport.h"

#include "document/QorDoc.h"
#include "reports/LightReport.h"
#include "reports/ProductList.h"
#include "reports/ProjectReport.h"
#include "reports/PurchaseList.h"
#include "reports/ReportTitle.h"

namespace lumivane {

std::optional<ReportKind> ReportKindNamed(std::string_view name) {
    if (name == "project") {
        return ReportKind::Project;
    }
    if (name == "purchase") {
        return ReportKind::Purchase;
    }
    if (name == "products") {
        return ReportKind::Products;
    }
    if (name == "light") {
        return ReportKind::Light;
    }
    return std::nullopt;
}

PrintedReport ComposeReport(ReportKind kind, const CQorDoc& project, std::string_view company,
                            const CLensDatabase& lenses) {
    PrintedReport report;
    switch (kind) {
    case ReportKind::Project:
        WriteProjectReport(report.text, project, company);
        break;
    case ReportKind::Purchase:
        WritePurchaseList(report.text, project, company);
        break;
    case ReportKind::Light:
        WriteLightReport(report.text, project, company);
        break;
    case ReportKind::Products:
        WriteProductList(report.text, lenses);
        report.header = PrintJobName(kProductListTitle);
        return report;
    }
    report.header = PrintJobName(ProjectReportTitle(project.GetTitle()));
    return report;
}

} // namespace lumivane
