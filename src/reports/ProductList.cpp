#include "reports/ProductList.h"

#include "base/RichTextDoc.h"
#include "catalog/LensDatabase.h"
#include "reports/ReportBlocks.h"

namespace lumivane {
namespace {

void WriteLensTable(RichTextDoc& doc, const CLensDatabase& lenses) {
    WriteTableHeader(doc, {1440, 6400, 7400}, "Catalog\tName\tBarrel\tFocal Length");
    for (std::size_t i = 0; i < lenses.LensCount(); ++i) {
        const CLensDescriptor& lens = lenses.Lens(i);
        if (lens.Rating() > 0) {
            doc.AppendText(lens.CatalogAndName() + "\t" + lens.BarrelText() + "\t" +
                           lens.FocalText());
        }
    }
}

void WriteAttachmentTable(RichTextDoc& doc, const CLensDatabase& lenses) {
    WriteTableHeader(doc, {1440, 6000}, "Catalog\tName\tFunction");
    for (std::size_t i = 0; i < lenses.AttachmentCount(); ++i) {
        const CAttachDescriptor& attachment = lenses.Attachment(i);
        doc.AppendText(attachment.CatalogAndName() + "\t" + attachment.FunctionText());
    }
}

} // namespace

void WriteProductList(RichTextDoc& doc, const CLensDatabase& lenses) {
    WriteTitleBlock(doc, kProductListTitle, "Halvard Optics, Inc.");
    WriteLensTable(doc, lenses);
    doc.AppendText("\n\n");
    WriteAttachmentTable(doc, lenses);
}

} // namespace lumivane
