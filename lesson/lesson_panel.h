#pragma once

#include <QPointer>
#include <QWidget>

class MethodWindow;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTabWidget;
class Screen;

// The lesson panel: a window of its own beside the method screen that answers what a course asks
// of the disk on it. "Read a file" says how many disk reads reach a block of a listed file, which
// blocks they are, and what reading the whole file costs, and marks the blocks read on the grid in
// their order; "Free space" shows the free-block map, the free runs and what they allow. It reads
// the screen and never changes it.
class LessonPanel final : public QWidget {
    Q_OBJECT
public:
    explicit LessonPanel(QWidget* parent = nullptr);

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

protected:
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
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
};
