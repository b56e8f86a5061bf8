#pragma once

#include <QWidget>

#include <vector>

class QComboBox;
class AnswerLabel;
class QLabel;
class QPushButton;
class QSpinBox;
class Screen;

// "Read": how many disk reads reach a block of a listed file, which blocks they are, and what
// reading the whole file costs. It reads the screen and never changes it.
class ReadPage final : public QWidget {
    Q_OBJECT
public:
    ReadPage();

    // The answers for the screen as it stands, the pick kept where it still makes sense.
    void refresh(const Screen* screen);
    // Picks a listed file by its place in the screen's files (-1: none), and one of its data blocks.
    void pick(int file, int block);
    const std::vector<int>& marks() const { return m_marks; }

signals:
    // The blocks read, in order, to mark on the grid.
    void marksChanged(const std::vector<int>& blocks);
    // The same files placed by every method, side by side.
    void compareClicked();

private:
    void listFiles();
    void answer();
    void setMarks(std::vector<int> blocks);

    const Screen* m_screen = nullptr;
    std::vector<int> m_marks;
    QComboBox* m_file = nullptr;
    QSpinBox* m_block = nullptr;
    QPushButton* m_clearPick = nullptr;
    AnswerLabel* m_rule = nullptr;
    AnswerLabel* m_path = nullptr;
    AnswerLabel* m_whole = nullptr;
    AnswerLabel* m_note = nullptr;
};
