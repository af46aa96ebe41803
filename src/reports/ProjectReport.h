#pragma once
// The project report ("Auditorium List"): the project's heading, the company and project
// blocks, and every auditorium's summary. Printing, text export and e-mail all carry this text.

#include <string_view>

class CQorDoc;
class RichTextDoc;

namespace lumivane {

void WriteProjectReport(RichTextDoc& doc, const CQorDoc& project, std::string_view company);

} // namespace lumivane
