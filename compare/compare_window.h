#pragma once

#include "lesson/comparison.h"

#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>

class QComboBox;
class QLabel;
class QSpinBox;
class QTableWidget;
class ReadsChartWidget;
class SmallDiskWidget;

// The methods side by side: a workload typed in a table (or taken from the screen's files), laid
// on a small disk of each method by Place, the figures of each in a table, the reads that reach
// each block of a chosen file in a chart, and the read path of the chosen block marked on every
// disk. Its disks draw from random streams of their own: nothing here changes a method screen.
class CompareWindow final : public QWidget {
    Q_OBJECT
public:
    // The disks' streams start from `seed`, as the program's does, or from their fixed state.
    explicit CompareWindow(std::optional<std::uint64_t> seed, QWidget* parent = nullptr);

    // Fills the table with the workload and places it.
    void setWorkload(const Workload& workload);
    // Lays the table's files on the disks; false, and a word on what is wrong, for a bad row.
    bool place();
    // A file of the workload (by its place) and one of its blocks.
    void choose(int file, int k);

    const Comparison& comparison() const { return m_comparison; }
    SmallDiskWidget* disk(ScreenId method) const;
    // Beside the given window where there is room, or brought to the front.
    void showBeside(const QWidget* window);
    // What it shows, whole, with room for scroll bars.
    QSize sizeHint() const override;

signals:
    // "Files of the screen" asks for the files of the screen on show; setWorkload answers.
    void screenFilesWanted();

private:
    void addRow(const QString& name, const QString& length);
    void listFiles();
    void refresh();
    void copyTable();

    Comparison m_comparison;
    QWidget* m_content = nullptr;  // everything, in a scroll area
    QTableWidget* m_workload = nullptr;
    QLabel* m_problem = nullptr;
    std::array<SmallDiskWidget*, COMPARED_METHODS.size()> m_disks{};
    QComboBox* m_file = nullptr;
    QSpinBox* m_block = nullptr;
    QTableWidget* m_table = nullptr;
    ReadsChartWidget* m_chart = nullptr;
};
