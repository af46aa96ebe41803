#pragma once
// The catalog text files shipped in the source tree's data/catalog folder.

#include "support/TestPaths.h"

#include <filesystem>

namespace lumivane::test {

inline std::filesystem::path ShippedCatalogDir() {
    return std::filesystem::path(LUMIVANE_TEST_DATA_DIR).parent_path().parent_path() / "data" /
           "catalog";
}

// Builds the three catalogs from the shipped text files and installs them in the current
// application context.
void InstallShippedCatalogs();

} // namespace lumivane::test
