#include "widgets/report_list_widget.h"

#include "widgets/form_geometry.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>

#include <cmath>
#include <memory>

namespace {

constexpr int FOCUS_RING_WIDTH = 2;

int widthInPixels(float twips) { return twipsToPixels(static_cast<int>(std::lround(twips))); }

}  // namespace

ReportListWidget::ReportListWidget(QWidget* parent) : QTreeWidget(parent)
{
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Columns are exactly as wide as the screen says, however narrow.
    header()->setStretchLastSection(false);
    header()->setMinimumSectionSize(0);
    header()->setSectionsMovable(false);
    header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setColumnCount(0);
    const auto clicked = [this](QTreeWidgetItem* item) { emit rowClicked(indexOfTopLevelItem(item)); };
    connect(this, &QTreeWidget::itemClicked, this, clicked);
    connect(this, &QTreeWidget::itemActivated, this, clicked);
}

void ReportListWidget::render(const ReportList& list)
{
    const auto& columns = list.columns();
    QStringList captions;
    for (const auto& c : columns)
        captions << QString::fromStdString(c.caption);
    if (columnCount() != static_cast<int>(columns.size()))
        setColumnCount(static_cast<int>(columns.size()));
    QTreeWidgetItem* head = headerItem();
    for (int c = 0; c < columnCount(); ++c) {
        if (head->text(c) != captions[c])
            head->setText(c, captions[c]);
        const int width = widthInPixels(columns[static_cast<std::size_t>(c)].width);
        if (columnWidth(c) != width)
            setColumnWidth(c, width);
    }

    const auto& rows = list.rows();
    const QBrush plain = palette().brush(QPalette::Text);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int index = static_cast<int>(r);
        QTreeWidgetItem* item = topLevelItem(index);
        if (item == nullptr)
            item = new QTreeWidgetItem(this);
        const auto& row = rows[r];
        for (int c = 0; c < columnCount(); ++c) {
            const auto cell = static_cast<std::size_t>(c);
            const QString text = cell < row.cells.size() ? QString::fromStdString(row.cells[cell]) : QString();
            if (item->text(c) != text)
                item->setText(c, text);
        }
        const QBrush first = row.colour ? QBrush(toQColor(*row.colour)) : plain;
        if (item->foreground(0) != first)
            item->setForeground(0, first);
    }
    while (topLevelItemCount() > static_cast<int>(rows.size()))
        std::unique_ptr<QTreeWidgetItem>(takeTopLevelItem(topLevelItemCount() - 1)).reset();
}

void ReportListWidget::keyPressEvent(QKeyEvent* event)
{
    const QTreeWidgetItem* before = currentItem();
    QTreeWidget::keyPressEvent(event);
    QTreeWidgetItem* now = currentItem();
    if (now == nullptr)
        return;
    if (now != before || event->key() == Qt::Key_Space || event->key() == Qt::Key_Select) {
        // Tab leaves the first row current but not chosen; Space chooses it, as a click would.
        now->setSelected(true);
        emit rowClicked(indexOfTopLevelItem(now));
    }
}

void ReportListWidget::paintEvent(QPaintEvent* event)
{
    QTreeWidget::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter p(viewport());
    const int width = FOCUS_RING_WIDTH;
    p.setPen(QPen(palette().color(QPalette::Highlight), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(viewport()->rect()).adjusted(width / 2.0, width / 2.0, -width / 2.0, -width / 2.0));
}

void ReportListWidget::focusInEvent(QFocusEvent* event)
{
    QTreeWidget::focusInEvent(event);
    viewport()->update();
}

void ReportListWidget::focusOutEvent(QFocusEvent* event)
{
    QTreeWidget::focusOutEvent(event);
    viewport()->update();
}

QStringList ReportListWidget::rowTexts(int row) const
{
    QStringList texts;
    if (const QTreeWidgetItem* item = topLevelItem(row)) {
        for (int c = 0; c < columnCount(); ++c)
            texts << item->text(c);
    }
    return texts;
}
