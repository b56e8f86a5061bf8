#include "bench_support.h"
#include "core/random_stream.h"
#include "linked/linked_screen.h"
#include "linked/linked_window.h"
#include "whole_disk_file.h"

#include <benchmark/benchmark.h>

namespace {

// The longest walk there is: a file of 64 blocks, from its Add to the press that closes its chain.
// The last blocks cost the most, since the draws keep meeting taken ones.
void wholeDiskWalk(benchmark::State& state)
{
    LoadedScreen<LinkedScreen> s;
    for (auto _ : state) {
        s.addWholeDiskFile();
        while (s.screen.mode() == Mode::Walking)
            s.screen.nextBlock(s.sink);
        benchmark::DoNotOptimize(s.screen.form().disk.usedCount());
    }
}
BENCHMARK(wholeDiskWalk)->Unit(benchmark::kMicrosecond);

// One press of Next as the window handles it: the draw, the link, and the disk, the directory and
// the labels brought up to date. A new 64-block walk starts, untimed, whenever one closes.
void nextThroughTheWindow(benchmark::State& state)
{
    offscreenApplication();
    ProgramRandomStream stream;
    Share share(stream);
    LinkedScreen screen(share);
    const auto opened = openWindow<LinkedWindow>(screen);
    LinkedWindow& window = *opened;
    for (auto _ : state) {
        if (screen.mode() != Mode::Walking) {
            state.PauseTiming();
            window.onClearClicked();
            typeWholeDiskFile(screen);
            window.onAddClicked();
            state.ResumeTiming();
        }
        window.onNextClicked();
    }
}
BENCHMARK(nextThroughTheWindow)->Unit(benchmark::kMicrosecond);

}  // namespace
