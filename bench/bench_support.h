#pragma once

#include "core/messages.h"
#include "core/screen.h"

#include <QApplication>

#include <memory>

// Drops every message: a benchmark measures the work, not the boxes.
class NullSink final : public MessageSink {
public:
    void show(const Message&) override {}
};

// The one application object that the window benchmarks share, on the offscreen platform.
inline QApplication& offscreenApplication()
{
    static int argc = 1;
    static char name[] = "pellucor_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform warns about every window it cannot raise; the figures are what count.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static QApplication app(argc, argv);
    return app;
}

// A screen's window as the program opens it: the screen loaded, the window built over it and
// rendered.
template <typename W> std::unique_ptr<W> openWindow(Screen& screen)
{
    screen.load();
    auto window = std::make_unique<W>(screen);
    window->render();
    return window;
}
