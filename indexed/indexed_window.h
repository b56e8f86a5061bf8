#pragma once

#include "core/method_screen_window.h"
#include "indexed/indexed_screen.h"

class QLabel;
class ReportListWidget;

// The window "Indexed Allocation :: Quorvel", Indexed_L or Indexed_M after the screen's scheme:
// files are given by name and length and placed one block per press of "Next Block >".
// Building the window loads the screen; destroying it unloads the screen.
class IndexedWindow final : public MethodScreenWindow<IndexedScreen> {
    Q_OBJECT
public:
    explicit IndexedWindow(IndexedScreen& screen);

    void onRowClicked(int row);
    // cmdChg: over to the other scheme.
    void onChangeClicked();

protected:
    void render() override;

private:
    // The controls that change after load; the others stay as built.
    ReportListWidget* lvIndex = nullptr;
    QLabel* lbUsage = nullptr;
    QLabel* Label4 = nullptr;
};
