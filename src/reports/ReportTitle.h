#pragma once
// The title rules shared by the report text and the printing code: the heading's upper-casing
// and the print job name's length limit. Both count characters, never UTF-8 bytes.

#include <string>
#include <string_view>

namespace lumivane {

inline constexpr std::size_t kMaxJobNameLength = 59;

// The project report's title: the document's title, or "Unnamed" when it has none.
std::string ProjectReportTitle(std::string_view documentTitle);
// A title that does not start with an upper-case letter is printed all in upper case.
std::string HeadingTitle(std::string_view title);
// The print job's name and the running header: the heading title cut to its first 59
// characters.
std::string PrintJobName(std::string_view title);

} // namespace lumivane
