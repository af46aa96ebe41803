#pragma once
// Conversions between the core's UTF-8 text and the encodings of files written on Windows:
// the 8-bit Windows-1252 code page of project files, the catalog store and the catalog text
// files, and UTF-16 for the archive's wide text. Malformed input never fails: each bad
// sequence becomes U+FFFD.

#include <optional>
#include <string>
#include <string_view>

namespace lumivane {

// Whether every byte is below 0x80: such Windows-1252 text is UTF-8 already.
bool IsAscii(std::string_view bytes);

// Every byte has a meaning: the five bytes the code page leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) become the C1 control characters of the same number, so they survive a round
// trip.
std::string Windows1252ToUtf8(std::string_view bytes);

// Nothing when some character has no Windows-1252 byte. Invalid UTF-8 decodes to U+FFFD,
// which has none either, so such text is never silently narrowed.
std::optional<std::string> Utf8ToWindows1252(std::string_view utf8);

// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view units);

// Invalid UTF-8 sequences become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);

} // namespace lumivane
