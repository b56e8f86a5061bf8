#include "bench_support.h"
#include "core/random_stream.h"
#include "indexed/indexed_screen.h"
#include "indexed/indexed_window.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The longest file each scheme takes: it fills the disk, so the last blocks are the hardest to draw.
void typeDiskFillingFile(IndexedScreen& screen)
{
    screen.type(Control::txFile, "f");
    screen.type(Control::txLenght, "56");
}

// Add and every press of Next Block of a file that fills the disk, then Clear.
template <typename Scheme> void fullDiskPlacement(benchmark::State& state)
{
    ProgramRandomStream stream;
    Share share(stream);
    IndexedScreen screen(share, std::make_unique<Scheme>());
    screen.load();
    NullSink sink;
    for (auto _ : state) {
        typeDiskFillingFile(screen);
        screen.addFile(sink);
        while (screen.mode() == Mode::Placing)
            screen.nextBlock(sink);
        benchmark::DoNotOptimize(screen.form().disk.usedCount());
        screen.clear();
    }
}
BENCHMARK(fullDiskPlacement<LinkedIndexScheme>)->Unit(benchmark::kMicrosecond);
BENCHMARK(fullDiskPlacement<MultilevelIndexScheme>)->Unit(benchmark::kMicrosecond);

// One press of "Next Block >" as the window shows it: a block placed, the grid, the lists and the
// usage label brought up to date.
template <typename Scheme> void nextPressThroughTheWindow(benchmark::State& state)
{
    offscreenApplication();
    ProgramRandomStream stream;
    Share share(stream);
    IndexedScreen screen(share, std::make_unique<Scheme>());
    const auto opened = openWindow<IndexedWindow>(screen);
    IndexedWindow& window = *opened;
    window.show();
    for (auto _ : state) {
        if (screen.mode() != Mode::Placing) {
            state.PauseTiming();
            window.onClearClicked();
            typeDiskFillingFile(screen);
            window.onAddClicked();
            state.ResumeTiming();
        }
        window.onNextClicked();
    }
}
BENCHMARK(nextPressThroughTheWindow<LinkedIndexScheme>)->Unit(benchmark::kMicrosecond);
BENCHMARK(nextPressThroughTheWindow<MultilevelIndexScheme>)->Unit(benchmark::kMicrosecond);

}  // namespace
