#pragma once

#include "core/method_screen_window.h"
#include "linked/linked_allocator.h"

class QLabel;
class QPushButton;

// The window "Linked Allocation": a file gets its start block at Add and then one block per press
// of "Next Block >". Building the window loads the screen; destroying it unloads the screen.
class LinkedWindow final : public MethodScreenWindow<LinkedAllocator> {
    Q_OBJECT
public:
    explicit LinkedWindow(LinkedAllocator& screen);

protected:
    void render() override;

private:
    QLabel* lbCurTotal = nullptr;
    QPushButton* cmNext = nullptr;
    QLabel* lbToGo = nullptr;
};
