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
    // Judges an answer to the question shown: refuses what is not an answer, gives a first wrong
    // answer a second try unless the answer is to come at once, else shows the worked answer; false
    // when no question is open.
    bool check(const std::string& answer);
    // Shows the session as it now stands, after a Restart or a Step back.
    void showSession();
    const std::vector<int>& marks() const { return m_marks; }

signals:
    void marksChanged(const std::vector<int>& blocks);

protected:
    // Enter on the list of choices checks the answer, as it does in the text box.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A word about the answer given while the question stays open; the answer box keeps the focus.
    void tellAgain(const QString& said);
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
    QCheckBox* m_firstTry = nullptr;
    QLabel* m_score = nullptr;
};
