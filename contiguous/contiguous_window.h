#pragma once

#include "contiguous/contiguous_allocator.h"
#include "core/method_screen_window.h"

// The window "Contiguous Allocation": files are given by name, start block and length.
// Building the window loads the screen; destroying it unloads the screen.
class ContiguousWindow final : public MethodScreenWindow<ContiguousAllocator> {
    Q_OBJECT
public:
    explicit ContiguousWindow(ContiguousAllocator& screen);

protected:
    void render() override;
};
