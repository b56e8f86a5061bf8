#pragma once

#include "widgets/method_window.h"

// The window "Linked Allocation": a file gets its start block at Add and then one block per press
// of "Next Block >".
class LinkedWindow final : public MethodWindow {
    Q_OBJECT
public:
    explicit LinkedWindow(Screen& screen);
};
