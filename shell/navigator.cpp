#include "shell/navigator.h"

void Navigator::createIfNeeded(ScreenId screen)
{
    if (m_created.insert(screen).second)
        m_host.createScreen(screen);
}

void Navigator::start(ScreenId first)
{
    if (m_ended || m_loaded)
        return;
    createIfNeeded(first);
    m_host.loadScreen(first);
    m_loaded = first;
    m_host.showScreen(first);
}

void Navigator::switchTo(ScreenId target)
{
    if (m_ended || m_loaded == target)
        return;
    createIfNeeded(target);
    m_host.loadScreen(target);
    m_host.showScreen(target);
    const auto current = m_loaded;
    m_loaded = target;
    if (current)
        m_host.unloadScreen(*current);
}

void Navigator::showAbout()
{
    if (m_ended)
        return;
    if (!m_aboutLoaded) {
        m_host.loadAbout();
        m_aboutLoaded = true;
    }
    m_host.showAbout();
}

void Navigator::screenClosed()
{
    if (m_ended || !m_loaded)
        return;
    const ScreenId current = *m_loaded;
    m_loaded.reset();
    m_host.unloadScreen(current);
    endIfNoWindowIsLeft();
}

void Navigator::aboutClosed()
{
    if (m_ended || !m_aboutLoaded)
        return;
    m_aboutLoaded = false;
    endIfNoWindowIsLeft();
}

void Navigator::exit()
{
    if (m_ended)
        return;
    m_ended = true;
    m_host.endProgram();
}

void Navigator::endIfNoWindowIsLeft()
{
    if (!m_loaded && !m_aboutLoaded)
        exit();
}
