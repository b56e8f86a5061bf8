#pragma once

#include "core/colour.h"
#include "core/form_layout.h"

#include <QColor>
#include <QFont>
#include <QFontDatabase>
#include <QString>
#include <QWidget>

// Form positions and sizes are given in twips; at 96 DPI a logical pixel is 15 twips.
constexpr int twipsToPixels(int twips) { return (2 * twips + 15) / 30; }

// Places a control at left, top, width, height in twips, relative to its parent.
inline void place(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

inline void place(QWidget* widget, const form_layout::Rect& at) { place(widget, at.left, at.top, at.width, at.height); }

// The family the forms are drawn in: "MS Sans Serif", or the nearest sans serif this system has.
// Chosen once: a family that is missing sends every font built from it through the system's
// fallback search, which costs more than the window it is for.
inline const QString& formFamily()
{
    static const QString family = [] {
        for (const QString& name : {QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                 QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Nimbus Sans"),
                 QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans")}) {
            if (QFontDatabase::hasFamily(name))
                return name;
        }
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return family;
}

// The form family at the given size.
inline QFont msSansSerif(double points, bool bold = false)
{
    QFont font(formFamily());
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

inline QColor toQColor(ColourValue colour) { return QColor(redOf(colour), greenOf(colour), blueOf(colour)); }
