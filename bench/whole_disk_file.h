#pragma once

#include "bench_support.h"
#include "core/control.h"
#include "core/random_stream.h"
#include "core/share.h"

// Types a file that takes every block of the disk into the fields of a screen with a start field.
template <typename S> void typeWholeDiskFile(S& screen)
{
    screen.type(Control::txFile, "f");
    screen.type(Control::txStart, "0");
    screen.type(Control::txLenght, "64");
}

// A loaded screen, without a window, over a stream like the program's own.
template <typename S> struct LoadedScreen {
    LoadedScreen() { screen.load(); }

    // Clears the screen, then adds the file that takes the whole disk.
    void addWholeDiskFile()
    {
        screen.clear();
        typeWholeDiskFile(screen);
        screen.addFile(sink);
    }

    ProgramRandomStream stream;
    Share share{stream};
    S screen{share};
    NullSink sink;
};
