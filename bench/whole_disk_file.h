#pragma once

#include "contiguous/contiguous_allocator.h"

// Types a file that takes every block of the disk into the screen's fields.
inline void typeWholeDiskFile(ContiguousAllocator& screen)
{
    auto& fields = screen.form().fields;
    fields.setText(Control::txFile, "f");
    fields.setText(Control::txStart, "0");
    fields.setText(Control::txLenght, "64");
}
