#pragma once

#include "widgets/method_window.h"

// The window "Indexed Allocation :: Quorvel", Indexed_L or Indexed_M after the screen's scheme:
// files are given by name and length and placed one block per press of "Next Block >"; cmdChg
// leads to the other scheme.
class IndexedWindow final : public MethodWindow {
    Q_OBJECT
public:
    explicit IndexedWindow(Screen& screen);
};
