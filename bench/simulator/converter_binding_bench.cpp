// The read a numeric display makes on every redraw: one register through Regpeek.dll's `valuate`
// into ValueScratch. Compares keeping the library loaded for the run with loading and releasing it
// around each call.

#include <benchmark/benchmark.h>

#include "simulator/memory/converter_binding.h"
#include "tests/support/fake_host.h"

namespace {

using QuietHost = sim::FakeHost;

void ReadRegister(benchmark::State& state, sim::ConverterBinding::Loading loading) {
    QuietHost host;
    sim::PanelMemory memory;
    sim::ConverterBinding binding(host, HMI_RUN_DIR, loading);
    memory.WriteWord(sim::Area::D, 100, 1234);
    const std::string name = "D";
    for (auto _ : state) {
        binding.Valuate(memory, name, 100, 1, 0, 0, 0);
        benchmark::DoNotOptimize(memory.ScratchValue(1, 0));
    }
    if (host.messages.size() > 0) state.SkipWithError("Regpeek.dll not found in the run folder");
}

void BM_ValuateCached(benchmark::State& state) {
    ReadRegister(state, sim::ConverterBinding::Loading::Cached);
}
void BM_ValuatePerCall(benchmark::State& state) {
    ReadRegister(state, sim::ConverterBinding::Loading::PerCall);
}

BENCHMARK(BM_ValuateCached);
BENCHMARK(BM_ValuatePerCall);

}  // namespace
