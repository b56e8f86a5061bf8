#include "bench_support.h"
#include "contiguous/contiguous_screen.h"
#include "contiguous/contiguous_window.h"
#include "core/random_stream.h"
#include "whole_disk_file.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// What a user waits for when the screen opens: building the window with its 128 grid controls,
// loading the screen and drawing the first frame.
void openContiguousWindow(benchmark::State& state)
{
    offscreenApplication();
    ProgramRandomStream stream;
    Share share(stream);
    ContiguousScreen screen(share);
    for (auto _ : state) {
        auto window = openWindow<ContiguousWindow>(screen);
        window->show();
        benchmark::DoNotOptimize(window->grab());
        window.reset();
        QApplication::processEvents();
    }
}
BENCHMARK(openContiguousWindow)->Unit(benchmark::kMillisecond);

// One press of Add that fills the disk, as the window shows it.
void addThroughTheWindow(benchmark::State& state)
{
    offscreenApplication();
    ProgramRandomStream stream;
    Share share(stream);
    ContiguousScreen screen(share);
    const auto opened = openWindow<ContiguousWindow>(screen);
    ContiguousWindow& window = *opened;
    for (auto _ : state) {
        window.onClearClicked();
        typeWholeDiskFile(screen);
        window.onAddClicked();
    }
}
BENCHMARK(addThroughTheWindow)->Unit(benchmark::kMicrosecond);

}  // namespace
