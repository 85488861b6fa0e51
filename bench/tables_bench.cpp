// Start-up speed: loading each data table of the sample installation, and the
// whole InitializeAll on the window model with a fake platform.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "model/config.h"
#include "model/file_access.h"
#include "model/table_reader.h"
#include "model/tables.h"
#include "sample_data.h"
#include "support/fake_platform.h"
#include "support/installation.h"
#include "app/app.h"
#include "app/startup.h"

namespace {

using namespace gs;

// The sample installation in a temporary folder, with a stand-in sprite.
const std::string& sampleFolder() {
    static const std::string folder = [] {
        const std::string f = test::makeTempFolder();
        sample::writeFiles(f, sample::makeTables());
        test::writePicture(f + "/RKsprites/1822.jpg", 128, 96);
        return f;
    }();
    return folder;
}

struct Editor {
    test::FakePlatform platform{sampleFolder()};
    App app{platform};
    Editor() { readConfig(app.editor); }
};

template <LoadStatus (*Load)(gs::Editor&)>
void BM_Load(benchmark::State& state) {
    Editor ed;
    for (auto _ : state) {
        const LoadStatus status = Load(ed.app.editor);
        if (!status) state.SkipWithError(status.cause.c_str());
    }
}
BENCHMARK(BM_Load<loadNations>)->Name("LoadNations")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Load<loadNameList>)->Name("LoadNameList")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Load<loadPopTypes>)->Name("LoadPopTypes")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Load<loadSites>)->Name("LoadSites")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Load<loadItems>)->Name("LoadItems")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Load<loadUnits>)->Name("LoadUnits")->Unit(benchmark::kMicrosecond);

void BM_InitializeAll(benchmark::State& state) {
    Editor ed;
    for (auto _ : state) InitializeAll(ed.app.editor);
    if (!ed.platform.messages.empty()) state.SkipWithError(ed.platform.messages.front().text.c_str());
}
BENCHMARK(BM_InitializeAll)->Unit(benchmark::kMillisecond);

// The reading layer alone, on the unit file's bytes in memory.
void BM_ParseUnits(benchmark::State& state) {
    std::string bytes;
    readRegularFile(sampleFolder() + "/RKdata/UnitData.txt", kTableReadLimit, bytes);
    std::vector<UnitRecord> rows(kUnitRows);
    for (auto _ : state) {
        gs::TableBytes texts;  // the rows are not read
        benchmark::DoNotOptimize(parseUnits(bytes, "UnitData.txt", rows, texts));
    }
}
BENCHMARK(BM_ParseUnits)->Unit(benchmark::kMicrosecond);

// Reading stays linear in the input: a unit file whose first cell is very long.
void BM_ParseLongLine(benchmark::State& state) {
    const std::string bytes = std::string(state.range(0), 'x') + "\tname\r\n";
    std::vector<UnitRecord> rows(kUnitRows);
    for (auto _ : state) {
        gs::TableBytes texts;  // the rows are not read
        benchmark::DoNotOptimize(parseUnits(bytes, "UnitData.txt", rows, texts));
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ParseLongLine)->Range(1 << 20, 64 << 20)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
