#include "reports/PurchaseList.h"

#include "base/NumberText.h"
#include "base/RichTextDoc.h"
#include "catalog/Descriptor.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "reports/ReportBlocks.h"
#include "reports/ReportTitle.h"

#include <vector>

namespace lumivane {

void WritePurchaseList(RichTextDoc& doc, const CQorDoc& project, std::string_view company) {
    WriteTitleBlock(doc, ProjectReportTitle(project.GetTitle()), "Purchase List");
    WriteCompanyBlock(doc, company);
    std::vector<const CDescriptor*> items;
    std::vector<int> counts;
    for (int i = 0; i < project.GetAuditoriumCount(); ++i) {
        project.GetAuditorium(i)->CountCatalogItems(items, counts);
    }
    if (items.empty()) {
        return;
    }
    WriteTableHeader(doc, {1440, 7200}, "Catalog\tName\tQty.");
    for (std::size_t i = 0; i < items.size(); ++i) {
        doc.AppendText(items[i]->CatalogAndName() + "\t" + FormatInt(counts[i]) + "\n");
    }
}

} // namespace lumivane
