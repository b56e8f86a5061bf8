#include "shell/qt_screen_host.h"

#include "compare/compare_window.h"
#include "contiguous/contiguous_window.h"
#include "core/screen.h"
#include "indexed/indexed_window.h"
#include "linked/linked_window.h"
#include "panel/exercise_page.h"
#include "panel/lecture_page.h"
#include "panel/lesson_panel.h"
#include "shell/about_dialog.h"
#include "shell/platform_services.h"
#include "shell/screens.h"
#include "widgets/backdrop_widget.h"
#include "widgets/beside.h"
#include "widgets/disk_grid_widget.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QShortcut>

namespace {

// How long Run to end works before the window is drawn and the keys are heard again.
constexpr int BATCH_MILLISECONDS = 30;

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
    connect(&m_player, &QTimer::timeout, this, [this] {
        if (m_busy)
            return;
        m_busy = true;
        m_lecture.tick();
        m_busy = false;
        showLecture();
    });
    m_runner.setSingleShot(true);
    connect(&m_runner, &QTimer::timeout, this, [this] { runBatch(); });
}

QtScreenHost::~QtScreenHost()
{
    // Windows go before the screen objects that they show.
    for (auto& [screen, window] : m_windows)
        delete window.data();
    delete m_about.data();
    delete m_lesson.data();
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
        if (m_lesson != nullptr)
            m_lesson->refresh();
    });
    connect(window, &MethodWindow::aboutToAct, this, [this, window] {
        m_lecture.beforeAction(window->focusedControl());
        showLecture();
    });
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
        w->showCentred();
        w->raise();
        w->activateWindow();
        if (m_lesson != nullptr)
            m_lesson->follow(m_screens.at(screen).get());
    }
}

void QtScreenHost::unloadScreen(ScreenId screen)
{
    m_screens.at(screen)->unload();
    if (m_lesson != nullptr && m_lesson->followed() == m_screens.at(screen).get())
        m_lesson->follow(nullptr);
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

MessageSink& QtScreenHost::messages()
{
    static NoWindow none;
    MethodWindow* w = loadedWindow();
    return w != nullptr ? w->messageSink() : static_cast<MessageSink&>(none);
}

void QtScreenHost::showChanges(std::optional<std::size_t> row)
{
    if (row)
        m_rowToShow = row;
    if (!m_batching)
        showLecture();
}

void QtScreenHost::showLecture(std::optional<std::size_t> row)
{
    if (!row)
        row = std::exchange(m_rowToShow, std::nullopt);
    if (MethodWindow* w = loadedWindow()) {
        w->render();
        if (row)
            w->showRowSelected(*row);
    }
    if (!m_lecture.isPlaying())
        m_player.stop();
    if (m_lesson != nullptr)
        m_lesson->lecturePage()->showProgress();
}

MethodWindow* QtScreenHost::loadedWindow() const
{
    const auto loaded = m_navigator.loaded();
    return loaded ? window(*loaded) : nullptr;
}

LessonPanel& QtScreenHost::lessonPanel()
{
    if (m_lesson == nullptr) {
        m_lesson = new LessonPanel(m_lecture);
        connect(m_lesson.data(), &LessonPanel::marksChanged, this, [this](const std::vector<int>& blocks) {
            if (MethodWindow* w = loadedWindow())
                w->grid()->setReadMarks(blocks);
        });
        wireLecturePage();
    }
    return *m_lesson;
}

void QtScreenHost::wireLecturePage()
{
    LecturePage* page = m_lesson->lecturePage();
    connect(page, &LecturePage::restartClicked, this, [this] { restart(); });
    connect(page, &LecturePage::stepBackClicked, this, [this] { stepBack(); });
    connect(page, &LecturePage::pictureClicked, this, [this] { copyPicture(); });
    connect(page, &LecturePage::playClicked, this, [this, page] {
        if (isPlaying())
            stopPlaying();
        else
            play(page->paceMilliseconds());
    });
    connect(page, &LecturePage::paceChanged, this, [this, page] {
        if (isPlaying())
            m_player.setInterval(page->paceMilliseconds());
    });
    connect(page, &LecturePage::nextStepClicked, this, [this] { performNextStep(); });
    connect(page, &LecturePage::runToEndClicked, this, [this] { runToEnd(); });
}

void QtScreenHost::setScenario(std::vector<ScenarioStep> steps)
{
    m_lecture.setScenario(std::move(steps));
    if (m_lesson != nullptr)
        m_lesson->lecturePage()->showScenario();
}

void QtScreenHost::restart()
{
    const MethodWindow* w = loadedWindow();
    m_lecture.restart(w != nullptr ? w->focusedControl() : std::nullopt);
    showLecture();
    if (m_lesson != nullptr) {
        m_lesson->exercisePage()->showSession();
        m_lesson->lecturePage()->setStatus(
            tr("Restarted: the same typing gives the same colours and blocks again. Step back undoes it."));
    }
}

bool QtScreenHost::stepBack()
{
    const bool undone = m_lecture.stepBack();
    showLecture();
    if (m_lesson != nullptr) {
        m_lesson->exercisePage()->showSession();
        m_lesson->lecturePage()->setStatus(undone ? tr("Stepped back one action.") : tr("Nothing left to step back to."));
    }
    return undone;
}

void QtScreenHost::copyPicture()
{
    if (MethodWindow* w = loadedWindow()) {
        QGuiApplication::clipboard()->setPixmap(w->grab());
        if (m_lesson != nullptr)
            m_lesson->lecturePage()->setStatus(tr("A picture of the method window is on the clipboard."));
    }
}

void QtScreenHost::play(int milliseconds)
{
    m_lecture.play();
    m_player.start(std::clamp(milliseconds, 100, 2000));
    showLecture();
}

void QtScreenHost::stopPlaying()
{
    m_lecture.stop();
    m_runner.stop();
    showLecture();
}

void QtScreenHost::performNextStep()
{
    if (m_busy)
        return;
    m_busy = true;
    m_lecture.performNextStep();
    m_busy = false;
    showLecture();
}

void QtScreenHost::runToEnd()
{
    m_lecture.runToEnd();
    runBatch();
}

void QtScreenHost::runBatch()
{
    if (m_busy)
        return;
    m_busy = m_batching = true;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < BATCH_MILLISECONDS && m_lecture.runSome(1)) {
    }
    m_busy = m_batching = false;
    showLecture();
    if (m_lecture.isRunning())
        m_runner.start(0);
}

void QtScreenHost::showLesson(bool activate)
{
    lessonPanel();
    if (m_lesson->followed() == nullptr)
        m_lesson->follow(loadedScreen());
    m_lesson->showBeside(loadedWindow());
    if (activate)
        m_lesson->activateWindow();
}

LessonPanel* QtScreenHost::lesson() const { return m_lesson.data(); }

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
