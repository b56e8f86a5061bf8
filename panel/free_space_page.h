#pragma once

#include <QWidget>

class AnswerLabel;
class QLabel;
class Screen;

// "Free space": the free-block map as a bit vector, the free runs and what they allow.
class FreeSpacePage final : public QWidget {
    Q_OBJECT
public:
    FreeSpacePage();
    void refresh(const Screen* screen);

private:
    AnswerLabel* m_bitmap = nullptr;
    AnswerLabel* m_runs = nullptr;
    AnswerLabel* m_free = nullptr;
    AnswerLabel* m_largest = nullptr;
};
