// Catalog start-up: loading the catalog store against building the catalogs from the text
// files, on the shipped catalog and on one ten times its size.

#include "base/AppContext.h"
#include "catalog/CatalogStore.h"
#include "catalog/FormatDatabase.h"
#include "catalog/LensDatabase.h"
#include "catalog/ProjectorDatabase.h"
#include "support/BenchCatalogs.h"
#include "support/TargetSummary.h"

#include <benchmark/benchmark.h>

#include <string>
#include <utility>

using namespace lumivane;
using namespace lumivane::bench;

namespace {

void CountItems(benchmark::State& state, const CatalogSet& catalogs) {
    state.counters["lenses"] = static_cast<double>(catalogs.lenses->LensCount());
    state.counters["attachments"] = static_cast<double>(catalogs.lenses->AttachmentCount());
    state.counters["formats"] = catalogs.formats->GetCount();
    state.counters["projectors"] = catalogs.projectors->GetCount();
}

// Start-up makes the catalogs once and keeps them, so letting the previous round's catalogs
// go is left out of the time.
void ReleaseUntimed(benchmark::State& state, CatalogSet& catalogs) {
    state.PauseTiming();
    catalogs = {};
    state.ResumeTiming();
}

void BuildFromText(benchmark::State& state, const BenchCatalog& catalog) {
    CatalogSet built;
    for (auto _ : state) {
        ReleaseUntimed(state, built);
        built = BuildCatalogsFromText(catalog.textFolder);
        benchmark::DoNotOptimize(built.lenses.get());
    }
    CountItems(state, built);
}

void LoadStore(benchmark::State& state, const BenchCatalog& catalog) {
    CatalogSet loaded;
    for (auto _ : state) {
        ReleaseUntimed(state, loaded);
        std::optional<CatalogSet> read = ReadCatalogStore(catalog.store);
        if (!read) {
            state.SkipWithError("the catalog store did not load");
            return;
        }
        loaded = std::move(*read);
        benchmark::DoNotOptimize(loaded.lenses.get());
    }
    CountItems(state, loaded);
}

} // namespace

int main(int argc, char** argv) {
    ScopedAppContext context;
    const BenchCatalogs catalogs;
    for (const BenchCatalog* catalog : catalogs.All()) {
        benchmark::RegisterBenchmark(("CatalogTextBuild/" + catalog->name).c_str(), BuildFromText,
                                     *catalog)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("CatalogStoreLoad/" + catalog->name).c_str(), LoadStore,
                                     *catalog)
            ->Unit(benchmark::kMicrosecond);
    }
    return RunWithTargets(
        argc, argv,
        {SpeedRatio("catalog store load vs text build, shipped", "CatalogStoreLoad/shipped",
                    "CatalogTextBuild/shipped", 10),
         SpeedRatio("catalog store load vs text build, synthetic", "CatalogStoreLoad/synthetic",
                    "CatalogTextBuild/synthetic", 10),
         TimeLimit("catalog store load, synthetic", "CatalogStoreLoad/synthetic", 5e-3)});
}
