#pragma once
// The text styles and the shared opening blocks of the printed reports (title, company,
// project), written into a RichTextDoc in the order the reports append them.

#include "base/RichTextDoc.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace lumivane {

struct ProjectInfo;

// Written as the reports have always named it; renderers fall back to their default face.
inline constexpr std::string_view kReportFace = "Ariel";

RichTextDoc::CharFormat HeadingStyle();
RichTextDoc::CharFormat ColumnHeaderStyle();
RichTextDoc::CharFormat BodyStyle();

// A centred heading (upper-cased by the heading rule) over its subtitle.
void WriteTitleBlock(RichTextDoc& doc, std::string_view title, std::string_view subtitle);
// The user's company lines from the options.
void WriteCompanyBlock(RichTextDoc& doc, std::string_view company);
// The project's manager and date lines; each line only when it has something to say.
void WriteProjectBlock(RichTextDoc& doc, const ProjectInfo& info);
// Starts a left-aligned table with its tab stops (twips) and its column header line; the
// rows that follow are in the body style.
void WriteTableHeader(RichTextDoc& doc, const std::vector<std::int32_t>& tabStops,
                      std::string_view header);

} // namespace lumivane
