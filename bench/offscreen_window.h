#pragma once

#include <QApplication>

// The application that the window benchmarks need, on Qt's offscreen platform.
inline QApplication& offscreenApplication()
{
    static int argc = 1;
    static char name[] = "pellucor_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}
