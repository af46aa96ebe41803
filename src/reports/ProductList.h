#pragma once
// The product list: the lens catalog as a printed price-list style table of lenses and
// attachments.

#include <string_view>

class CLensDatabase;
class RichTextDoc;

namespace lumivane {

inline constexpr std::string_view kProductListTitle = "Lens Catalog";

// Lenses rated above 0 with barrel and focal length, then every attachment with its function.
void WriteProductList(RichTextDoc& doc, const CLensDatabase& lenses);

} // namespace lumivane
