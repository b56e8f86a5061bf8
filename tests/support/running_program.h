#pragma once

#include "core/random_stream.h"
#include "core/share.h"
#include "shell/qt_screen_host.h"

#include "support/fake_registry.h"

#include <memory>

// The program as main builds it, with a fake registry and program starter for the About dialog.
struct RunningProgram {
    ProgramRandomStream stream;
    Share share{stream};
    QtScreenHost host{share, std::make_unique<FakeRegistry>(), std::make_unique<FakeStarter>()};
};
