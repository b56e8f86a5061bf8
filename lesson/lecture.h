#pragma once

#include "lesson/exercise_session.h"
#include "lesson/scenario.h"
#include "lesson/snapshot.h"

#include <map>
#include <memory>
#include <optional>
#include <vector>

// What the lecture needs of whoever keeps the screens: the shell on the desktop, a plain stand-in
// in tests.
class Stage {
public:
    virtual ~Stage() = default;
    // The screen that is loaded now, or null.
    virtual Screen* loadedScreen() = 0;
    // Every screen object made so far.
    virtual std::vector<Screen*> screens() = 0;
    // Opens another screen as the Method menu does, which loads it afresh.
    virtual void switchTo(ScreenId screen) = 0;
    // Where the loaded screen's message boxes go.
    virtual MessageSink& messages() = 0;
    // The loaded screen changed: show it. After a row click, `row` is the row clicked.
    virtual void showChanges(std::optional<std::size_t> row = std::nullopt) = 0;
};

// A lecture over the screens: Restart, Step back, Play on, the steps of a scenario and the
// exercises. It acts on the screens as a user does (typing, Add, Next Block, Clear, a row click)
// and decides from their mode and files; whoever shows the screens forwards the keys and the timer
// ticks to it and shows the result.
class Lecture {
public:
    Lecture(Stage& stage, Share& share, std::uint64_t exerciseSeed = ExerciseGenerator::DEFAULT_SEED);

    // A screen object was made: kept as it is now, for Restart.
    void screenMade(Screen& screen);
    // A screen was loaded, by a switch or a scenario: Step back starts from here.
    void screenLoaded(ScreenId screen);

    // Before a user's Add, Next Block or Clear (cmAdd, cmNext, cmClear) reaches the loaded screen,
    // with where the focus is. It stops Play on.
    void beforeAction(Control action, std::optional<Control> focus);
    // A user clicked a directory row of the loaded screen.
    void rowClicked(std::size_t row);
    // Undoes the last action, or the last Restart; false when nothing is left to undo.
    bool stepBack();
    // Every screen as it was made, the stream at its start, the loaded screen anew and the
    // exercises from their first question. Step back undoes it.
    void restart(std::optional<Control> focus);
    std::size_t depth() const { return m_history.size(); }

    void play() { m_playing = true; }
    // Stops Play on and Run to end.
    void stop() { m_playing = m_running = false; }
    bool isPlaying() const { return m_playing; }
    // One press of Next Block while playing; false, and play stops, when there is nothing to press.
    bool tick();

    void setScenario(std::vector<ScenarioStep> steps);
    const std::vector<ScenarioStep>& scenario() const { return m_scenario; }
    // The step that comes next, or the scenario's size when it is done.
    std::size_t nextStep() const { return m_nextStep; }
    bool stepsLeft() const { return m_nextStep < m_scenario.size(); }
    // Does the next step; false when none is left.
    bool performNextStep();
    // Run to end goes in batches, so that the steps can be shown and stopped between them.
    void runToEnd() { m_running = stepsLeft(); }
    bool isRunning() const { return m_running; }
    // Does at most `most` steps of Run to end; false once it is done or stopped.
    bool runSome(std::size_t most);

    // What was done since the program started or the last Restart, as the steps of a scenario: each
    // switch, Add as typed, press of Next Block, Clear and row click; Step back takes its action out.
    const std::vector<ScenarioStep>& journal() const { return m_journal; }
    // The journal as a scenario file that gives the same disks, rows and captions when replayed
    // from the same seed.
    std::string savedScenario() const;
    // The random stream started from `seed`: the exercises start from it too, and a saved scenario
    // names it.
    void seedWith(std::uint64_t seed);

    ExerciseSession& exercises() { return m_exercises; }
    Share& share() { return m_share; }

private:
    struct Undo {
        Snapshot snapshot;
        std::optional<Control> focus;
        std::optional<ExerciseSession> exercises;  // a Restart's
        std::size_t journalSize = 0;               // before the action
        std::optional<std::vector<ScenarioStep>> journal;  // a Restart's
    };
    // Keeps the screen as it is before the action, to undo it, and writes the action in the journal.
    void record(Screen& screen, std::optional<Control> focus, Control action);
    void write(ScenarioStep step);
    // Presses Next Block on the loaded screen, as an undoable action; false when it has nothing to place.
    bool pressNext(Screen& screen);

    Stage& m_stage;
    Share& m_share;
    // Each screen object as it was made.
    std::map<const Screen*, std::unique_ptr<ScreenState>> m_made;
    std::vector<Undo> m_history;
    bool m_playing = false;
    bool m_running = false;
    std::vector<ScenarioStep> m_scenario;
    std::size_t m_nextStep = 0;
    ExerciseSession m_exercises;
    std::vector<ScenarioStep> m_journal;
    std::string m_stepNote;  // of the scenario step being done, for the first action it journals
    std::optional<std::uint64_t> m_seed;
};
