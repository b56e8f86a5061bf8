#include "bench_support.h"
#include "widgets/method_window.h"
#include "core/random_stream.h"
#include "core/share.h"
#include "shell/qt_screen_host.h"

#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// What a window's first frame costs at the least: a bare main window with a menu and a label.
std::unique_ptr<QMainWindow> bareWindow()
{
    auto window = std::make_unique<QMainWindow>();
    window->menuBar()->addMenu(QStringLiteral("&Menu"));
    window->setCentralWidget(new QLabel(QStringLiteral("bare")));
    window->resize(668, 564);
    return window;
}

void letGo()
{
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void bareWindowToFirstFrame(benchmark::State& state)
{
    offscreenApplication();
    for (auto _ : state) {
        auto window = bareWindow();
        window->show();
        benchmark::DoNotOptimize(window->grab());
        window.reset();
        letGo();
    }
}
BENCHMARK(bareWindowToFirstFrame)->Unit(benchmark::kMillisecond);

// The program's start once Qt is up: the screen objects' host, the first screen loaded and shown,
// and its first frame drawn.
void startToFirstFrameOfIndexedL(benchmark::State& state)
{
    offscreenApplication();
    for (auto _ : state) {
        ProgramRandomStream stream;
        Share share(stream);
        auto host = std::make_unique<QtScreenHost>(share);
        host->navigator().start(ScreenId::IndexedL);
        benchmark::DoNotOptimize(host->window(ScreenId::IndexedL)->grab());
        host.reset();
        letGo();
    }
}
BENCHMARK(startToFirstFrameOfIndexedL)->Unit(benchmark::kMillisecond);

void bareWindowSwitch(benchmark::State& state)
{
    offscreenApplication();
    auto current = bareWindow();
    current->show();
    for (auto _ : state) {
        auto next = bareWindow();
        next->show();
        current->hide();
        current.release()->deleteLater();
        letGo();  // the new window's first frame, and the old one gone
        current = std::move(next);
    }
}
BENCHMARK(bareWindowSwitch)->Unit(benchmark::kMillisecond);

// One press of a switch command, as the event loop serves it: the target loaded and shown, its
// first frame drawn, the screen left behind gone.
void switchBetweenScreens(benchmark::State& state)
{
    offscreenApplication();
    ProgramRandomStream stream;
    Share share(stream);
    QtScreenHost host(share);
    host.navigator().start(ScreenId::IndexedL);
    const ScreenId order[] = {ScreenId::IndexedM, ScreenId::Linked, ScreenId::Contiguous, ScreenId::IndexedL};
    std::size_t n = 0;
    for (auto _ : state) {
        const ScreenId target = order[n++ % std::size(order)];
        host.navigator().switchTo(target);
        letGo();  // the new window's first frame, and the old one gone
    }
}
BENCHMARK(switchBetweenScreens)->Unit(benchmark::kMillisecond);

}  // namespace
