#include "lesson/snapshot.h"

Snapshot::Snapshot(const std::vector<Screen*>& screens, const Share& share) : m_position(share.position())
{
    for (Screen* screen : screens)
        m_kept.push_back({screen, screen->save()});
}

void Snapshot::restore(Share& share) const
{
    for (const Kept& kept : m_kept)
        kept.screen->restore(*kept.state);
    share.rewindTo(m_position);
}
