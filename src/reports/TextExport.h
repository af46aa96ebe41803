#pragma once
// Writes a report's plain text to a file the user chose: formatting dropped, words, tabs and
// line breaks kept. The file is replaced in one step, so no half-written export ever exists.

#include <filesystem>
#include <string>
#include <string_view>

class RichTextDoc;

namespace lumivane {

// The platform's line end, which every line break of the text becomes.
std::string_view PlatformLineEnd();
// The document's text as UTF-8 with the platform's line ends, no byte-order mark.
std::string PlainTextOf(const RichTextDoc& doc);
// Replaces path with the plain text; false, with the old file untouched, when the file could
// not be created or written ("Could not open file").
bool ExportText(const RichTextDoc& doc, const std::filesystem::path& path);

inline constexpr std::string_view kExportFailedMessage = "Could not open file";

} // namespace lumivane
