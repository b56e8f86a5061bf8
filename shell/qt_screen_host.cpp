#include "shell/qt_screen_host.h"

#include "contiguous/contiguous_window.h"
#include "indexed/index_scheme.h"
#include "indexed/indexed_window.h"
#include "linked/linked_window.h"
#include "shell/about_dialog.h"
#include "shell/system_info.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

QtScreenHost::QtScreenHost(Share& share) : QtScreenHost(share, makeSystemRegistry(), makeProgramStarter()) {}

QtScreenHost::QtScreenHost(Share& share, std::unique_ptr<Registry> registry, std::unique_ptr<ProgramStarter> starter)
    : m_share(share), m_registry(std::move(registry)), m_starter(std::move(starter))
{
}

QtScreenHost::~QtScreenHost()
{
    // Windows go before the screen objects that they show.
    for (auto& [screen, window] : m_windows)
        delete window.data();
    delete m_about.data();
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
    case Screen::Linked: m_linked = std::make_unique<LinkedAllocator>(m_share); break;
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
    case Screen::Linked: return new LinkedWindow(*m_linked);
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

void QtScreenHost::loadAbout()
{
    delete m_about.data();  // one closed a moment ago and not yet deleted
    m_about = new AboutDialog(*m_registry, *m_starter);
    connect(m_about.data(), &AboutDialog::closed, this, [this] {
        if (AboutDialog* dialog = m_about.data()) {
            dialog->deleteLater();
            m_about.clear();
        }
        m_navigator.aboutClosed();
    });
    // Beside the screen: to its right where there is room, otherwise over its right-hand part.
    for (const auto& [screen, window] : m_windows) {
        if (window.isNull() || !window->isVisible())
            continue;
        const QRect frame = window->frameGeometry();
        QPoint at(frame.right() + 8, frame.top() + 40);
        if (const QScreen* display = window->screen()) {
            const QRect room = display->availableGeometry();
            if (at.x() + m_about->width() > room.right())
                at.setX(std::max(room.left(), room.right() - m_about->width() - 16));
        }
        m_about->move(at);
    }
}

void QtScreenHost::showAbout()
{
    if (AboutDialog* dialog = m_about.data()) {
        dialog->show();
        dialog->raise();
        dialog->activateWindow();
    }
}

void QtScreenHost::endProgram() { QCoreApplication::quit(); }

AboutDialog* QtScreenHost::about() const { return m_about.data(); }
