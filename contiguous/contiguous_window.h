#pragma once

#include "widgets/method_window.h"

// The window "Contiguous Allocation": files are given by name, start block and length.
class ContiguousWindow final : public MethodWindow {
    Q_OBJECT
public:
    explicit ContiguousWindow(Screen& screen);
};
