#pragma once

#include "core/colour.h"

#include <QColor>
#include <QFont>
#include <QStringList>
#include <QWidget>

// Form positions and sizes are given in twips; at 96 DPI a logical pixel is 15 twips.
constexpr int twipsToPixels(int twips) { return (2 * twips + 15) / 30; }

// Places a control at left, top, width, height in twips, relative to its parent.
inline void place(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

// "MS Sans Serif" at the given size, or the nearest sans serif this system has.
inline QFont msSansSerif(double points, bool bold = false)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
        QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Nimbus Sans"),
        QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

inline QColor toQColor(ColourValue colour) { return QColor(redOf(colour), greenOf(colour), blueOf(colour)); }
