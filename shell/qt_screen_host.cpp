#include "shell/qt_screen_host.h"

#include "compare/compare_window.h"
#include "contiguous/contiguous_window.h"
#include "core/screen.h"
#include "indexed/indexed_window.h"
#include "linked/linked_window.h"
#include "panel/lesson_panel.h"
#include "shell/about_dialog.h"
#include "shell/platform_services.h"
#include "lesson/screens.h"
#include "widgets/backdrop_widget.h"
#include "widgets/beside.h"

#include <QApplication>
#include <QShortcut>

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

// Where messages go while no window is there to show them.
struct NoWindow final : MessageSink {
    void show(const Message&) override {}
};

}  // namespace

QtScreenHost::QtScreenHost(Share& share) : QtScreenHost(share, makeSystemRegistry(), makeProgramStarter()) {}

QtScreenHost::QtScreenHost(Share& share, std::unique_ptr<Registry> registry, std::unique_ptr<ProgramStarter> starter)
    : m_share(share), m_registry(std::move(registry)), m_starter(std::move(starter))
{
    connect(&m_lessons, &LessonHost::compareRequested, this, [this] { showCompare(); });
}

QtScreenHost::~QtScreenHost()
{
    // Windows go before the screen objects that they show.
    for (auto& [screen, window] : m_windows)
        delete window.data();
    delete m_about.data();
    delete m_compare.data();
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

void QtScreenHost::createScreen(ScreenId screen)
{
    m_screens[screen] = makeScreen(screen, m_share);
    m_lecture.screenMade(*m_screens[screen]);
}

void QtScreenHost::loadScreen(ScreenId id)
{
    Screen& screen = *m_screens.at(id);
    screen.load();
    m_lecture.screenLoaded();
    MethodWindow* window = makeWindow(screen);
    m_windows[id] = window;
    connect(window, &MethodWindow::exitRequested, this, [this] { m_navigator.exit(); });
    connect(window, &MethodWindow::switchRequested, this, [this](ScreenId target) { m_navigator.switchTo(target); });
    connect(window, &MethodWindow::aboutRequested, this, [this] { m_navigator.showAbout(); });
    connect(window, &MethodWindow::closed, this, [this] { m_navigator.screenClosed(); });
    connect(window, &MethodWindow::rendered, this, [this] {
        if (LessonPanel* panel = m_lessons.lesson())
            panel->refresh();
    });
    connect(window, &MethodWindow::aboutToAct, this, [this, window] { m_lessons.beforeAction(*window); });
    // The keys of the lesson panel and the lecture controls; nothing on the screen itself changes.
    const auto key = [this, window](int code, auto act) {
        connect(new QShortcut(QKeySequence(code), window), &QShortcut::activated, this, act);
    };
    key(Qt::Key_F2, [this] { showLesson(); });
    key(Qt::Key_F3, [this] { copyPicture(); });
    key(Qt::Key_F4, [this] { stepBack(); });
    key(Qt::Key_F5, [this] { restart(); });
    key(Qt::Key_F6, [this] { showCompare(); });
    key(Qt::Key_Escape, [this] { stopPlaying(); });
    window->render();
}

void QtScreenHost::showScreen(ScreenId screen)
{
    if (MethodWindow* w = m_windows[screen].data()) {
        useApplicationIconAfterFirstFrame(w);
        // A screen that a scenario step opens leaves the focus in the panel, where the teacher is.
        const LessonPanel* panel = m_lessons.lesson();
        const bool teacherInPanel = panel != nullptr && QApplication::activeWindow() == panel;
        w->setAttribute(Qt::WA_ShowWithoutActivating, teacherInPanel);
        w->showCentred();
        w->raise();
        if (!teacherInPanel)
            w->activateWindow();
        m_lessons.windowShown(*w);
        m_lessons.follow(m_screens.at(screen).get());
    }
}

void QtScreenHost::unloadScreen(ScreenId screen)
{
    m_screens.at(screen)->unload();
    if (const LessonPanel* panel = m_lessons.lesson(); panel != nullptr && panel->followed() == m_screens.at(screen).get())
        m_lessons.follow(nullptr);
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
    if (const MethodWindow* w = loadedWindow())
        m_about->move(besidePosition(*w, m_about->size(), 40, Otherwise::Over));
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

Screen* QtScreenHost::loadedScreen()
{
    const auto loaded = m_navigator.loaded();
    return loaded ? m_screens.at(*loaded).get() : nullptr;
}

std::vector<Screen*> QtScreenHost::screens()
{
    std::vector<Screen*> all;
    for (const auto& [id, screen] : m_screens)
        all.push_back(screen.get());
    return all;
}

void QtScreenHost::switchTo(ScreenId screen) { m_navigator.switchTo(screen); }

void QtScreenHost::showChanges(std::optional<std::size_t> row) { m_lessons.showChanges(row); }

MessageSink& QtScreenHost::messages()
{
    static NoWindow none;
    MethodWindow* w = loadedWindow();
    return w != nullptr ? w->messageSink() : static_cast<MessageSink&>(none);
}



MethodWindow* QtScreenHost::loadedWindow() const
{
    const auto loaded = m_navigator.loaded();
    return loaded ? window(*loaded) : nullptr;
}













void QtScreenHost::showCompare(const Workload& workload)
{
    if (m_compare == nullptr) {
        m_compare = new CompareWindow(m_comparisonSeed);
        connect(m_compare.data(), &CompareWindow::screenFilesWanted, this, [this] {
            if (const auto loaded = m_navigator.loaded())
                m_compare->setWorkload(workloadFrom(m_screens.at(*loaded)->files()));
        });
    }
    if (!workload.empty())
        m_compare->setWorkload(workload);
    m_compare->showBeside(loadedWindow());
    m_compare->activateWindow();
}

CompareWindow* QtScreenHost::compare() const { return m_compare.data(); }
