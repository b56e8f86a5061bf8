// How long Pellucor takes to start as a user starts it: from the moment the process is made to the
// moment its first window is mapped on the display, beside a bare Qt window started the same way,
// the two taking turns. Needs an X display: run it under `xvfb-run -a`. PELLUCOR_START_PROGRAM
// names another build of Pellucor to measure instead of this one.
#include <benchmark/benchmark.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

struct Start {
    double milliseconds = 0;  // process made to first window mapped
    double cpuMilliseconds = 0;  // by the time it is ended, just after
    double residentKiB = 0;  // when the window is mapped
};

long residentKiBOf(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    }
    return 0;
}

// A connection to the display that hears of every window mapped at its top. It stays open for the
// whole run: a server left without clients would reset, and refuse the next program for a moment.
class Watcher {
public:
    Watcher() : m_connection(xcb_connect(nullptr, nullptr))
    {
        if (!ok())
            return;
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        std::free(xcb_request_check(
            m_connection, xcb_change_window_attributes_checked(m_connection, root, XCB_CW_EVENT_MASK, &mask)));
    }
    ~Watcher() { xcb_disconnect(m_connection); }
    Watcher(const Watcher&) = delete;
    Watcher& operator=(const Watcher&) = delete;

    bool ok() const { return xcb_connection_has_error(m_connection) == 0; }
    // Drops what earlier programs left behind.
    void forget()
    {
        while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection))
            std::free(event);
    }
    // Waits for the next window to be mapped; false when the connection broke.
    bool waitForMap()
    {
        while (xcb_generic_event_t* event = xcb_wait_for_event(m_connection)) {
            const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
            std::free(event);
            if (mapped)
                return true;
        }
        return false;
    }

private:
    xcb_connection_t* m_connection;
};

// Starts the program and waits for a window of its to be mapped at the top of the display.
std::optional<Start> startOnce(Watcher& watcher, const std::vector<std::string>& command)
{
    watcher.forget();
    std::vector<char*> argv;
    for (const std::string& word : command)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    const auto began = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[0], argv.data());
        _exit(127);
    }
    std::optional<Start> start;
    if (watcher.waitForMap()) {
        const auto at = Clock::now();
        start = Start{std::chrono::duration<double, std::milli>(at - began).count(), 0,
            static_cast<double>(residentKiBOf(pid))};
    }
    kill(pid, SIGKILL);
    rusage usage{};
    wait4(pid, nullptr, 0, &usage);
    if (start) {
        const auto ms = [](const timeval& t) { return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3; };
        start->cpuMilliseconds = ms(usage.ru_utime) + ms(usage.ru_stime);
    }
    return start;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0 : n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Pellucor on a screen against the bare window, taking turns, one pair per iteration.
void startBesideABareWindow(benchmark::State& state, std::vector<std::string> arguments)
{
    static Watcher watcher;
    if (std::getenv("DISPLAY") == nullptr || !watcher.ok()) {
        state.SkipWithError("needs an X display: run it under xvfb-run -a");
        return;
    }
    const char* other = std::getenv("PELLUCOR_START_PROGRAM");
    arguments.insert(arguments.begin(), other != nullptr ? other : PELLUCOR_PROGRAM);
    const std::vector<std::string> bare{PELLUCOR_BARE_WINDOW};
    std::vector<double> pellucor, baseline, pellucorCpu, baselineCpu, pellucorKiB, baselineKiB;
    for (auto _ : state) {
        const auto b = startOnce(watcher, bare);
        const auto p = startOnce(watcher, arguments);
        if (!b || !p) {
            state.SkipWithError("no window was mapped");
            return;
        }
        baseline.push_back(b->milliseconds);
        pellucor.push_back(p->milliseconds);
        baselineCpu.push_back(b->cpuMilliseconds);
        pellucorCpu.push_back(p->cpuMilliseconds);
        baselineKiB.push_back(b->residentKiB);
        pellucorKiB.push_back(p->residentKiB);
        state.SetIterationTime(p->milliseconds / 1000.0);
    }
    state.counters["pellucor_ms"] = median(pellucor);
    state.counters["bare_ms"] = median(baseline);
    state.counters["ratio"] = median(pellucor) / median(baseline);
    state.counters["cpu_ratio"] = median(pellucorCpu) / median(baselineCpu);
    state.counters["rss_ratio"] = median(pellucorKiB) / median(baselineKiB);
}

BENCHMARK_CAPTURE(startBesideABareWindow, Indexed_L, std::vector<std::string>{})
    ->UseManualTime()
    ->Iterations(25)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(startBesideABareWindow, Contiguous, std::vector<std::string>{"--method", "contiguous"})
    ->UseManualTime()
    ->Iterations(25)
    ->Unit(benchmark::kMillisecond);

}  // namespace
