#include "FuzzSupport.h"

#include "base/SourcePaths.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <fstream>

namespace lumivane::fuzz {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

const std::filesystem::path& ScratchFolder() {
    static const test::TempDir folder;
    return folder.path();
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    Require(static_cast<bool>(out));
}

const CatalogSet& ShippedCatalogs() {
    static const CatalogSet catalogs =
        BuildCatalogsFromText(std::filesystem::path(LUMIVANE_SOURCE_DATA_DIR) / "catalog");
    return catalogs;
}

std::vector<std::uint8_t> WrittenProject(const ProjectContents& contents) {
    Archive ar = Archive::ForStoring();
    WriteProject(ar, contents);
    return ar.Bytes();
}

} // namespace lumivane::fuzz
