#pragma once

#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

// The reads that reach each block k of a file, one line a method, drawn with the painter: k along,
// reads up, the chosen k marked. A method without an answer at some k leaves a gap there. Its
// accessible description states every value, for those who cannot see the lines.
class ReadsChartWidget final : public QWidget {
    Q_OBJECT
public:
    struct Line {
        QString method;
        std::vector<std::optional<int>> reads;  // at k = 0, 1, ...
    };

    explicit ReadsChartWidget(QWidget* parent = nullptr);

    void setLines(std::vector<Line> lines, int chosen);
    const std::vector<Line>& lines() const { return m_lines; }

    QSize sizeHint() const override { return {760, 240}; }
    QSize minimumSizeHint() const override { return {320, 180}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<Line> m_lines;
    int m_chosen = 0;
};
