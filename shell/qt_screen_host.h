#pragma once

#include "lesson/action_history.h"
#include "lesson/workload.h"
#include "lesson/exercise.h"
#include "lesson/lecture_actions.h"
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
class QWidget;
class Screen;
class ScreenState;
class Share;

// The program's windows and the lives of the screens behind them: it keeps one screen object per
// screen for the whole run, loads a screen and builds its window when the navigation asks, unloads
// it and lets the window go, and wires every window's commands back to the navigation. Beside the
// screens it keeps the lesson panel and carries out its lecture controls, which also have keys on
// every method window: F2 the panel, F3 a picture, F4 Step back, F5 Restart, Escape stops Play on.
class QtScreenHost final : public QObject, public ScreenHost, public LectureActions {
    Q_OBJECT
public:
    explicit QtScreenHost(Share& share);
    // With its own ways of finding and starting the system information program.
    QtScreenHost(Share& share, std::unique_ptr<Registry> registry, std::unique_ptr<ProgramStarter> starter);
    ~QtScreenHost() override;

    Navigator& navigator() { return m_navigator; }
    // The shown window of a screen, or null.
    MethodWindow* window(ScreenId screen) const;
    AboutDialog* about() const;
    // The lesson panel, beside the loaded screen: made at the first call, then brought to the front.
    // `activate`: the panel takes the focus, as when a user asks for it.
    void showLesson(bool activate = true);
    LessonPanel* lesson() const;
    // The scenario that the lesson panel offers, step by step.
    void setScenario(std::vector<ScenarioStep> steps);
    // Where the exercises' own generator starts, as the random stream starts from --seed.
    void seedExercises(std::uint64_t seed) { m_exerciseSeed = seed; }
    // The Compare window (F6), beside the loaded screen: made at the first call with its disks'
    // streams started as the program's, then brought to the front; a workload given is placed.
    void seedComparison(std::uint64_t seed) { m_comparisonSeed = seed; }
    void showCompare(const Workload& workload = {});
    CompareWindow* compare() const;

    void restart() override;
    bool stepBack() override;
    void copyPicture() override;
    bool pressNext() override;
    void perform(const ScenarioStep& step) override;
    // A screen object, for a look behind its window; null before the screen's first use.
    Screen* screen(ScreenId screen) const;

    void createScreen(ScreenId screen) override;
    void loadScreen(ScreenId screen) override;
    void showScreen(ScreenId screen) override;
    void unloadScreen(ScreenId screen) override;
    void loadAbout() override;
    void showAbout() override;
    void endProgram() override;

private:
    LessonPanel& lessonPanel();
    MethodWindow* loadedWindow() const;

    Share& m_share;
    std::unique_ptr<Registry> m_registry;
    std::unique_ptr<ProgramStarter> m_starter;
    Navigator m_navigator{*this};
    std::map<ScreenId, std::unique_ptr<Screen>> m_screens;
    // Each screen object as it was made, for Restart.
    std::map<ScreenId, std::unique_ptr<ScreenState>> m_initial;
    // Windows on their way out are hidden at once and deleted when control is back in the event
    // loop, since a window may be unloaded from inside one of its own handlers.
    std::map<ScreenId, QPointer<MethodWindow>> m_windows;
    QPointer<AboutDialog> m_about;
    QPointer<LessonPanel> m_lesson;
    QPointer<CompareWindow> m_compare;
    std::optional<std::uint64_t> m_comparisonSeed;
    std::vector<ScenarioStep> m_scenario;
    std::uint64_t m_exerciseSeed = ExerciseGenerator::DEFAULT_SEED;
    // Before each action on the loaded screen, for Step back, with where the focus was.
    ActionHistory m_history;
    std::vector<QPointer<QWidget>> m_focusBefore;
};
