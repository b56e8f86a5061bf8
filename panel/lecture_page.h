#pragma once

#include <QWidget>

class Lecture;
class AnswerLabel;
class QLabel;
class QCheckBox;
class QListWidget;
class QPushButton;
class QSlider;

// "Lecture": Restart, Step back, Play on at a chosen pace, a picture for the slides, the steps of
// a scenario with the note of the next one, and Save as scenario. Its buttons ask; whoever runs the
// lecture does it and says what came of it.
class LecturePage final : public QWidget {
    Q_OBJECT
public:
    explicit LecturePage(const Lecture& lecture);

    // The scenario's steps listed anew.
    void showScenario();
    // Where the scenario and Play on stand.
    void showProgress();
    void setStatus(const QString& text);
    // Between two presses of Play on.
    int paceMilliseconds() const;
    void showReadable(bool readable);

signals:
    void restartClicked();
    void stepBackClicked();
    void pictureClicked();
    void playClicked();
    void paceChanged();
    void nextStepClicked();
    void runToEndClicked();
    void saveClicked();
    void readableToggled(bool readable);

private:
    const Lecture& m_lecture;
    QPushButton* m_play = nullptr;
    QSlider* m_pace = nullptr;
    QLabel* m_paceText = nullptr;
    AnswerLabel* m_status = nullptr;
    QListWidget* m_steps = nullptr;
    AnswerLabel* m_note = nullptr;  // the next step's
    QPushButton* m_performStep = nullptr;
    QPushButton* m_runToEnd = nullptr;
    QCheckBox* m_readable = nullptr;
    int m_bold = -1;  // the step shown as next
    bool m_wasPlaying = false;
};
