// Storing and loading a catalog-sized stream of records: numbers, short names in the three
// text forms a real file holds (plain, accented, wide) and longer descriptions.

#include "base/Archive.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <system_error>

using lumivane::Archive;

namespace {

constexpr int kRecords = 5000;

const std::string kNames[] = {"Kino 1", "Salle Lumière", "Kino Černá", "Saal 😀"};
const std::string kDescription(300, 'd');

void WriteRecords(Archive& ar) {
    ar.WriteDword(kRecords);
    for (int i = 0; i < kRecords; ++i) {
        ar.WriteWord(static_cast<std::uint16_t>(i));
        ar.WriteLong(i % 2);
        ar.WriteDouble(i * 0.25);
        ar.WriteDouble(12.5 + i);
        ar.WriteFloat(1.85f);
        ar.WriteText(kNames[i % 4]);
        ar.WriteText(i % 10 == 0 ? kDescription : std::string());
    }
}

std::size_t ReadRecords(Archive& ar) {
    std::size_t textBytes = 0;
    const std::uint32_t count = ar.ReadDword();
    for (std::uint32_t i = 0; i < count; ++i) {
        benchmark::DoNotOptimize(ar.ReadWord());
        benchmark::DoNotOptimize(ar.ReadLong());
        benchmark::DoNotOptimize(ar.ReadDouble());
        benchmark::DoNotOptimize(ar.ReadDouble());
        benchmark::DoNotOptimize(ar.ReadFloat());
        textBytes += ar.ReadText().size();
        textBytes += ar.ReadText().size();
    }
    return textBytes;
}

Archive StoredRecords() {
    Archive ar = Archive::ForStoring();
    WriteRecords(ar);
    return ar;
}

void BM_StoreRecords(benchmark::State& state) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        Archive ar = StoredRecords();
        bytes = ar.Bytes().size();
        benchmark::DoNotOptimize(ar.Bytes().data());
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_StoreRecords);

void BM_LoadRecords(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = StoredRecords().Bytes();
    for (auto _ : state) {
        Archive ar = Archive::ForLoading(bytes);
        benchmark::DoNotOptimize(ReadRecords(ar));
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_LoadRecords);

void BM_SaveAndOpenFile(benchmark::State& state) {
    const auto path = std::filesystem::temp_directory_path() / "lumivane-bench-archive.dta";
    const Archive stored = StoredRecords();
    for (auto _ : state) {
        if (!stored.SaveToFile(path)) {
            state.SkipWithError("saving failed");
            break;
        }
        Archive loaded = Archive::ForStoring();
        if (!Archive::OpenForLoading(path, loaded)) {
            state.SkipWithError("opening failed");
            break;
        }
        benchmark::DoNotOptimize(ReadRecords(loaded));
    }
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * stored.Bytes().size()));
}
BENCHMARK(BM_SaveAndOpenFile);

} // namespace
