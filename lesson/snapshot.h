#pragma once

#include "core/screen.h"
#include "core/share.h"

#include <cstdint>
#include <memory>
#include <vector>

// All that some screen objects keep, their loaded forms included, and where the random stream
// stood: taken before an action, put back to undo it so that doing it again gives the same result.
class Snapshot {
public:
    Snapshot(const std::vector<Screen*>& screens, const Share& share);
    Snapshot(Screen& screen, const Share& share) : Snapshot(std::vector<Screen*>{&screen}, share) {}

    void restore(Share& share) const;

private:
    struct Kept {
        Screen* screen;
        std::unique_ptr<ScreenState> state;
    };
    std::vector<Kept> m_kept;
    std::uint64_t m_position;
};

// Puts a screen and the stream back as they were when it goes: for trying an action out.
class TrialGuard {
public:
    TrialGuard(Screen& screen, Share& share) : m_snapshot(screen, share), m_share(share) {}
    ~TrialGuard() { m_snapshot.restore(m_share); }
    TrialGuard(const TrialGuard&) = delete;
    TrialGuard& operator=(const TrialGuard&) = delete;

private:
    Snapshot m_snapshot;
    Share& m_share;
};
