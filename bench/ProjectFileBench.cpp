// Saving and loading the project of a cinema chain of 200 auditoriums.

#include "base/AppContext.h"
#include "base/Archive.h"
#include "document/ProjectFile.h"
#include "model/Auditorium.h"
#include "support/BenchCatalogs.h"
#include "support/BenchProject.h"
#include "support/TargetSummary.h"

#include <benchmark/benchmark.h>

#include <functional>

using namespace lumivane;
using namespace lumivane::bench;

namespace {

struct ProjectFixture {
    ProjectContents project;
    TempFolder folder;
    std::filesystem::path file;
};

void MeasureSave(benchmark::State& state, const ProjectFixture& fixture) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        Archive ar = Archive::ForStoring();
        WriteProject(ar, fixture.project);
        if (!ar.SaveToFile(fixture.file)) {
            state.SkipWithError("the project could not be saved");
            return;
        }
        bytes = ar.Bytes().size();
    }
    state.counters["bytes"] = static_cast<double>(bytes);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

void MeasureLoad(benchmark::State& state, const ProjectFixture& fixture) {
    for (auto _ : state) {
        ProjectContents loaded;
        if (ReadProjectFile(fixture.file, loaded) != ProjectReadResult::Ok) {
            state.SkipWithError("the project did not load");
            return;
        }
        benchmark::DoNotOptimize(loaded.auditoriums.data());
    }
    const auto bytes = std::filesystem::file_size(fixture.file);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

} // namespace

int main(int argc, char** argv) {
    ScopedAppContext context;
    InstallCatalogText(ShippedCatalogFolder());
    ProjectFixture fixture;
    fixture.project = BuildChainProject(kChainAuditoriums);
    fixture.file = fixture.folder / "chain.hoprj";
    benchmark::RegisterBenchmark("ProjectSave/200-auditoriums", MeasureSave, std::cref(fixture))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ProjectLoad/200-auditoriums", MeasureLoad, std::cref(fixture))
        ->Unit(benchmark::kMillisecond);
    return RunWithTargets(
        argc, argv,
        {TimeLimit("project load, 200 auditoriums", "ProjectLoad/200-auditoriums", 10e-3)});
}
