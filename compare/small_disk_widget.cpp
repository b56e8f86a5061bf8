#include "compare/small_disk_widget.h"

#include "widgets/disk_grid_widget.h"
#include "widgets/form_geometry.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace {

constexpr int LABELS = 20;  // pixels for the row numbers
constexpr int CELL_WIDTH = 22;
constexpr int CELL_HEIGHT = 15;
constexpr int PITCH_X = 26;
// Room below each row for a read mark's number.
constexpr int PITCH_Y = CELL_HEIGHT * 2;
constexpr int ROWS = BlockDisk::BLOCKS / BlockDisk::COLUMNS;

}  // namespace

SmallDiskWidget::SmallDiskWidget(QWidget* parent) : QWidget(parent)
{
    m_disk.reset();
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize SmallDiskWidget::sizeHint() const { return {LABELS + PITCH_X * BlockDisk::COLUMNS, PITCH_Y * ROWS}; }

QRect SmallDiskWidget::cellRect(int block) const
{
    return {LABELS + PITCH_X * (block % BlockDisk::COLUMNS), PITCH_Y * (block / BlockDisk::COLUMNS) + 1, CELL_WIDTH,
        CELL_HEIGHT};
}

void SmallDiskWidget::setDisk(const BlockDisk& disk)
{
    m_disk = disk;
    update();
}

void SmallDiskWidget::setReadMarks(std::vector<int> blocks)
{
    std::erase_if(blocks, [](int b) { return b < 0 || b >= BlockDisk::BLOCKS; });
    m_marks = std::move(blocks);
    update();
}

void SmallDiskWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QFont small = font();
    small.setPixelSize(9);
    p.setFont(small);
    const QColor edge = palette().color(QPalette::Mid);
    for (int row = 0; row < ROWS; ++row) {
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(QRect(0, PITCH_Y * row, LABELS - 3, CELL_HEIGHT + 2), Qt::AlignRight | Qt::AlignVCenter,
            QString::number(row * BlockDisk::COLUMNS));
    }
    for (int b = 0; b < BlockDisk::BLOCKS; ++b) {
        const BlockDisk::Cell& cell = m_disk.cell(b);
        const QRect box = cellRect(b);
        p.fillRect(box, toQColor(cell.colour));
        p.setPen(edge);
        p.drawRect(box.adjusted(0, 0, -1, -1));
        p.setPen(cell.textColour ? toQColor(*cell.textColour) : palette().color(QPalette::Text));
        p.drawText(box, Qt::AlignCenter, QString::fromStdString(cell.text));
    }
    small.setBold(true);
    p.setFont(small);
    for (std::size_t order = 0; order < m_marks.size(); ++order)
        drawReadMark(p, cellRect(m_marks[order]), static_cast<int>(order) + 1);
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

bool SmallDiskWidget::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const QPoint at = static_cast<QHelpEvent*>(event)->pos();
    for (int b = 0; b < BlockDisk::BLOCKS; ++b) {
        if (cellRect(b).contains(at)) {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(),
                (m_disk.isFree(b) ? tr("Block %1, free") : tr("Block %1, used")).arg(b), this);
            return true;
        }
    }
    QToolTip::hideText();
    event->ignore();
    return true;
}
