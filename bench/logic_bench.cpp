#include "bench_support.h"
#include "contiguous/contiguous_screen.h"
#include "core/number_reading.h"
#include "core/random_stream.h"
#include "whole_disk_file.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// The costliest Add there is: a whole-disk run that checks and paints all 64 blocks.
void wholeDiskAdd(benchmark::State& state)
{
    LoadedScreen<ContiguousScreen> s;
    for (auto _ : state) {
        s.addWholeDiskFile();
        benchmark::DoNotOptimize(s.screen.form().disk.usedCount());
    }
}
BENCHMARK(wholeDiskAdd);

// Reading the longest text a field can hold.
void readLongNumber(benchmark::State& state)
{
    const std::string text = "0." + std::string(32000, '0') + "5e32001";
    for (auto _ : state)
        benchmark::DoNotOptimize(readNumber(text));
}
BENCHMARK(readLongNumber);

void loadScreen(benchmark::State& state)
{
    ProgramRandomStream stream;
    Share share(stream);
    ContiguousScreen screen(share);
    for (auto _ : state) {
        screen.load();
        benchmark::DoNotOptimize(screen.form().list(Control::lvDirectory).columns().size());
    }
}
BENCHMARK(loadScreen);

}  // namespace
