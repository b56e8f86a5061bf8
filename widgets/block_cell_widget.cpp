#include "widgets/block_cell_widget.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>

#include <utility>

namespace {

// What a screen reader hears of a cell: a read-only text field named after its block, whose text
// (also its value) is what the cell shows, and whose description says whether the block is free,
// which the cell otherwise tells only by its colour.
class BlockCellAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit BlockCellAccessible(BlockCellWidget* cell) : QAccessibleWidget(cell, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return cellText();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }

    // The text, read only: no selection, the cursor at its start.
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override
    {
        const QString all = cellText();
        if (startOffset < 0 || endOffset < startOffset || startOffset > all.size())
            return {};
        return all.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(cellText().size()); }
    QRect characterRect(int offset) const override
    {
        const QString all = cellText();
        if (offset < 0 || offset >= all.size())
            return {};
        const QFontMetrics metrics(widget()->font());
        const QRect area = widget()->rect();
        const int left
            = area.center().x() - metrics.horizontalAdvance(all) / 2 + metrics.horizontalAdvance(all.left(offset));
        const QRect character(left, area.center().y() - metrics.height() / 2, metrics.horizontalAdvance(all.at(offset)),
            metrics.height());
        return QRect(widget()->mapToGlobal(character.topLeft()), character.size());
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        for (int i = 0; i < characterCount(); ++i) {
            if (characterRect(i).contains(point))
                return i;
        }
        return -1;
    }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    QString cellText() const { return static_cast<const BlockCellWidget*>(widget())->text(); }
};

// A number label reads as the number it shows, as a label does.
class BlockNumberAccessible final : public QAccessibleWidget {
public:
    explicit BlockNumberAccessible(BlockNumberWidget* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<const BlockNumberWidget*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* accessibleCell(const QString& className, QObject* object)
{
    if (className == QLatin1String("BlockCellWidget"))
        return new BlockCellAccessible(static_cast<BlockCellWidget*>(object));
    if (className == QLatin1String("BlockNumberWidget"))
        return new BlockNumberAccessible(static_cast<BlockNumberWidget*>(object));
    // The grid that holds them is heard as one group, "Disk", rather than as a nameless filler.
    if (className == QLatin1String("DiskGridWidget"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Grouping);
    return nullptr;
}

// The grid draws every cell and number: a change to one asks the grid to repaint its place.
void repaintInGrid(const QWidget& widget)
{
    if (QWidget* grid = widget.parentWidget())
        grid->update(widget.geometry());
}

}  // namespace

void installDiskAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleCell);
        return true;
    }();
    Q_UNUSED(installed);
}

BlockCellWidget::BlockCellWidget(int block, QWidget* parent) : QWidget(parent)
{
    installDiskAccessibility();
    setObjectName(QStringLiteral("Block%1").arg(block));
    setAccessibleName(QStringLiteral("Block %1").arg(block));
    describe();
    setFocusPolicy(Qt::StrongFocus);
}

void BlockCellWidget::setText(const QString& text)
{
    if (text == m_text)
        return;
    const QString old = std::exchange(m_text, text);
    repaintInGrid(*this);
    if (QAccessible::isActive()) {
        QAccessibleTextUpdateEvent changed(this, 0, old, m_text);
        QAccessible::updateAccessibility(&changed);
    }
}

void BlockCellWidget::setFree(bool free)
{
    m_free = free;
    describe();
}

void BlockCellWidget::setReadOrder(int order)
{
    m_readOrder = order;
    describe();
}

void BlockCellWidget::describe()
{
    QString description = m_free ? QStringLiteral("free") : QStringLiteral("used");
    if (m_readOrder > 0) {
        const int tens = m_readOrder % 100;
        const char* suffix = tens >= 11 && tens <= 13 ? "th"
            : m_readOrder % 10 == 1                    ? "st"
            : m_readOrder % 10 == 2                    ? "nd"
            : m_readOrder % 10 == 3                    ? "rd"
                                                       : "th";
        description += QStringLiteral(", read %1%2").arg(m_readOrder).arg(QLatin1String(suffix));
    }
    if (accessibleDescription() != description)
        setAccessibleDescription(description);
}

void BlockCellWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        repaintInGrid(*this);
    QWidget::changeEvent(event);
}

void BlockCellWidget::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    repaintInGrid(*this);
}

void BlockCellWidget::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    repaintInGrid(*this);
}

BlockNumberWidget::BlockNumberWidget(int block, QWidget* parent) : QWidget(parent)
{
    installDiskAccessibility();
    setObjectName(QStringLiteral("B%1").arg(block));
    setText(QStringLiteral("0"));
}

void BlockNumberWidget::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    repaintInGrid(*this);
}

void drawBlockCell(QPainter& p, const BlockCellWidget& cell)
{
    const QRect area = cell.geometry();
    const QPalette& colours = cell.palette();
    p.fillRect(area, colours.color(QPalette::Base));
    // A sunken edge as text boxes have: dark above and left, light below and right, on the outermost
    // pixels. Filled rather than stroked, so that a scaled screen gets each edge exactly as thick.
    const QColor dark = colours.color(QPalette::Dark);
    const QColor light = colours.color(QPalette::Midlight);
    p.fillRect(QRect(area.left(), area.top(), area.width(), 1), dark);
    p.fillRect(QRect(area.left(), area.top(), 1, area.height()), dark);
    p.fillRect(QRect(area.left() + 1, area.bottom(), area.width() - 1, 1), light);
    p.fillRect(QRect(area.right(), area.top() + 1, 1, area.height() - 1), light);
    if (cell.hasFocus()) {
        // A ring over the two outermost pixels, in the highlight colour.
        const QColor ring = colours.color(QPalette::Highlight);
        p.fillRect(QRect(area.left(), area.top(), area.width(), 2), ring);
        p.fillRect(QRect(area.left(), area.bottom() - 1, area.width(), 2), ring);
        p.fillRect(QRect(area.left(), area.top(), 2, area.height()), ring);
        p.fillRect(QRect(area.right() - 1, area.top(), 2, area.height()), ring);
    }
    if (!cell.text().isEmpty()) {
        p.setPen(colours.color(QPalette::Text));
        p.drawText(area, BlockCellWidget::alignment(), cell.text());
    }
}

void drawBlockNumber(QPainter& p, const BlockNumberWidget& number)
{
    p.setPen(number.palette().color(QPalette::WindowText));
    p.drawText(number.geometry(), BlockNumberWidget::alignment(), number.text());
}
