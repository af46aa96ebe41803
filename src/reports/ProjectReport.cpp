#include "reports/ProjectReport.h"

#include "base/RichTextDoc.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "reports/ReportBlocks.h"
#include "reports/ReportTitle.h"

namespace lumivane {

void WriteProjectReport(RichTextDoc& doc, const CQorDoc& project, std::string_view company) {
    WriteTitleBlock(doc, ProjectReportTitle(project.GetTitle()), "Auditorium List");
    WriteCompanyBlock(doc, company);
    WriteProjectBlock(doc, project.GetProjectInfo());
    for (int i = 0; i < project.GetAuditoriumCount(); ++i) {
        project.GetAuditorium(i)->WriteSummary(doc);
    }
}

} // namespace lumivane
