#pragma once

#include <QPointer>
#include <QWidget>

#include <vector>

class ExercisePage;
class FreeSpacePage;
class Lecture;
class LecturePage;
class MethodWindow;
class QLabel;
class QTabWidget;
class ReadPage;
class Screen;

// The lesson panel: a window of its own beside the method screen with four pages, Read, Free space,
// Exercise and Lecture. Read and Free space answer about the disk on screen and never change it;
// Exercise asks about it; Lecture holds the lecture's controls, which its owner carries out.
class LessonPanel final : public QWidget {
    Q_OBJECT
public:
    explicit LessonPanel(Lecture& lecture, QWidget* parent = nullptr);

    // The screen to answer about; null for none.
    void follow(Screen* screen);
    Screen* followed() const { return m_screen; }
    // Brings every page up to date with the screen.
    void refresh();
    // Shows the panel beside a method window, or brings it to the front.
    void showBeside(MethodWindow* window);
    // Moves the method window and the panel so that both show whole, side by side where they fit,
    // and otherwise the panel over the window's picture margin, never over its disk.
    void placeBeside(MethodWindow* window);

    QTabWidget* tabs() const { return m_tabs; }
    ReadPage* readPage() const { return m_read; }
    ExercisePage* exercisePage() const { return m_exercise; }
    LecturePage* lecturePage() const { return m_lecture; }

signals:
    // The blocks to mark on the followed screen's grid, in the order read; none while hidden.
    void marksChanged(const std::vector<int>& blocks);
    void compareRequested();

protected:
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void showMarks(const std::vector<int>& blocks);

    Screen* m_screen = nullptr;
    std::vector<int> m_marks;
    QLabel* m_screenName = nullptr;
    QTabWidget* m_tabs = nullptr;
    ReadPage* m_read = nullptr;
    FreeSpacePage* m_freeSpace = nullptr;
    ExercisePage* m_exercise = nullptr;
    LecturePage* m_lecture = nullptr;
};
