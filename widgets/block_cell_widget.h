#pragma once

#include <QWidget>

// One cell of the disk: a small read-only box that shows a block's colour and its short text,
// centred. It takes the focus, so that the keyboard can walk the disk. The grid draws it, with all
// the others in one pass, which matters with 128 of these on every screen; the widget keeps what
// it shows, its place in the tab order and what a screen reader hears of it.
class BlockCellWidget final : public QWidget {
    Q_OBJECT
public:
    BlockCellWidget(int block, QWidget* parent);

    QString text() const { return m_text; }
    void setText(const QString& text);
    // Tells screen readers whether the block is free, as its colour tells the eye, and where it
    // stands in the order of a read that is marked on the grid (0: not marked).
    void setFree(bool free);
    void setReadOrder(int order);
    static Qt::Alignment alignment() { return Qt::AlignCenter; }

protected:
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void describe();

    QString m_text;
    bool m_free = true;
    int m_readOrder = 0;
};

// The number beside a cell, drawn by the grid like the cells.
class BlockNumberWidget final : public QWidget {
    Q_OBJECT
public:
    BlockNumberWidget(int block, QWidget* parent);

    QString text() const { return m_text; }
    void setText(const QString& text);
    static Qt::Alignment alignment() { return Qt::AlignCenter; }

private:
    QString m_text;
};

// Makes screen readers hear the cells, the numbers and the grid as the program means them. Call it
// before any of them is built: an accessible interface, once made, is kept.
void installDiskAccessibility();

// Draws a cell as a sunken text box: its colour, a thin edge, a focus ring and its text.
void drawBlockCell(QPainter& p, const BlockCellWidget& cell);
// Draws a number label, centred in its place.
void drawBlockNumber(QPainter& p, const BlockNumberWidget& number);
