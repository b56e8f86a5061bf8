#include "bench_support.h"
#include "core/random_stream.h"
#include "indexed/indexed_screen.h"
#include "lesson/comparison.h"
#include "lesson/free_space.h"
#include "panel/lesson_panel.h"
#include "panel/read_page.h"
#include "lesson/reading.h"
#include "shell/qt_screen_host.h"
#include "widgets/disk_grid_widget.h"
#include "widgets/method_window.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// A 56-block file on the linked index scheme: the disk full, eight index blocks to follow.
void placeWholeDiskFile(Screen& screen)
{
    NullSink sink;
    screen.type(Control::txFile, "f");
    screen.type(Control::txLenght, "56");
    screen.addFile(sink);
    while (screen.mode() == Mode::Placing)
        screen.nextBlock(sink);
}

// The answers the panel gives for one pick: the read path of the last block, the whole file and the
// free space.
void answerAReadQuestion(benchmark::State& state)
{
    ProgramRandomStream stream;
    Share share(stream);
    IndexedScreen screen(share, std::make_unique<LinkedIndexScheme>());
    screen.load();
    placeWholeDiskFile(screen);
    const FileRecord& file = screen.files().front();
    for (auto _ : state) {
        benchmark::DoNotOptimize(readPathText(readBlock(screen, file, 55)->blocks));
        benchmark::DoNotOptimize(readWholeFile(file).jumps);
        benchmark::DoNotOptimize(freeRunsText(freeSpaceOf(screen.form().disk).runs));
    }
}
BENCHMARK(answerAReadQuestion)->Unit(benchmark::kMicrosecond);

// A new pick in the panel as the user sees it: the answers, the marks moved, the grid repainted.
void pickAndRedrawTheOverlay(benchmark::State& state)
{
    offscreenApplication();
    ProgramRandomStream stream;
    Share share(stream);
    QtScreenHost host(share);
    host.navigator().start(ScreenId::IndexedL);
    placeWholeDiskFile(*host.screen(ScreenId::IndexedL));
    MethodWindow* window = host.window(ScreenId::IndexedL);
    window->render();
    host.showLesson();
    int block = 0;
    for (auto _ : state) {
        host.lesson()->readPage()->pick(0, block);
        benchmark::DoNotOptimize(window->grid()->grab());  // the grid drawn anew, marks and all
        block = (block + 13) % 56;
    }
}
BENCHMARK(pickAndRedrawTheOverlay)->Unit(benchmark::kMicrosecond);

// Place and the table of the Compare window: eight files of eight blocks fill the contiguous and
// linked disks; the indexed disks take what fits and refuse the rest.
void compareAFullDisk(benchmark::State& state)
{
    Workload workload;
    for (int i = 0; i < 8; ++i)
        workload.push_back({"f" + std::to_string(i), 8});
    Comparison comparison;
    for (auto _ : state) {
        comparison.place(workload);
        benchmark::DoNotOptimize(tabSeparated(comparisonTable(comparison, 0, 7)));
        for (const ScreenId method : COMPARED_METHODS)
            benchmark::DoNotOptimize(comparison.readsByBlock(method, 0));
    }
}
BENCHMARK(compareAFullDisk)->Unit(benchmark::kMicrosecond);

// Step back with ten thousand actions behind it: the screen restored and the stream rewound past
// every value those actions drew.
void stepBackAfterTenThousandActions(benchmark::State& state)
{
    offscreenApplication();
    ProgramRandomStream stream;
    Share share(stream);
    QtScreenHost host(share);
    host.navigator().start(ScreenId::IndexedL);
    Screen& screen = *host.screen(ScreenId::IndexedL);
    Lecture& lecture = host.lecture();
    NullSink sink;
    const auto act = [&](int n) {
        lecture.beforeAction(std::nullopt);
        if (screen.mode() == Mode::Placing) {
            screen.nextBlock(sink);
        } else if (n % 97 == 0) {
            screen.clear();
        } else {
            screen.type(Control::txFile, "f");
            screen.type(Control::txLenght, std::to_string(1 + n % 9));
            screen.addFile(sink);
        }
    };
    for (int n = 0; n < 10000; ++n)
        act(n);
    for (auto _ : state) {
        state.PauseTiming();
        act(10000);
        state.ResumeTiming();
        benchmark::DoNotOptimize(lecture.stepBack());
    }
}
BENCHMARK(stepBackAfterTenThousandActions)->Unit(benchmark::kMicrosecond);

// Run to end of a scenario of ten thousand steps, the window drawn between batches as the user sees it.
void runToEndOfTenThousandSteps(benchmark::State& state)
{
    offscreenApplication();
    ProgramRandomStream stream;
    Share share(stream);
    QtScreenHost host(share);
    host.navigator().start(ScreenId::IndexedL);
    ScenarioStep add;
    add.kind = ScenarioStep::Kind::Add;
    add.name = std::string(1, 'f');
    add.length = std::to_string(3);
    add.text = "add " + add.name + " " + add.length;
    ScenarioStep clear;
    clear.kind = ScenarioStep::Kind::Clear;
    std::vector<ScenarioStep> steps;
    for (int i = 0; i < 5000; ++i)
        steps.insert(steps.end(), {add, clear});
    host.showLesson(false);
    for (auto _ : state) {
        host.setScenario(steps);
        host.runToEnd();
        while (host.isRunning())
            QApplication::processEvents();
    }
}
BENCHMARK(runToEndOfTenThousandSteps)->Unit(benchmark::kMillisecond);

// Restart as the lecturer sees it: the stream back to its start, fresh screen objects, the screen
// loaded and its window built and shown anew.
void restartTheRun(benchmark::State& state)
{
    offscreenApplication();
    ProgramRandomStream stream;
    Share share(stream);
    QtScreenHost host(share);
    host.navigator().start(ScreenId::IndexedL);
    for (auto _ : state) {
        host.restart();
        benchmark::DoNotOptimize(host.window(ScreenId::IndexedL)->grab());
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
BENCHMARK(restartTheRun)->Unit(benchmark::kMillisecond);

}  // namespace
