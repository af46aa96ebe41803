#include "reports/TextExport.h"

#include "base/Archive.h"
#include "base/RichTextDoc.h"

namespace lumivane {

std::string_view PlatformLineEnd() {
#ifdef _WIN32
    return "\r\n";
#else
    return "\n";
#endif
}

std::string PlainTextOf(const RichTextDoc& doc) {
    std::string text;
    for (const char c : doc.GetText()) {
        if (c == '\n') {
            text += PlatformLineEnd();
        } else {
            text += c;
        }
    }
    return text;
}

bool ExportText(const RichTextDoc& doc, const std::filesystem::path& path) {
    // The archive's atomic save is the one place that knows how to replace a file safely; the
    // text goes through it as raw bytes.
    Archive bytes = Archive::ForStoring();
    for (const char c : PlainTextOf(doc)) {
        bytes.WriteByte(static_cast<std::uint8_t>(c));
    }
    return bytes.SaveToFile(path);
}

} // namespace lumivane
