// EvaluatePart of a numeric display (type 16) bound to a PLC register (Modbus 4x, a 32-bit value):
// the area and index converters and the value reader each run once per evaluation. Compared with the
// converter libraries kept loaded for the run and loaded and released around every call.

#include <benchmark/benchmark.h>

#include "simulator/memory/evaluate_part.h"
#include "tests/support/fake_host.h"

namespace {

sim::PartConfig NumericDisplay() {
    // Line 14 format 3 (32-bit signed); address group at line 16: PLC 1, station 1, register 4x 100.
    std::string text;
    const char* lines[21] = {};
    lines[14] = "3", lines[16] = "1", lines[17] = "1", lines[19] = "4x", lines[20] = "100";
    for (const char* line : lines) text += std::string(line ? line : "") + "\r\n";
    sim::PartConfig config;
    config.Load(text, sim::PartLineCount(16));
    return config;
}

void EvaluateNumericDisplay(benchmark::State& state, sim::ConverterBinding::Loading loading) {
    sim::FakeHost host;
    sim::PanelMemory memory;
    sim::ConverterBinding converters(host, HMI_RUN_DIR, loading);
    sim::ExchangeLock lock;
    sim::WriteQueue queue(lock);
    sim::ValueAccess access(memory, converters, queue);
    access.SetPlcType(1, 19, 0);
    memory.WriteDWord(sim::Area::D, 100, 123456);
    sim::PartConfig config = NumericDisplay();
    for (auto _ : state) {
        sim::EvaluatePart(16, config, access, {});
        benchmark::DoNotOptimize(memory.ScratchValue(1, 3));
    }
    if (memory.ScratchValue(1, 3) != 123456 || !host.messages.empty())
        state.SkipWithError("wrong value read");
}

BENCHMARK_CAPTURE(EvaluateNumericDisplay, cached, sim::ConverterBinding::Loading::Cached);
BENCHMARK_CAPTURE(EvaluateNumericDisplay, loaded_per_call, sim::ConverterBinding::Loading::PerCall)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
