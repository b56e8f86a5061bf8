#include "lesson/action_history.h"

void ActionHistory::record(const Screen& screen, const Share& share)
{
    if (!m_steps.empty() && m_steps.back().screen != &screen)
        forget();
    m_steps.push_back({&screen, screen.save(), share.position()});
}

bool ActionHistory::stepBack(Screen& screen, Share& share)
{
    if (m_steps.empty() || m_steps.back().screen != &screen)
        return false;
    screen.restore(*m_steps.back().state);
    share.rewindTo(m_steps.back().position);
    m_steps.pop_back();
    return true;
}
