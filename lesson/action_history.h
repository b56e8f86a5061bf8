#pragma once

#include "core/screen.h"
#include "core/share.h"

#include <cstdint>
#include <memory>
#include <vector>

// What Step back goes back to: before every Add, Next Block and Clear on a screen, all that the
// screen keeps and where the random stream stood, so that undoing the action and doing it again
// gives the same result. Any number of steps, back to the screen's load.
class ActionHistory {
public:
    // Before an action: what the screen and the stream are now.
    void record(const Screen& screen, const Share& share);
    // Undoes the last recorded action on this screen; false when there is none left.
    bool stepBack(Screen& screen, Share& share);
    // A load, a switch or a restart begins a new history.
    void forget() { m_steps.clear(); }
    std::size_t depth() const { return m_steps.size(); }

private:
    struct Step {
        const Screen* screen = nullptr;
        std::unique_ptr<ScreenState> state;
        std::uint64_t position = 0;
    };
    std::vector<Step> m_steps;
};
