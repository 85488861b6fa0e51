// Hostile inputs for the readers: a 10 MB line, 100 MB in one field, a file
// without line ends and binary garbage. Each must be read in time linear in
// its size; the benchmark reports bytes per second and the fitted
// complexity, so a slower reader shows as a number.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "model/table_reader.h"

namespace {

constexpr std::int64_t kMB = 1 << 20;

// The input shapes, each `size` bytes long.
std::string oneLongLine(std::size_t size) { return std::string(size - 2, 'x') + "\r\n"; }
std::string digits(std::size_t size) { return std::string(size, '7'); }
// A unit line whose number column holds nearly all of the bytes.
std::string oneNumberField(std::size_t size) { return digits(size - 134) + std::string(132, '\t') + "\r\n"; }
std::string noLineEnds(std::size_t size) {
    std::string bytes;
    bytes.reserve(size);
    while (bytes.size() < size) bytes += "12\tName\t\t*\t ";
    bytes.resize(size);
    return bytes;
}
std::string garbage(std::size_t size) {
    std::mt19937_64 random(1983);
    std::string bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(random());
    return bytes;
}

template <std::string (*Make)(std::size_t)>
void unitTable(benchmark::State& state) {
    const std::string bytes = Make(static_cast<std::size_t>(state.range(0)));
    std::vector<gs::UnitRecord> rows(gs::kUnitRows);
    for (auto _ : state) {
        gs::TableBytes texts;  // the rows are not read
        benchmark::DoNotOptimize(gs::parseUnits(bytes, "UnitData.txt", rows, texts));
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

template <std::string (*Make)(std::size_t)>
void siteTable(benchmark::State& state) {
    const std::string bytes = Make(static_cast<std::size_t>(state.range(0)));
    std::vector<gs::SiteRecord> rows(gs::kSiteRows);
    for (auto _ : state) {
        gs::TableBytes texts;  // the rows are not read
        benchmark::DoNotOptimize(gs::parseSites(bytes, "SiteData.txt", rows, texts));
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

template <std::string (*Make)(std::size_t)>
void popTypeTable(benchmark::State& state) {
    const std::string bytes = Make(static_cast<std::size_t>(state.range(0)));
    std::vector<gs::PopTypeRecord> rows(gs::kPopTypeRows);
    for (auto _ : state) {
        gs::TableBytes texts;  // the rows are not read
        benchmark::DoNotOptimize(gs::parsePopTypes(bytes, "PopData.txt", rows, texts));
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

template <std::string (*Make)(std::size_t)>
void nameList(benchmark::State& state) {
    const std::string bytes = Make(static_cast<std::size_t>(state.range(0)));
    std::vector<std::string> names;
    for (auto _ : state) benchmark::DoNotOptimize(gs::parseNameList(bytes, "NameList.txt", names));
    state.SetBytesProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

void number(benchmark::State& state) {
    const std::string text = digits(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(gs::toInt16(text));
    state.SetBytesProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

// 1, 10 and 100 MB; a quadratic reader would take hours at the top size.
void sizes(benchmark::internal::Benchmark* b) {
    b->Arg(kMB)->Arg(10 * kMB)->Arg(100 * kMB)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
}

}  // namespace

BENCHMARK(unitTable<oneLongLine>)->Apply(sizes);
BENCHMARK(unitTable<oneNumberField>)->Apply(sizes);
BENCHMARK(unitTable<noLineEnds>)->Apply(sizes);
BENCHMARK(unitTable<garbage>)->Apply(sizes);
BENCHMARK(siteTable<noLineEnds>)->Apply(sizes);
BENCHMARK(popTypeTable<noLineEnds>)->Apply(sizes);
BENCHMARK(popTypeTable<oneLongLine>)->Apply(sizes);
BENCHMARK(nameList<noLineEnds>)->Apply(sizes);
BENCHMARK(nameList<garbage>)->Apply(sizes);
BENCHMARK(number)->Apply(sizes);
