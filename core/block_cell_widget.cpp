#include "core/block_cell_widget.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>

namespace {

// What a screen reader hears of a cell: a read-only text field named after its block, whose value
// is the text it shows.
class BlockCellAccessible final : public QAccessibleWidget {
public:
    explicit BlockCellAccessible(BlockCellWidget* cell) : QAccessibleWidget(cell, QAccessible::EditableText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return static_cast<const BlockCellWidget*>(widget())->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }
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
    return nullptr;
}

void installAccessibleFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleCell);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace

BlockCellWidget::BlockCellWidget(int block, QWidget* parent) : QWidget(parent)
{
    installAccessibleFactory();
    setObjectName(QStringLiteral("Block%1").arg(block));
    setAccessibleName(QStringLiteral("Block %1").arg(block));
    setFocusPolicy(Qt::StrongFocus);
}

namespace {

void drawCentred(QPainter& p, const QRect& area, const QString& text) { p.drawText(area, Qt::AlignCenter, text); }

}  // namespace

void BlockCellWidget::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    if (parentWidget() != nullptr)
        parentWidget()->update(geometry());
    QAccessibleValueChangeEvent changed(this, m_text);
    QAccessible::updateAccessibility(&changed);
}

void BlockCellWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange && parentWidget() != nullptr)
        parentWidget()->update(geometry());
    QWidget::changeEvent(event);
}

void BlockCellWidget::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    if (parentWidget() != nullptr)
        parentWidget()->update(geometry());
}

void BlockCellWidget::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    if (parentWidget() != nullptr)
        parentWidget()->update(geometry());
}

BlockNumberWidget::BlockNumberWidget(int block, QWidget* parent) : QWidget(parent)
{
    installAccessibleFactory();
    setObjectName(QStringLiteral("B%1").arg(block));
    setText(QStringLiteral("0"));
}

void BlockNumberWidget::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    if (parentWidget() != nullptr)
        parentWidget()->update(geometry());
}

void drawBlockCell(QPainter& p, const BlockCellWidget& cell)
{
    const QRect area = cell.geometry();
    const QPalette& colours = cell.palette();
    p.fillRect(area, colours.color(QPalette::Base));
    // A sunken edge as text boxes have: dark above and left, light below and right.
    const QRect edge = area.adjusted(0, 0, -1, -1);
    p.setPen(colours.color(QPalette::Dark));
    p.drawLine(edge.topLeft(), edge.topRight());
    p.drawLine(edge.topLeft(), edge.bottomLeft());
    p.setPen(colours.color(QPalette::Midlight));
    p.drawLine(edge.bottomLeft(), edge.bottomRight());
    p.drawLine(edge.topRight(), edge.bottomRight());
    if (cell.hasFocus()) {
        p.setPen(QPen(colours.color(QPalette::Highlight), 2));
        p.drawRect(area.adjusted(1, 1, -1, -1));
    }
    if (!cell.text().isEmpty()) {
        p.setPen(colours.color(QPalette::Text));
        drawCentred(p, area, cell.text());
    }
}

void drawBlockNumber(QPainter& p, const BlockNumberWidget& number)
{
    p.setPen(number.palette().color(QPalette::WindowText));
    drawCentred(p, number.geometry(), number.text());
}
