#pragma once

#include "lesson/lecture.h"
#include "lesson/workload.h"
#include "shell/lesson_host.h"
#include "shell/navigator.h"

#include <QObject>
#include <QPointer>

#include <map>
#include <memory>
#include <optional>
#include <vector>

class AboutDialog;
class CompareWindow;
class LessonPanel;
class MethodWindow;
class ProgramStarter;
class Registry;
class Screen;
class Share;

// The program's windows and the lives of the screens behind them: it keeps one screen object per
// screen for the whole run, loads a screen and builds its window when the navigation asks, unloads
// it and lets the window go, and wires every window's commands back to the navigation. Beside the
// screens it keeps the lecture and its lesson panel: it forwards the lecture's keys (F2 the panel,
// F3 a picture, F4 Step back, F5 Restart, Escape stops Play on and Run to end) and the ticks of
// Play on to the lecture, and shows what came of them. F6 opens the Compare window.
class QtScreenHost final : public QObject, public ScreenHost, private Stage {
    Q_OBJECT
public:
    explicit QtScreenHost(Share& share);
    // With its own ways of finding and starting the system information program.
    QtScreenHost(Share& share, std::unique_ptr<Registry> registry, std::unique_ptr<ProgramStarter> starter);
    ~QtScreenHost() override;

    Navigator& navigator() { return m_navigator; }
    Lecture& lecture() { return m_lecture; }
    // The shown window of a screen, or null.
    MethodWindow* window(ScreenId screen) const;
    AboutDialog* about() const;
    // A screen object, for a look behind its window; null before the screen's first use.
    Screen* screen(ScreenId screen) const;
    // The lesson panel, beside the loaded screen: made at the first call, then brought to the front.
    // `activate`: the panel takes the focus, as when a user asks for it.
    void showLesson(bool activate = true) { m_lessons.showLesson(loadedScreen(), activate); }
    LessonPanel* lesson() const { return m_lessons.lesson(); }
    // The scenario that the lesson panel offers, step by step.
    void setScenario(std::vector<ScenarioStep> steps) { m_lessons.setScenario(std::move(steps)); }
    // Where the exercises' own generator starts, as the random stream starts from --seed.
    void seedExercises(std::uint64_t seed) { m_lecture.exercises() = ExerciseSession(seed); }
    // The Compare window (F6), beside the loaded screen: made at the first call with its disks'
    // streams started as the program's, then brought to the front; a workload given is placed.
    void seedComparison(std::uint64_t seed) { m_comparisonSeed = seed; }
    void showCompare(const Workload& workload = {});
    CompareWindow* compare() const;

    // The lecture's controls, as the panel and the keys give them.
    LessonHost& lessons() { return m_lessons; }
    void restart() { m_lessons.restart(); }
    bool stepBack() { return m_lessons.stepBack(); }
    void copyPicture() { m_lessons.copyPicture(); }
    // Play on: Next Block every `milliseconds` until the file is placed or something stops it.
    void play(int milliseconds) { m_lessons.play(milliseconds); }
    void stopPlaying() { m_lessons.stopPlaying(); }
    bool isPlaying() const { return m_lecture.isPlaying(); }
    void performNextStep() { m_lessons.performNextStep(); }
    // Run to end, in batches between which the window is drawn and Escape is heard.
    void runToEnd() { m_lessons.runToEnd(); }
    bool isRunning() const { return m_lecture.isRunning(); }

    void createScreen(ScreenId screen) override;
    void loadScreen(ScreenId screen) override;
    void showScreen(ScreenId screen) override;
    void unloadScreen(ScreenId screen) override;
    void loadAbout() override;
    void showAbout() override;
    void endProgram() override;

private:
    Screen* loadedScreen() override;
    std::vector<Screen*> screens() override;
    void switchTo(ScreenId screen) override;
    MessageSink& messages() override;
    void showChanges(std::optional<std::size_t> row) override;

    MethodWindow* loadedWindow() const;

    Share& m_share;
    std::unique_ptr<Registry> m_registry;
    std::unique_ptr<ProgramStarter> m_starter;
    Navigator m_navigator{*this};
    Lecture m_lecture{*this, m_share};
    std::map<ScreenId, std::unique_ptr<Screen>> m_screens;
    // Windows on their way out are hidden at once and deleted when control is back in the event
    // loop, since a window may be unloaded from inside one of its own handlers.
    std::map<ScreenId, QPointer<MethodWindow>> m_windows;
    QPointer<AboutDialog> m_about;
    LessonHost m_lessons{m_lecture, [this] { return loadedWindow(); }};
    QPointer<CompareWindow> m_compare;
    std::optional<std::uint64_t> m_comparisonSeed;
};
