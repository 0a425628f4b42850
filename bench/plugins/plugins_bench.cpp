// The plug-ins' cost per call through the C interface: a million indexer calls over a mix of
// protocols and notations, and a 1000-row cellfill (reported per row).

#include <benchmark/benchmark.h>

#include <cstdint>

#include "plugins/include/plcaddr_plugins.h"

namespace {

struct IndexInput {
    const char* text;
    int32_t protocol;
    int32_t model;
    const char* area;
};

// One address of each common shape: octal, decimal, word.bit, byte.bit, word+hex digit, colon-slash,
// hundreds-16, hex pair, and an offset block.
constexpr IndexInput kIndexInputs[] = {
    {"17", 0, 0, "X"},   {"1200", 0, 0, "D"},   {"100.15", 0, 5, "D_Bit"}, {"12.7", 4, 0, "I"},
    {"1F", 6, 0, "X"},   {"1:2/3", 10, 0, "I"}, {"1215", 14, 0, "R"},      {"A05", 23, 0, "X"},
    {"250", 43, 0, "O"}, {"40001", 42, 0, "D"}, {"10.05", 2, 0, "IR"},     {"201", 7, 0, "C*"},
    {"3", 0, 5, "32CV"}, {"7FFF", 34, 0, "D"},  {"77", 20, 0, "D"},        {"1.5", 36, 0, "QX"},
};
constexpr int kIndexInputCount = sizeof kIndexInputs / sizeof kIndexInputs[0];

void Indexer(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        const IndexInput& in = kIndexInputs[i];
        benchmark::DoNotOptimize(indexer(in.text, in.protocol, in.model, in.area));
        i = (i + 1) % kIndexInputCount;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(Indexer)->Iterations(1000000);

void CountCell(void* context, int32_t, int32_t, const char* text) {
    benchmark::DoNotOptimize(text);
    ++*static_cast<int64_t*>(context);
}

// 1000 grid rows (999 written, row 0 is the header) of one notation.
void Cellfill(benchmark::State& state, int32_t protocol, const char* area, const char* text) {
    constexpr int32_t kRows = 1000;
    PlcLink links[PLCADDR_LINK_COUNT] = {};
    links[1].protocol = protocol;
    AddressRecord record{};
    record.plcNumber = 1;
    record.addressText = text;
    record.areaName = area;
    int64_t cells = 0;
    const PlcGrid grid{&cells, CountCell};
    for (auto _ : state) cellfill(&grid, links, &record, kRows, 0);
    // Seconds per written row, shown with an SI prefix (n = nanoseconds).
    state.counters["per_row"] = benchmark::Counter(
        kRows - 1, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.SetItemsProcessed(cells);
}
BENCHMARK_CAPTURE(Cellfill, decimal, 13, "D", "100");
BENCHMARK_CAPTURE(Cellfill, octal, 0, "X", "17");
BENCHMARK_CAPTURE(Cellfill, word_bit, 0, "D_Bit", "100.14");

}  // namespace
