// Lens choice for one set-up (an anamorphic format, so attachments take part): the best
// combination, the best-first candidate list and the quick "is there any" test, on the
// shipped catalog and on one ten times its size.

#include "base/AppContext.h"
#include "catalog/FormatDescriptor.h"
#include "catalog/FormatFlags.h"
#include "catalog/LensDatabase.h"
#include "model/Auditorium.h"
#include "model/LensCandidates.h"
#include "model/LensType.h"
#include "support/BenchCatalogs.h"
#include "support/BenchProject.h"
#include "support/TargetSummary.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace lumivane;
using namespace lumivane::bench;

namespace {

struct ChoiceFixture {
    CatalogSet catalogs;
    std::unique_ptr<CAuditorium> room;
    const CLensType* setUp = nullptr;
};

const CLensType* AnamorphicSetUp(const CAuditorium& room) {
    for (int i = 0; i < room.LensTypeCount(); ++i) {
        const CFormatDescriptor* format = room.GetLensType(i)->GetFormatDescriptor();
        if (format && (format->GetFlags() & FormatFlag::AnyAnamorphic) != 0) {
            return room.GetLensType(i);
        }
    }
    return room.GetLensType(0);
}

ChoiceFixture MakeFixture(const BenchCatalog& catalog) {
    ChoiceFixture fixture;
    fixture.catalogs = InstallCatalogText(catalog.textFolder);
    fixture.room = BuildAuditorium(1, {1, kBusyRoom.formatsPerProjector}, LensShift::Off);
    fixture.setUp = AnamorphicSetUp(*fixture.room);
    return fixture;
}

// Every round works on a fresh copy: lens choice binds the barrel and hands over a lens.
void MeasureChooseBest(benchmark::State& state, const ChoiceFixture& fixture) {
    InstallCatalogs(fixture.catalogs);
    for (auto _ : state) {
        CLensType setUp(*fixture.setUp);
        benchmark::DoNotOptimize(ChooseBest(setUp));
    }
}

void MeasureCandidateList(benchmark::State& state, const ChoiceFixture& fixture) {
    InstallCatalogs(fixture.catalogs);
    std::size_t candidates = 0;
    for (auto _ : state) {
        CLensType setUp(*fixture.setUp);
        candidates = ListCandidates(setUp).size();
        benchmark::DoNotOptimize(candidates);
    }
    state.counters["candidates"] = static_cast<double>(candidates);
}

void MeasureAnyCandidate(benchmark::State& state, const ChoiceFixture& fixture) {
    InstallCatalogs(fixture.catalogs);
    for (auto _ : state) {
        CLensType setUp(*fixture.setUp);
        benchmark::DoNotOptimize(fixture.catalogs.lenses->AnyCandidate(setUp));
    }
}

} // namespace

int main(int argc, char** argv) {
    ScopedAppContext context;
    const BenchCatalogs catalogs;
    std::vector<std::unique_ptr<ChoiceFixture>> fixtures;
    for (const BenchCatalog* catalog : catalogs.All()) {
        fixtures.push_back(std::make_unique<ChoiceFixture>(MakeFixture(*catalog)));
        const ChoiceFixture& fixture = *fixtures.back();
        benchmark::RegisterBenchmark(("LensChooseBest/" + catalog->name).c_str(), MeasureChooseBest,
                                     std::cref(fixture))
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("LensCandidateList/" + catalog->name).c_str(),
                                     MeasureCandidateList, std::cref(fixture))
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("LensAnyCandidate/" + catalog->name).c_str(),
                                     MeasureAnyCandidate, std::cref(fixture))
            ->Unit(benchmark::kMicrosecond);
    }
    return RunWithTargets(
        argc, argv,
        {TimeLimit("ChooseBest, synthetic", "LensChooseBest/synthetic", 2e-3),
         TimeLimit("best-first candidate list, synthetic", "LensCandidateList/synthetic", 2e-3),
         TimeLimit("AnyCandidate, synthetic", "LensAnyCandidate/synthetic", 2e-3)});
}
