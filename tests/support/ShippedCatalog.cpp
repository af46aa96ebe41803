#include "support/ShippedCatalog.h"

#include "catalog/CatalogStore.h"

namespace lumivane::test {

void InstallShippedCatalogs() {
    InstallCatalogs(BuildCatalogsFromText(ShippedCatalogDir()));
}

} // namespace lumivane::test
