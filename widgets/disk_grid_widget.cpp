#include "widgets/disk_grid_widget.h"

#include "widgets/form_geometry.h"

#include <QPaintEvent>
#include <QPainter>

namespace {

using form_layout::CELL_HEIGHT;
using form_layout::CELL_LEFT;
using form_layout::CELL_WIDTH;
using form_layout::NUMBER_SIZE;
using form_layout::PITCH;
// Room below the last row for the read marks' numbers.
constexpr int MARK_MARGIN = 270;
constexpr int RING = 2;  // pixels of a read mark's ring

}  // namespace

DiskGridWidget::DiskGridWidget(QWidget* parent) : QWidget(parent)
{
    installDiskAccessibility();
    setObjectName(QStringLiteral("diskGrid"));
    setAccessibleName(QStringLiteral("Disk"));
    setAttribute(Qt::WA_NoSystemBackground);
    const int right = CELL_LEFT + PITCH * (BlockDisk::COLUMNS - 1) + CELL_WIDTH;
    const int bottom = TOP + PITCH * (BlockDisk::BLOCKS / BlockDisk::COLUMNS - 1) + CELL_HEIGHT;
    setGeometry(
        twipsToPixels(LEFT), twipsToPixels(TOP), twipsToPixels(right - LEFT), twipsToPixels(bottom + MARK_MARGIN - TOP));

    for (int i = 0; i < BlockDisk::BLOCKS; ++i) {
        const int column = i % BlockDisk::COLUMNS;
        const int row = i / BlockDisk::COLUMNS;
        const int left = PITCH * column;
        const int top = PITCH * row;

        auto* label = new BlockNumberWidget(i, this);
        label->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(NUMBER_SIZE), twipsToPixels(NUMBER_SIZE));
        m_labels.at(static_cast<std::size_t>(i)) = label;

        // The texts are written by the program and never read back, so the user cannot edit them.
        auto* cell = new BlockCellWidget(i, this);
        cell->setGeometry(
            twipsToPixels(CELL_LEFT - LEFT + left), twipsToPixels(top), twipsToPixels(CELL_WIDTH), twipsToPixels(CELL_HEIGHT));
        m_cells.at(static_cast<std::size_t>(i)) = cell;
    }
    for (int i = 1; i < BlockDisk::BLOCKS; ++i)
        setTabOrder(Block(i - 1), Block(i));
}

void DiskGridWidget::render(const BlockDisk& disk)
{
    if (&disk != &m_shown)
        m_shown = disk;
    for (int i = 0; i < BlockDisk::BLOCKS; ++i) {
        const BlockDisk::Cell& cell = disk.cell(i);
        BlockCellWidget* box = Block(i);

        QPalette pal = box->palette();
        pal.setColor(QPalette::Base, toQColor(cell.colour));
        const QColor text = m_readable ? toQColor(readableTextOn(cell.colour))
            : cell.textColour          ? toQColor(*cell.textColour)
                                       : palette().color(QPalette::Text);
        pal.setColor(QPalette::Text, text);
        if (pal != box->palette())
            box->setPalette(pal);

        // The setters repaint only what changes.
        box->setText(QString::fromStdString(cell.text));
        box->setFree(disk.isFree(i));
        B(i)->setText(QString::fromStdString(disk.label(i)));
    }
}

void DiskGridWidget::setReadMarks(std::vector<int> blocks)
{
    std::erase_if(blocks, [](int b) { return b < 0 || b >= BlockDisk::BLOCKS; });
    if (blocks == m_marks)
        return;
    for (const int b : m_marks)
        Block(b)->setReadOrder(0);
    m_marks = std::move(blocks);
    for (std::size_t order = 0; order < m_marks.size(); ++order)
        Block(m_marks[order])->setReadOrder(static_cast<int>(order) + 1);
    update();
}

void DiskGridWidget::setReadable(bool readable)
{
    if (readable == m_readable)
        return;
    m_readable = readable;
    render(m_shown);
    update();
}

namespace {

// Below a cell, the place of its block in the order read.
QRect badgeBelow(const QRect& cell) { return {cell.left(), cell.bottom() + 3, cell.width(), cell.height() - 4}; }

}  // namespace

void DiskGridWidget::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    QFont cellFont = font();
    if (m_readable) {
        cellFont.setBold(true);
        cellFont.setPointSizeF(cellFont.pointSizeF() * 1.25);
    }
    for (int i = 0; i < BlockDisk::BLOCKS; ++i) {
        if (event->region().intersects(B(i)->geometry())) {
            p.setFont(font());
            drawBlockNumber(p, *B(i));
        }
        if (event->region().intersects(Block(i)->geometry())) {
            p.setFont(cellFont);
            drawBlockCell(p, *Block(i));
        }
    }
    if (m_marks.empty())
        return;
    QFont small = font();
    small.setBold(true);
    p.setFont(small);
    for (std::size_t order = 0; order < m_marks.size(); ++order)
        drawReadMark(p, Block(m_marks[order])->geometry(), static_cast<int>(order) + 1);
}

void drawReadMark(QPainter& p, const QRect& cell, int order)
{
    const QColor ink(0xb3, 0x41, 0x00);  // a deep orange that no cell background hides
    const QRect& ring = cell;
    // Over the cell's edge, where the focus ring also goes: its colour and text stay in view.
    p.fillRect(QRect(ring.left(), ring.top(), ring.width(), RING), ink);
    p.fillRect(QRect(ring.left(), ring.bottom() - RING + 1, ring.width(), RING), ink);
    p.fillRect(QRect(ring.left(), ring.top(), RING, ring.height()), ink);
    p.fillRect(QRect(ring.right() - RING + 1, ring.top(), RING, ring.height()), ink);
    const QRect badge = badgeBelow(cell);
    p.fillRect(badge, ink);
    p.setPen(Qt::white);
    p.drawText(badge, Qt::AlignCenter, QString::number(order));
}
