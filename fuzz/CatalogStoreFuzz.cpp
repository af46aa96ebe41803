// Feeds bytes to the catalog store loader as start-up and the live update do. A store that
// loads whole must turn into JSON, and must store and load again to the same catalogs.

#include "base/AppContext.h"
#include "base/Archive.h"
#include "catalog/CatalogJson.h"
#include "catalog/CatalogStore.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lumivane::ScopedAppContext context;
    lumivane::Archive ar =
        lumivane::Archive::ForLoading(std::vector<std::uint8_t>(data, data + size));
    lumivane::CatalogSet catalogs = lumivane::MakeEmptyCatalogs();
    try {
        lumivane::LoadCatalogStore(ar, catalogs);
    } catch (const lumivane::ArchiveError&) {
        return 0;
    }
    const std::string json = lumivane::CatalogsToJson(catalogs);

    lumivane::Archive stored = lumivane::Archive::ForStoring();
    lumivane::SaveCatalogStore(stored, catalogs);
    lumivane::Archive again = lumivane::Archive::ForLoading(stored.Bytes());
    lumivane::CatalogSet reloaded = lumivane::MakeEmptyCatalogs();
    lumivane::LoadCatalogStore(again, reloaded);
    if (lumivane::CatalogsToJson(reloaded) != json) {
        std::abort();
    }
    return 0;
}
