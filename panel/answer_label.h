#pragma once

#include <QLabel>

// A label that shows an answer: a keyboard user can reach it, and a screen reader hears its caption
// as its name and the answer as its description, and is told when the answer changes.
class AnswerLabel final : public QLabel {
    Q_OBJECT
public:
    explicit AnswerLabel(const QString& caption, const char* objectName = nullptr);

    void setAnswer(const QString& answer);
    void clearAnswer() { setAnswer({}); }
};

// Keeps a combo box's accessible name as set, with the chosen item as its value: on some systems
// the toolkit names a combo box by its chosen item.
class QComboBox;
void keepNameStable(QComboBox* box);

// "1 block", "3 blocks".
QString counted(int n, const QString& one, const QString& many);
