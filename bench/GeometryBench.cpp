// One image grid with every measure derived from it, on a flat and on a curved screen.

#include "base/AppContext.h"
#include "model/Auditorium.h"
#include "model/ImageGeometry.h"
#include "model/LensType.h"
#include "model/ProjectorType.h"
#include "support/BenchCatalogs.h"
#include "support/BenchProject.h"
#include "support/TargetSummary.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

using namespace lumivane;
using namespace lumivane::bench;

namespace {

double EveryMeasure(ImageGeometry& geometry) {
    double sum = geometry.TopWidth() + geometry.BottomWidth() + geometry.EdgeHeight0() +
                 geometry.EdgeHeight1() + geometry.InnerHeight() + geometry.VerticalKeystone() +
                 geometry.HorizontalKeystone() + geometry.VerticalStretch() +
                 geometry.HorizontalStretch() + geometry.CurveDistortion() + geometry.MaskingLoss();
    for (const ScreenPoint& p : geometry.InnerRect()) {
        sum += p.x + p.y;
    }
    for (const ScreenPoint& p : geometry.ImagePolygon()) {
        sum += p.x + p.y;
    }
    return sum;
}

void MeasureGrid(benchmark::State& state, const CAuditorium& room) {
    const CProjectorType& projector = *room.GetProjector(0);
    const CLensType& setUp = *projector.GetLensType(0);
    ImageGeometry geometry;
    for (auto _ : state) {
        geometry.SetSubjects(&room, &projector, &setUp);
        geometry.BuildGrid();
        benchmark::DoNotOptimize(EveryMeasure(geometry));
    }
}

} // namespace

int main(int argc, char** argv) {
    ScopedAppContext context;
    InstallCatalogText(ShippedCatalogFolder());
    const std::unique_ptr<CAuditorium> curved = BuildAuditorium(1, {1, 1}, LensShift::Off);
    const std::unique_ptr<CAuditorium> flat = BuildAuditorium(2, {1, 1}, LensShift::Off);
    flat->SetCurveType(CurveNone);
    flat->RefreshAllImages();
    benchmark::RegisterBenchmark("GeometryGrid/flat", MeasureGrid, std::cref(*flat));
    benchmark::RegisterBenchmark("GeometryGrid/curved", MeasureGrid, std::cref(*curved));
    return RunWithTargets(
        argc, argv,
        {TimeLimit("grid and every measure, flat", "GeometryGrid/flat", 5e-6),
         TimeLimit("grid and every measure, curved", "GeometryGrid/curved", 5e-6)});
}
