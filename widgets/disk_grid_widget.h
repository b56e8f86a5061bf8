#pragma once

#include "widgets/block_cell_widget.h"
#include "core/block_disk.h"
#include "core/form_layout.h"

#include <QWidget>

#include <array>
#include <vector>

// The disk as every method screen draws it: the 64 cells Block(i) in an 8 x 8 grid, each with its
// number label B(i) just to its left. A see-through widget laid over the form's client area.
class DiskGridWidget final : public QWidget {
    Q_OBJECT
public:
    // Left and top of label B(0), the grid's top-left corner on the form, in twips.
    static constexpr int LEFT = form_layout::GRID_LEFT;
    static constexpr int TOP = form_layout::GRID_TOP;

    explicit DiskGridWidget(QWidget* parent = nullptr);

    BlockCellWidget* Block(int i) const { return m_cells.at(static_cast<std::size_t>(i)); }
    BlockNumberWidget* B(int i) const { return m_labels.at(static_cast<std::size_t>(i)); }

    // Shows the disk's colours, texts, text colours and number labels.
    void render(const BlockDisk& disk);

    // Marks blocks in the order a reader meets them: a ring on each cell's edge and its place in the
    // order below it, drawn over the grid so that the cells' colours and texts stay as they are.
    // Empty: no marks.
    void setReadMarks(std::vector<int> blocks);
    const std::vector<int>& readMarks() const { return m_marks; }

    // For a projector: cell text in black or white, whichever reads better on the cell, and larger.
    // Off, the cells show the disk's own text colours.
    void setReadable(bool readable);
    bool isReadable() const { return m_readable; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<BlockCellWidget*, BlockDisk::BLOCKS> m_cells{};
    std::array<BlockNumberWidget*, BlockDisk::BLOCKS> m_labels{};
    std::vector<int> m_marks;
    bool m_readable = false;
    BlockDisk m_shown;
};

// A read mark as the grid draws it: a ring on the cell's edge and, just below the cell, its place in
// the order read (from 1), in the painter's font. Needs room below the cell of its height less 1.
void drawReadMark(QPainter& p, const QRect& cell, int order);
