#include "reports/ReportBlocks.h"

#include "document/ProjectFile.h"
#include "reports/ReportTitle.h"

#include <string>

namespace lumivane {
namespace {

RichTextDoc::CharFormat ReportStyle(std::int32_t pointSize, bool emphasized) {
    return RichTextDoc::CharFormat{std::string(kReportFace), pointSize, emphasized, emphasized};
}

void StartLeftParagraph(RichTextDoc& doc, const std::vector<std::int32_t>& tabStops) {
    RichTextDoc::ParagraphFormat format = doc.GetParagraphFormat();
    format.alignment = RichTextDoc::Alignment::Left;
    format.tabStops = tabStops;
    doc.SetParagraphFormat(format);
}

void WriteLine(RichTextDoc& doc, std::initializer_list<std::string_view> parts) {
    for (std::string_view part : parts) {
        doc.AppendText(part);
    }
    doc.AppendText("\n");
}

} // namespace

RichTextDoc::CharFormat HeadingStyle() {
    return ReportStyle(16, true);
}

RichTextDoc::CharFormat ColumnHeaderStyle() {
    return ReportStyle(10, true);
}

RichTextDoc::CharFormat BodyStyle() {
    return ReportStyle(10, false);
}

void WriteTitleBlock(RichTextDoc& doc, std::string_view title, std::string_view subtitle) {
    doc.SetAlignment(RichTextDoc::Alignment::Centre);
    doc.SetCharFormat(HeadingStyle());
    doc.AppendText(HeadingTitle(title));
    doc.AppendText("\n");
    doc.SetCharFormat(BodyStyle());
    doc.AppendText(subtitle);
    doc.AppendText("\n\n");
}

void WriteCompanyBlock(RichTextDoc& doc, std::string_view company) {
    StartLeftParagraph(doc, {});
    doc.SetCharFormat(BodyStyle());
    doc.AppendText(company);
    doc.AppendText("\n\n");
}

void WriteProjectBlock(RichTextDoc& doc, const ProjectInfo& info) {
    StartLeftParagraph(doc, {2000, 4680, 6680});
    doc.SetCharFormat(BodyStyle());
    if (!info.manager.empty()) {
        WriteLine(doc, {"Project Manager:\t", info.manager});
    }
    if (!info.projectDate.empty() || !info.lastChange.empty()) {
        WriteLine(
            doc, {"Project Created:\t", info.projectDate, "\t", "Last Update:\t", info.lastChange});
    }
    if (!info.startDate.empty() || !info.endDate.empty()) {
        WriteLine(doc,
                  {"Start Date:\t", info.startDate, "\t", "Estimated Completion:\t", info.endDate});
    }
    doc.AppendText("\n");
}

void WriteTableHeader(RichTextDoc& doc, const std::vector<std::int32_t>& tabStops,
                      std::string_view header) {
    StartLeftParagraph(doc, tabStops);
    doc.SetCharFormat(ColumnHeaderStyle());
    WriteLine(doc, {header});
    doc.SetCharFormat(BodyStyle());
}

} // namespace lumivane
