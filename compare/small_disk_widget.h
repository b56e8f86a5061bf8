#pragma once

#include "core/block_disk.h"

#include <QWidget>

#include <vector>

// A disk drawn small, to set four side by side: each cell in the block's colour with its short
// text, the number of the first block of each row at its left, and read marks as the method
// screens' grid draws them. A tooltip names the block under the pointer.
class SmallDiskWidget final : public QWidget {
    Q_OBJECT
public:
    explicit SmallDiskWidget(QWidget* parent = nullptr);

    void setDisk(const BlockDisk& disk);
    const BlockDisk& disk() const { return m_disk; }
    // The blocks in the order read; empty for no marks.
    void setReadMarks(std::vector<int> blocks);
    const std::vector<int>& readMarks() const { return m_marks; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    QRect cellRect(int block) const;

    BlockDisk m_disk;
    std::vector<int> m_marks;
};
