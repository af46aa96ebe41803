#pragma once
// A small catalog of text files for tests that need catalogs without the shipped data.

#include <filesystem>
#include <string_view>

namespace lumivane::test {

void WriteTextFile(const std::filesystem::path& path, std::string_view content);

// Three lenses (one rated 0), one attachment whose number collides with a lens, two
// projectors and two formats (flat and scope).
void WriteSmallCatalog(const std::filesystem::path& folder);

} // namespace lumivane::test
