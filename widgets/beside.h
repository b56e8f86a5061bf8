#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

// Where a window of `size` goes beside `anchor`, `below` pixels under its top: to its right where
// its screen has room; otherwise to its left (`Otherwise::Left`) or over its right-hand part
// (`Otherwise::Over`), never off the screen's left edge.
enum class Otherwise { Left, Over };
QPoint besidePosition(const QWidget& anchor, QSize size, int below, Otherwise otherwise);
