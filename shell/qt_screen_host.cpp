#include "shell/qt_screen_host.h"

#include "contiguous/contiguous_window.h"
#include "core/screen.h"
#include "indexed/indexed_window.h"
#include "lesson/lesson_panel.h"
#include "linked/linked_window.h"
#include "shell/about_dialog.h"
#include "shell/platform_services.h"
#include "shell/screens.h"
#include "widgets/backdrop_widget.h"

#include <QApplication>
#include <QScreen>
#include <QShortcut>

#include <algorithm>

namespace {

MethodWindow* makeWindow(Screen& screen)
{
    switch (screen.id()) {
    case ScreenId::Contiguous: return new ContiguousWindow(screen);
    case ScreenId::Linked: return new LinkedWindow(screen);
    case ScreenId::IndexedL:
    case ScreenId::IndexedM: return new IndexedWindow(screen);
    }
    return nullptr;
}

}  // namespace

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
    delete m_lesson.data();
}

MethodWindow* QtScreenHost::window(ScreenId screen) const
{
    const auto it = m_windows.find(screen);
    return it == m_windows.end() || it->second.isNull() || !it->second->isVisible() ? nullptr : it->second.data();
}

Screen* QtScreenHost::screen(ScreenId screen) const
{
    const auto it = m_screens.find(screen);
    return it == m_screens.end() ? nullptr : it->second.get();
}

void QtScreenHost::createScreen(ScreenId screen) { m_screens[screen] = makeScreen(screen, m_share); }

void QtScreenHost::loadScreen(ScreenId id)
{
    Screen& screen = *m_screens.at(id);
    screen.load();
    MethodWindow* window = makeWindow(screen);
    m_windows[id] = window;
    connect(window, &MethodWindow::exitRequested, this, [this] { m_navigator.exit(); });
    connect(window, &MethodWindow::switchRequested, this, [this](ScreenId target) { m_navigator.switchTo(target); });
    connect(window, &MethodWindow::aboutRequested, this, [this] { m_navigator.showAbout(); });
    connect(window, &MethodWindow::closed, this, [this] { m_navigator.screenClosed(); });
    connect(window, &MethodWindow::rendered, this, [this] {
        if (m_lesson != nullptr)
            m_lesson->refresh();
    });
    // F2 asks for the lesson panel; nothing on the screen itself changes for it.
    auto* lessonKey = new QShortcut(QKeySequence(Qt::Key_F2), window);
    connect(lessonKey, &QShortcut::activated, this, [this] { showLesson(); });
    window->render();
}

void QtScreenHost::showScreen(ScreenId screen)
{
    if (MethodWindow* w = m_windows[screen].data()) {
        useApplicationIconAfterFirstFrame(w);
        w->showCentred();
        w->raise();
        w->activateWindow();
        if (m_lesson != nullptr)
            m_lesson->follow(m_screens.at(screen).get(), w);
    }
}

void QtScreenHost::unloadScreen(ScreenId screen)
{
    m_screens.at(screen)->unload();
    if (m_lesson != nullptr && m_lesson->followed() == m_screens.at(screen).get())
        m_lesson->follow(nullptr, nullptr);
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

void QtScreenHost::showLesson(bool activate)
{
    if (m_lesson == nullptr)
        m_lesson = new LessonPanel;
    const auto loaded = m_navigator.loaded();
    if (loaded && m_lesson->followed() == nullptr)
        m_lesson->follow(m_screens.at(*loaded).get(), m_windows[*loaded].data());
    m_lesson->showBeside();
    if (activate)
        m_lesson->activateWindow();
}

LessonPanel* QtScreenHost::lesson() const { return m_lesson.data(); }
