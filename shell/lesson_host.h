#pragma once

#include "lesson/lecture.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <optional>
#include <vector>

class LessonPanel;
class MethodWindow;

// The lecture as the desktop shows it: the lesson panel beside the loaded screen, the ticks of
// Play on, Run to end in batches between which the window is drawn and Escape is heard, and what
// each control did on the panel's status line.
class LessonHost final : public QObject {
    Q_OBJECT
public:
    // `loadedWindow` gives the window of the loaded screen, or null.
    LessonHost(Lecture& lecture, std::function<MethodWindow*()> loadedWindow);
    ~LessonHost() override;

    // Made at the first call, then brought to the front beside the loaded window.
    void showLesson(Screen* loaded, bool activate);
    LessonPanel* lesson() const;
    // The panel answers about this screen, or about none.
    void follow(Screen* screen);
    void setScenario(std::vector<ScenarioStep> steps);

    void restart();
    bool stepBack();
    void copyPicture();
    void play(int milliseconds);
    void stopPlaying();
    void performNextStep();
    void runToEnd();
    // The lecture changed the loaded screen; during a batch of Run to end it is drawn at the end.
    void showChanges(std::optional<std::size_t> row);
    // A user's Add, Next Block or Clear is about to reach the screen.
    void beforeAction(const MethodWindow& window);
    // A method window was shown: the panel moves beside it, and it takes the lecture's settings.
    void windowShown(MethodWindow& window);
    // Cell text for a projector, on every method window.
    void setReadable(bool readable);
    bool isReadable() const { return m_readable; }

signals:
    // The Read page's Compare button, or F6 in the panel.
    void compareRequested();

private:
    void wireLecturePage();
    void runBatch();
    void showLecture();

    Lecture& m_lecture;
    std::function<MethodWindow*()> m_loadedWindow;
    QPointer<LessonPanel> m_lesson;
    QTimer m_player;
    QTimer m_runner;
    // Inside a lecture step, where a message box may let a timer in.
    bool m_busy = false;
    // Inside a batch of Run to end.
    bool m_batching = false;
    std::optional<std::size_t> m_rowToShow;
    bool m_readable = false;
};
