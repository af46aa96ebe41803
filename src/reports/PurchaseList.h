#pragma once
// The purchase list: every lens and attachment the project's chosen combinations use, counted
// over the whole project in the order they first appear.

#include <string_view>

class CQorDoc;
class RichTextDoc;

namespace lumivane {

void WritePurchaseList(RichTextDoc& doc, const CQorDoc& project, std::string_view company);

} // namespace lumivane
