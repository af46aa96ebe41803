#pragma once
// The text reports as they go to a printer or a PDF: the formatted text with the name
// its print job and running header carry.

#include "base/RichTextDoc.h"

#include <optional>
#include <string>
#include <string_view>

class CLensDatabase;
class CQorDoc;

namespace lumivane {

enum class ReportKind { Project, Purchase, Products, Light };

struct PrintedReport {
    RichTextDoc text;
    // The print job's name and the header of every page after the first.
    std::string header;
};

// "project", "purchase", "products" or "light", as scripts name the reports.
std::optional<ReportKind> ReportKindNamed(std::string_view name);

// The product list takes nothing of the project.
PrintedReport ComposeReport(ReportKind kind, const CQorDoc& project, std::string_view company,
                            const CLensDatabase& lenses);

} // namespace lumivane
