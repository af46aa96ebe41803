#include "base/Utf8Path.h"

#ifdef _WIN32
#include "base/TextEncoding.h"
#endif

namespace lumivane {

#ifdef _WIN32

// Windows paths are UTF-16 in wchar_t, so the core's own conversions do the work.
std::filesystem::path PathFromUtf8(std::string_view utf8) {
    const std::u16string units = Utf8ToUtf16(utf8);
    return std::wstring(units.begin(), units.end());
}

std::string Utf8FromPath(const std::filesystem::path& path) {
    const std::wstring& native = path.native();
    return Utf16ToUtf8(std::u16string(native.begin(), native.end()));
}

#else

std::filesystem::path PathFromUtf8(std::string_view utf8) {
    return std::string(utf8);
}

std::string Utf8FromPath(const std::filesystem::path& path) {
    return path.native();
}

#endif

} // namespace lumivane
