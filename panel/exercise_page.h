#pragma once

#include <QWidget>

#include <vector>

class ExerciseSession;
class QCheckBox;
class QComboBox;
class AnswerLabel;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class Screen;
class Share;

// "Exercise": a question about the disk on screen, the student's answer, whether it is right and
// the worked answer, marked on the grid. The session behind it keeps the question and the score.
class ExercisePage final : public QWidget {
    Q_OBJECT
public:
    // `share` is the program's random stream, which the exercises leave where it was.
    ExercisePage(ExerciseSession& session, Share& share);

    // Follows the screen, withdrawing a question whose disk has changed.
    void refresh(Screen* screen);
    // Draws the next question about the screen.
    void askAnother();
    // Judges an answer to the question shown and shows the worked answer; false when none is asked.
    bool check(const std::string& answer);
    // Shows the session as it now stands, after a Restart or a Step back.
    void showSession();
    const std::vector<int>& marks() const { return m_marks; }

signals:
    void marksChanged(const std::vector<int>& blocks);

private:
    void showScore();
    void setMarks(std::vector<int> blocks);

    ExerciseSession& m_session;
    Share& m_share;
    Screen* m_screen = nullptr;
    std::vector<int> m_marks;
    AnswerLabel* m_asked = nullptr;
    QStackedWidget* m_answerInput = nullptr;
    QLineEdit* m_answerText = nullptr;
    QComboBox* m_answerChoice = nullptr;
    QPushButton* m_check = nullptr;
    AnswerLabel* m_verdict = nullptr;
    AnswerLabel* m_working = nullptr;
    QCheckBox* m_aboutAdd = nullptr;
    QLabel* m_score = nullptr;
};
