#include "core/backdrop_widget.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <numbers>

namespace {

QPixmap drawPicture()
{
    QPixmap pixmap(480, 560);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // A pale wash around the platter that fades to white well before the picture's edges.
    QRadialGradient wash(QPointF(170, 112), 300);
    wash.setColorAt(0.0, QColor(0xe4, 0xec, 0xf7));
    wash.setColorAt(0.6, QColor(0xf1, 0xf5, 0xfb));
    wash.setColorAt(1.0, Qt::white);
    p.fillRect(pixmap.rect(), wash);

    // A platter seen from above, with its tracks and sectors.
    const QPointF centre(170, 112);
    QRadialGradient sheen(centre + QPointF(-30, -30), 110);
    sheen.setColorAt(0.0, QColor(0xfb, 0xfd, 0xff));
    sheen.setColorAt(1.0, QColor(0xd8, 0xe2, 0xee));
    p.setPen(QPen(QColor(0xb4, 0xc3, 0xd6), 1.5));
    p.setBrush(sheen);
    p.drawEllipse(centre, 96, 96);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xc9, 0xd5, 0xe3), 1.0));
    for (int r = 30; r <= 88; r += 12)
        p.drawEllipse(centre, r, r);
    for (int s = 0; s < 16; ++s) {
        const double a = s * std::numbers::pi / 8.0;
        p.drawLine(
            centre + QPointF(30 * std::cos(a), 30 * std::sin(a)), centre + QPointF(94 * std::cos(a), 94 * std::sin(a)));
    }
    // One sector of used blocks, in the colours files get on the grid.
    const std::array<QColor, 3> used{QColor(0x9f, 0xc5, 0xe8), QColor(0xf2, 0xc4, 0x8f), QColor(0xb9, 0xde, 0xa6)};
    for (int i = 0; i < 3; ++i) {
        QPainterPath sector;
        const double r0 = 54 + 12 * i;
        sector.arcMoveTo(QRectF(centre.x() - r0, centre.y() - r0, 2 * r0, 2 * r0), 20 + 22.5 * i);
        sector.arcTo(QRectF(centre.x() - r0, centre.y() - r0, 2 * r0, 2 * r0), 20 + 22.5 * i, 45);
        p.setPen(QPen(used[static_cast<std::size_t>(i)], 9, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(sector);
    }
    p.setPen(QPen(QColor(0xa7, 0xb8, 0xcc), 1.5));
    p.setBrush(QColor(0xee, 0xf3, 0xf9));
    p.drawEllipse(centre, 18, 18);

    // The head arm, resting over the platter.
    const QPointF pivot(330, 40);
    p.setBrush(QColor(0xdf, 0xe7, 0xf1));
    p.drawEllipse(pivot, 14, 14);
    QPainterPath arm;
    arm.moveTo(pivot + QPointF(-6, 8));
    arm.lineTo(centre + QPointF(58, -30));
    arm.lineTo(centre + QPointF(62, -22));
    arm.lineTo(pivot + QPointF(6, 12));
    arm.closeSubpath();
    p.setPen(QPen(QColor(0xa7, 0xb8, 0xcc), 1.2));
    p.drawPath(arm);

    // A tray under the 8 x 8 grid of blocks.
    p.setPen(QPen(QColor(0xd7, 0xe0, 0xeb), 1.0));
    p.setBrush(QColor(0xf7, 0xf9, 0xfc));
    p.drawRoundedRect(QRectF(76.5, 220.5, 345, 323), 10, 10);
    return pixmap;
}

QPixmap drawIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    const std::array<QColor, 4> files{
        QColor(0x2f, 0x6d, 0xb5), QColor(0xe0, 0x8a, 0x1e), QColor(0x4c, 0xa0, 0x4a), Qt::white};
    // Which file each of the 4 x 4 blocks belongs to; 3 is free.
    const std::array<int, 16> owner{0, 0, 0, 3, 3, 1, 1, 1, 1, 3, 2, 2, 3, 3, 2, 3};
    const double cell = size / 4.0;
    p.setPen(QPen(QColor(0x33, 0x3d, 0x4a), size >= 32 ? 1.0 : 0.0));
    for (std::size_t i = 0; i < owner.size(); ++i) {
        const double x = static_cast<double>(i % 4) * cell;
        const double y = static_cast<double>(i / 4) * cell;
        p.setBrush(files[static_cast<std::size_t>(owner[i])]);
        p.drawRect(QRectF(x + 0.5, y + 0.5, cell - 1.5, cell - 1.5));
    }
    return pixmap;
}

}  // namespace

BackdropWidget::BackdropWidget(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

QPixmap BackdropWidget::picture()
{
    // Cached by the application, so it is drawn once and goes away with it.
    static const QString key = QStringLiteral("pellucor/backdrop");
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = drawPicture();
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

void BackdropWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(0, 0, picture());
}

QIcon pellucorIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64})
        icon.addPixmap(drawIcon(size));
    return icon;
}
