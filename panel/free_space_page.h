#pragma once

#include <QWidget>

class QLabel;
class Screen;

// "Free space": the free-block map as a bit vector, the free runs and what they allow.
class FreeSpacePage final : public QWidget {
    Q_OBJECT
public:
    FreeSpacePage();
    void refresh(const Screen* screen);

private:
    QLabel* m_bitmap = nullptr;
    QLabel* m_runs = nullptr;
    QLabel* m_free = nullptr;
    QLabel* m_largest = nullptr;
};
