#include "shell/lesson_host.h"

#include "panel/exercise_page.h"
#include "panel/lecture_page.h"
#include "panel/lesson_panel.h"
#include "widgets/disk_grid_widget.h"
#include "widgets/method_window.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QSaveFile>
#include <QShortcut>

#include <algorithm>

namespace {

// How long Run to end works before the window is drawn and the keys are heard again.
constexpr int BATCH_MILLISECONDS = 30;
// How long a window manager takes to move the focus as a step asked it to.
constexpr int FOCUS_SETTLES_MS = 150;

// Puts the focus back where the teacher had it when it goes: a step may open another screen's
// window or a message box, each of which takes the focus.
class FocusKeeper {
public:
    FocusKeeper() : m_window(QApplication::activeWindow()), m_widget(QApplication::focusWidget()) {}
    ~FocusKeeper()
    {
        if (m_window == nullptr)
            return;
        // Now, and once more when the window manager has done what the step asked of it (a box
        // closed gives the focus back to the window under it).
        const auto giveBack = [window = m_window, widget = m_widget] {
            if (window == nullptr || QApplication::activeWindow() == window)
                return;
            window->raise();
            window->activateWindow();
            if (widget != nullptr && widget->window() == window)
                widget->setFocus(Qt::OtherFocusReason);
        };
        giveBack();
        QTimer::singleShot(FOCUS_SETTLES_MS, m_window, giveBack);
    }
    FocusKeeper(const FocusKeeper&) = delete;
    FocusKeeper& operator=(const FocusKeeper&) = delete;

private:
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_widget;
};

}  // namespace

LessonHost::LessonHost(Lecture& lecture, std::function<MethodWindow*()> loadedWindow)
    : m_lecture(lecture), m_loadedWindow(std::move(loadedWindow))
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

LessonHost::~LessonHost() { delete m_lesson.data(); }

LessonPanel* LessonHost::lesson() const { return m_lesson.data(); }

void LessonHost::showLesson(Screen* loaded, bool activate)
{
    if (m_lesson == nullptr) {
        m_lesson = new LessonPanel(m_lecture);
        connect(m_lesson.data(), &LessonPanel::marksChanged, this, [this](const std::vector<int>& blocks) {
            if (MethodWindow* w = m_loadedWindow())
                w->grid()->setReadMarks(blocks);
        });
        wireLecturePage();
        // The lecture's keys work the same from the panel; F2 goes back to the screen.
        const auto key = [this](int code, auto act) {
            connect(new QShortcut(QKeySequence(code), m_lesson.data()), &QShortcut::activated, this, act);
        };
        key(Qt::Key_F2, [this] {
            if (MethodWindow* w = m_loadedWindow()) {
                w->raise();
                w->activateWindow();
            }
        });
        key(Qt::Key_F3, [this] { copyPicture(); });
        key(Qt::Key_F4, [this] { stepBack(); });
        key(Qt::Key_F5, [this] { restart(); });
        key(Qt::Key_Escape, [this] { stopPlaying(); });
        key(Qt::Key_F6, [this] { emit compareRequested(); });
        connect(m_lesson.data(), &LessonPanel::compareRequested, this, &LessonHost::compareRequested);
    }
    if (m_lesson->followed() == nullptr)
        m_lesson->follow(loaded);
    m_lesson->showBeside(m_loadedWindow());
    if (activate)
        m_lesson->activateWindow();
}

void LessonHost::follow(Screen* screen)
{
    if (m_lesson != nullptr)
        m_lesson->follow(screen);
}

void LessonHost::wireLecturePage()
{
    LecturePage* page = m_lesson->lecturePage();
    connect(page, &LecturePage::restartClicked, this, [this] { restart(); });
    connect(page, &LecturePage::stepBackClicked, this, [this] { stepBack(); });
    connect(page, &LecturePage::pictureClicked, this, [this] { copyPicture(); });
    connect(page, &LecturePage::playClicked, this, [this, page] {
        if (m_lecture.isPlaying())
            stopPlaying();
        else
            play(page->paceMilliseconds());
    });
    connect(page, &LecturePage::paceChanged, this, [this, page] {
        if (m_lecture.isPlaying())
            m_player.setInterval(page->paceMilliseconds());
    });
    connect(page, &LecturePage::nextStepClicked, this, [this] { performNextStep(); });
    connect(page, &LecturePage::runToEndClicked, this, [this] { runToEnd(); });
    connect(page, &LecturePage::saveClicked, this, [this] { askWhereToSave(); });
    connect(page, &LecturePage::readableToggled, this, [this](bool on) { setReadable(on); });
    page->showReadable(m_readable);
}

