#pragma once

#include "lesson/exercise.h"
#include "lesson/scenario.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <vector>

class LectureActions;
class MethodWindow;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QStackedWidget;
class QLabel;
class QListWidget;
class QPushButton;
class QSlider;
class QSpinBox;
class QTabWidget;
class Screen;
class Share;

// The lesson panel: a window of its own beside the method screen that answers what a course asks
// of the disk on it. "Read a file" says how many disk reads reach a block of a listed file, which
// blocks they are, and what reading the whole file costs, and marks the blocks read on the grid in
// their order; "Free space" shows the free-block map, the free runs and what they allow. Those two
// read the screen and never change it. "Lecture" holds the controls of a lecture: Restart, Step
// back, Play on (Next Block at a chosen pace), a picture for the slides, and the steps of a
// scenario, each of which acts through the method window as a user would. "Exercise" asks a
// question about the disk on screen, takes the student's answer, says whether it is right and
// then shows the worked answer, marked on the grid.
class LessonPanel final : public QWidget {
    Q_OBJECT
public:
    // `share` is the program's random stream, which the exercises leave where it was.
    explicit LessonPanel(Share& share, QWidget* parent = nullptr);

    // The screen to answer about and the window that shows it; null for none.
    void follow(Screen* screen, MethodWindow* window);
    Screen* followed() const { return m_screen; }
    // Brings every answer up to date with the screen, keeping the pick where it still makes sense.
    void refresh();
    // Picks a listed file by its place in the screen's files (-1: none), and one of its data blocks.
    void pick(int file, int block);
    // Shows the panel beside the method window, or brings it to the front.
    void showBeside();

    QTabWidget* tabs() const { return m_tabs; }

    // Who carries out the lecture controls.
    void setLectureActions(LectureActions* actions) { m_actions = actions; }
    // The scenario whose steps the panel offers, one at a time.
    void setScenario(std::vector<ScenarioStep> steps);
    // Does the next step of the scenario; false when none is left.
    bool performNextStep();
    void runToEnd();
    // Play on: Next Block every `milliseconds` until the file is placed or the user stops it.
    void play(int milliseconds);
    void stopPlaying();
    bool isPlaying() const { return m_player.isActive(); }

    // The exercises' own generator starts from this seed; Restart starts it again, and the count.
    void seedExercises(std::uint64_t seed);
    void restartExercises();
    // Draws the next question about the followed screen.
    void askAnother();
    // Judges an answer to the question shown and shows the worked answer; false when none is asked.
    bool check(const std::string& answer);
    const std::optional<Question>& question() const { return m_question; }
    int tried() const { return m_tried; }
    int answeredRight() const { return m_right; }
    // Add, Next Block or Clear is about to reach the screen: unless Play on pressed it, play stops.
    void noteAction();

protected:
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildLecture();
    QWidget* buildExercise();
    void showScore();
    void showStep();
    void listFiles();
    void answerRead();
    void answerFreeSpace();
    void setMarks(const std::vector<int>& blocks);

    Screen* m_screen = nullptr;
    QPointer<MethodWindow> m_window;
    QTabWidget* m_tabs = nullptr;
    QLabel* m_screenName = nullptr;

    QComboBox* m_file = nullptr;
    QSpinBox* m_block = nullptr;
    QPushButton* m_clearPick = nullptr;
    QLabel* m_rule = nullptr;
    QLabel* m_path = nullptr;
    QLabel* m_whole = nullptr;
    QLabel* m_note = nullptr;

    QLabel* m_bitmap = nullptr;
    QLabel* m_runs = nullptr;
    QLabel* m_free = nullptr;
    QLabel* m_largest = nullptr;

    LectureActions* m_actions = nullptr;
    QTimer m_player;
    bool m_pressing = false;
    QPushButton* m_play = nullptr;
    QSlider* m_pace = nullptr;
    QLabel* m_paceText = nullptr;
    QLabel* m_status = nullptr;
    std::vector<ScenarioStep> m_scenario;
    std::size_t m_nextStep = 0;
    QListWidget* m_steps = nullptr;
    QPushButton* m_performStep = nullptr;
    QPushButton* m_runToEnd = nullptr;

    Share& m_share;
    ExerciseGenerator m_exercises;
    std::optional<Question> m_question;
    bool m_checked = false;
    int m_tried = 0;
    int m_right = 0;
    QLabel* m_asked = nullptr;
    QStackedWidget* m_answerInput = nullptr;
    QLineEdit* m_answerText = nullptr;
    QComboBox* m_answerChoice = nullptr;
    QPushButton* m_check = nullptr;
    QLabel* m_verdict = nullptr;
    QLabel* m_working = nullptr;
    QCheckBox* m_aboutAdd = nullptr;
    QLabel* m_score = nullptr;
};
