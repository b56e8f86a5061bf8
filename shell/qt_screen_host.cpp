#include "shell/qt_screen_host.h"

#include "contiguous/contiguous_window.h"
#include "indexed/index_scheme.h"
#include "indexed/indexed_window.h"

#include <QApplication>

QtScreenHost::QtScreenHost(Share& share) : m_share(share) {}

QtScreenHost::~QtScreenHost()
{
    // Windows go before the screen objects that they show.
    for (auto& [screen, window] : m_windows)
        delete window.data();
}

MethodWindow* QtScreenHost::window(Screen screen) const
{
    const auto it = m_windows.find(screen);
    return it == m_windows.end() || it->second.isNull() || !it->second->isVisible() ? nullptr : it->second.data();
}

void QtScreenHost::createScreen(Screen screen)
{
    switch (screen) {
    case Screen::Contiguous: m_contiguous = std::make_unique<ContiguousAllocator>(m_share); break;
    case Screen::Linked: break;
    case Screen::IndexedL:
        m_indexedL = std::make_unique<IndexedScreen>(m_share, std::make_unique<LinkedIndexScheme>());
        break;
    case Screen::IndexedM:
        m_indexedM = std::make_unique<IndexedScreen>(m_share, std::make_unique<MultilevelIndexScheme>());
        break;
    }
}

MethodWindow* QtScreenHost::buildWindow(Screen screen)
{
    switch (screen) {
    case Screen::Contiguous: return new ContiguousWindow(*m_contiguous);
    case Screen::Linked: break;
    case Screen::IndexedL: return new IndexedWindow(*m_indexedL);
    case Screen::IndexedM: return new IndexedWindow(*m_indexedM);
    }
    return nullptr;
}

void QtScreenHost::loadScreen(Screen screen)
{
    // A window of this screen still waiting for deletion goes first, so that it unloads the screen
    // before the new window loads it.
    delete m_windows[screen].data();
    MethodWindow* window = buildWindow(screen);
    m_windows[screen] = window;
    if (window == nullptr)
        return;
    connect(window, &MethodWindow::exitRequested, this, [this] { m_navigator.exit(); });
    connect(window, &MethodWindow::switchRequested, this, [this](Screen target) { m_navigator.switchTo(target); });
    connect(window, &MethodWindow::aboutRequested, this, [this] { m_navigator.showAbout(); });
    connect(window, &MethodWindow::closed, this, [this] { m_navigator.screenClosed(); });
}

void QtScreenHost::showScreen(Screen screen)
{
    if (MethodWindow* w = m_windows[screen].data()) {
        w->showCentred();
        w->raise();
        w->activateWindow();
    }
}

void QtScreenHost::unloadScreen(Screen screen)
{
    if (MethodWindow* w = m_windows[screen].data()) {
        w->hide();
        w->deleteLater();
    }
}

void QtScreenHost::loadAbout() {}

void QtScreenHost::showAbout() {}

void QtScreenHost::endProgram() { QCoreApplication::quit(); }