void LessonHost::setScenario(std::vector<ScenarioStep> steps)
{
    m_lecture.setScenario(std::move(steps));
    if (m_lesson != nullptr)
        m_lesson->lecturePage()->showScenario();
}

void LessonHost::showLecture()
{
    if (MethodWindow* w = m_loadedWindow()) {
        w->render();
        if (const auto row = std::exchange(m_rowToShow, std::nullopt))
            w->showRowSelected(*row);
    }
    if (!m_lecture.isPlaying())
        m_player.stop();
    if (m_lesson != nullptr)
        m_lesson->lecturePage()->showProgress();
}

void LessonHost::showChanges(std::optional<std::size_t> row)
{
    if (row)
        m_rowToShow = row;
    if (!m_batching)
        showLecture();
}

void LessonHost::beforeAction(const MethodWindow& window, Control action)
{
    m_lecture.beforeAction(action, window.focusedControl());
    if (!m_lecture.isPlaying() && m_player.isActive()) {
        m_player.stop();
        if (m_lesson != nullptr)
            m_lesson->lecturePage()->showProgress();
    }
}

void LessonHost::windowShown(MethodWindow& window)
{
    window.grid()->setReadable(m_readable);
    if (m_lesson != nullptr && m_lesson->isVisible())
        m_lesson->placeBeside(&window);
}

void LessonHost::setReadable(bool readable)
{
    m_readable = readable;
    if (MethodWindow* w = m_loadedWindow())
        w->grid()->setReadable(readable);
    if (m_lesson != nullptr)
        m_lesson->lecturePage()->showReadable(readable);
}

void LessonHost::restart()
{
    const MethodWindow* w = m_loadedWindow();
    m_lecture.restart(w != nullptr ? w->focusedControl() : std::nullopt);
    // The exercises as the lecture now holds them, before the screen shown anew withdraws a question.
    if (m_lesson != nullptr)
        m_lesson->exercisePage()->showSession();
    showLecture();
    if (m_lesson != nullptr) {
        m_lesson->lecturePage()->setStatus(
            tr("Restarted: the same typing gives the same colours and blocks again. Step back undoes it."));
    }
}

bool LessonHost::stepBack()
{
    const bool undone = m_lecture.stepBack();
    if (m_lesson != nullptr)
        m_lesson->exercisePage()->showSession();
    showLecture();
    if (m_lesson != nullptr) {
        m_lesson->lecturePage()->setStatus(undone ? tr("Stepped back one action.") : tr("Nothing left to step back to."));
    }
    return undone;
}

void LessonHost::copyPicture()
{
    if (MethodWindow* w = m_loadedWindow()) {
        QGuiApplication::clipboard()->setPixmap(w->grab());
        if (m_lesson != nullptr)
            m_lesson->lecturePage()->setStatus(tr("Copied: a picture of the method window is on the clipboard."));
    }
}

void LessonHost::play(int milliseconds)
{
    m_lecture.play();
    m_player.start(std::clamp(milliseconds, 100, 2000));
    showLecture();
}

void LessonHost::stopPlaying()
{
    m_lecture.stop();
    m_runner.stop();
    showLecture();
}

void LessonHost::performNextStep()
{
    if (m_busy)
        return;
    const FocusKeeper keeper;
    m_busy = true;
    m_lecture.performNextStep();
    m_busy = false;
    showLecture();
}

void LessonHost::runToEnd()
{
    m_lecture.runToEnd();
    runBatch();
}

void LessonHost::runBatch()
{
    if (m_busy)
        return;
    const FocusKeeper keeper;
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

void LessonHost::askWhereToSave()
{
    const QString path = QFileDialog::getSaveFileName(
        m_lesson.data(), tr("Save as scenario"), QStringLiteral("lecture.txt"), tr("Scenarios (*.txt);;All files (*)"));
    if (!path.isEmpty())
        saveScenario(path);
}

bool LessonHost::saveScenario(const QString& path)
{
    QSaveFile file(path);
    const std::string text = m_lecture.savedScenario();
    const auto size = static_cast<qint64>(text.size());
    const bool saved = file.open(QIODevice::WriteOnly) && file.write(text.data(), size) == size && file.commit();
    if (m_lesson != nullptr) {
        m_lesson->lecturePage()->setStatus(saved
                ? tr("Saved as a scenario in %1: pellucor --script replays it.").arg(path)
                : tr("Could not save the scenario in %1: %2").arg(path, file.errorString()));
    }
    return saved;
}
