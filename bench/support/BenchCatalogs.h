#pragma once
// The catalogs the benchmarks run on: the shipped one and a synthetic one ten times its size,
// made from the shipped text files by repeating every record with its own names, catalog
// number and (for lenses) focal lengths, so lens choice meets as many near misses as hits.

#include "catalog/CatalogStore.h"
#include "support/TempDir.h"

#include <filesystem>
#include <string>
#include <vector>

namespace lumivane::bench {

std::filesystem::path ShippedCatalogFolder();

// Writes the four catalog text files into target, each record of source copies times.
void WriteScaledCatalog(const std::filesystem::path& source, const std::filesystem::path& target,
                        int copies);

struct BenchCatalog {
    std::string name;
    std::filesystem::path textFolder;
    std::filesystem::path store;
};

// The shipped and the synthetic catalog, each as text files and as a catalog store.
class BenchCatalogs {
public:
    static constexpr int kSyntheticCopies = 10;

    BenchCatalogs();

    const BenchCatalog& Shipped() const { return m_shipped; }
    const BenchCatalog& Synthetic() const { return m_synthetic; }
    std::vector<const BenchCatalog*> All() const { return {&m_shipped, &m_synthetic}; }

private:
    test::TempDir m_folder;
    BenchCatalog m_shipped;
    BenchCatalog m_synthetic;
};

// Builds the catalogs from the text files of folder and makes them the context's catalogs.
CatalogSet InstallCatalogText(const std::filesystem::path& folder);

} // namespace lumivane::bench
