// Saving, loading and reporting the project of a cinema chain of 200 auditoriums.

#include "base/AppContext.h"
#include "base/Archive.h"
#include "base/RichTextDoc.h"
#include "document/ClockAndLocale.h"
#include "document/ProjectEditor.h"
#include "document/ProjectFile.h"
#include "document/ProjectSnapshot.h"
#include "document/QorDoc.h"
#include "model/Auditorium.h"
#include "reports/ProjectReport.h"
#include "reports/TextExport.h"
#include "support/BenchCatalogs.h"
#include "support/BenchProject.h"
#include "support/TargetSummary.h"
#include "support/TempDir.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <string>

using namespace lumivane;
using namespace lumivane::bench;

namespace {

struct ProjectFixture {
    ProjectContents project;
    test::TempDir folder;
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

// The report's dates are the project's own; the clock only stamps new projects.
class BenchClock : public ClockAndLocale {
public:
    std::tm LocalNow() const override { return {}; }
    std::string ShortDate(const std::tm&) const override { return "1/1/26"; }
    std::string ShortTime(const std::tm&) const override { return "9:00 AM"; }
    bool LocaleIsMetric() const override { return true; }
};

// The project report as "Print to Text File..." writes it: composition and plain text.
void MeasureReport(benchmark::State& state, const ProjectFixture& fixture) {
    CQorDoc document(std::make_shared<BenchClock>());
    if (document.OpenDocument(fixture.file, true) != ProjectReadResult::Ok) {
        state.SkipWithError("the project did not load");
        return;
    }
    std::size_t characters = 0;
    for (auto _ : state) {
        RichTextDoc report;
        WriteProjectReport(report, document, "Roxy Screens\n1 Main Street");
        const std::string text = PlainTextOf(report);
        characters = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["characters"] = static_cast<double>(characters);
}

// Undo of a change that touched every auditorium: each of the 200 records is read back and
// the auditorium replaced, the worst case of a snapshot restore.
void MeasureSnapshotRestore(benchmark::State& state, const ProjectFixture& fixture) {
    CQorDoc document(std::make_shared<BenchClock>());
    if (document.OpenDocument(fixture.file, true) != ProjectReadResult::Ok) {
        state.SkipWithError("the project did not load");
        return;
    }
    ProjectEditor& editor = document.Editor();
    const ProjectSnapshot before = editor.TakeSnapshot();
    for (int a = 0; a < document.GetAuditoriumCount(); ++a) {
        editor.RenameAuditorium(a, "Renamed " + std::to_string(a));
    }
    const ProjectSnapshot after = editor.TakeSnapshot();
    bool undone = false;
    for (auto _ : state) {
        editor.Restore(undone ? after : before, undone ? before : after);
        undone = !undone;
    }
}

} // namespace

int main(int argc, char** argv) {
    ScopedAppContext context;
    InstallCatalogText(ShippedCatalogFolder());
    ProjectFixture fixture;
    fixture.project = BuildChainProject(kChainAuditoriums);
    fixture.file = fixture.folder / "chain.hoprj";
    // Loading and reporting must not depend on the save benchmark having run first.
    Archive chain = Archive::ForStoring();
    WriteProject(chain, fixture.project);
    if (!chain.SaveToFile(fixture.file)) {
        return 1;
    }
    benchmark::RegisterBenchmark("ProjectSave/200-auditoriums", MeasureSave, std::cref(fixture))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ProjectLoad/200-auditoriums", MeasureLoad, std::cref(fixture))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ProjectReport/200-auditoriums", MeasureReport, std::cref(fixture))
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("SnapshotRestore/200-auditoriums", MeasureSnapshotRestore,
                                 std::cref(fixture))
        ->Unit(benchmark::kMillisecond);
    return RunWithTargets(
        argc, argv,
        {TimeLimit("project load, 200 auditoriums", "ProjectLoad/200-auditoriums", 10e-3),
         TimeLimit("snapshot restore, 200 auditoriums", "SnapshotRestore/200-auditoriums", 5e-3)});
}
