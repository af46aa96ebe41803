// Recalculation of a busy room (8 projectors, 12 formats each): the whole room with and
// without automatic lens shift, the edit of one set-up under lens shift, and the refresh of
// every image; with the restarts a lens-shift solve takes.

#include "base/AppContext.h"
#include "model/Auditorium.h"
#include "support/BenchCatalogs.h"
#include "support/BenchProject.h"
#include "support/ShiftSolveProbe.h"
#include "support/TargetSummary.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

using namespace lumivane;
using namespace lumivane::bench;

namespace {

void CountSetUps(benchmark::State& state, const CAuditorium& room) {
    state.counters["set-ups"] = room.LensTypeCount();
}

void CountRestarts(benchmark::State& state, const CAuditorium& room) {
    const SolveProbe probe = ProbeCentredSolve(room);
    state.counters["restarts/solve"] = probe.groups ? double(probe.restarts) / probe.groups : 0;
    state.counters["probe agrees"] = probe.agrees ? 1 : 0;
}

void MeasureRecalculate(benchmark::State& state, CAuditorium& room) {
    for (auto _ : state) {
        room.Recalculate(nullptr);
    }
    CountSetUps(state, room);
    if (room.AutoLensShift()) {
        CountRestarts(state, room);
    }
}

void MeasureRecalculateEdit(benchmark::State& state, CAuditorium& room) {
    for (auto _ : state) {
        room.Recalculate(room.GetLensType(0));
    }
    CountSetUps(state, room);
}

void MeasureRefreshAll(benchmark::State& state, CAuditorium& room) {
    for (auto _ : state) {
        room.RefreshAllImages();
    }
    CountSetUps(state, room);
}

} // namespace

int main(int argc, char** argv) {
    ScopedAppContext context;
    InstallCatalogText(ShippedCatalogFolder());
    const std::unique_ptr<CAuditorium> plain = BuildAuditorium(1, kBusyRoom, LensShift::Off);
    const std::unique_ptr<CAuditorium> shifted =
        BuildAuditorium(2, kBusyRoom, LensShift::Automatic);
    benchmark::RegisterBenchmark("Recalculate/no-shift", MeasureRecalculate, std::ref(*plain))
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Recalculate/auto-shift", MeasureRecalculate, std::ref(*shifted))
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Recalculate/auto-shift-edit", MeasureRecalculateEdit,
                                 std::ref(*shifted))
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("RefreshAllImages", MeasureRefreshAll, std::ref(*plain))
        ->Unit(benchmark::kMicrosecond);
    return RunWithTargets(
        argc, argv,
        {TimeLimit("Recalculate 8x12, no lens shift", "Recalculate/no-shift", 1e-3),
         TimeLimit("Recalculate 8x12, automatic lens shift", "Recalculate/auto-shift", 1e-3),
         TimeLimit("Recalculate 8x12, one set-up edited", "Recalculate/auto-shift-edit", 1e-3),
         TimeLimit("RefreshAllImages 8x12", "RefreshAllImages", 1e-3)});
}
