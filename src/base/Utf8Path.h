#pragma once
// Paths made from the core's UTF-8 text and back. A plain std::string becomes a path in the ANSI
// code page on Windows, which holds few of the characters users type, and a path's own
// string() may throw there; these never lose a character and never throw.

#include <filesystem>
#include <string>
#include <string_view>

namespace lumivane {

// Invalid UTF-8 sequences become U+FFFD on Windows; elsewhere the bytes are the name.
std::filesystem::path PathFromUtf8(std::string_view utf8);

// Unpaired UTF-16 surrogates (possible in Windows names) become U+FFFD.
std::string Utf8FromPath(const std::filesystem::path& path);

} // namespace lumivane
