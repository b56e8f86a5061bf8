#include "widgets/backdrop_widget.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QRadialGradient>
#include <QTimer>

#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr QSize PICTURE_SIZE(480, 560);
constexpr int ICON_SIZES[] = {16, 24, 32, 48, 64, 128, 256};

// Drawn in logical pixels onto a pixmap with as many pixels as the screen has under that area, so
// that a scaled screen gets a sharp picture rather than a blown-up one.
QPixmap drawPicture(qreal devicePixelRatio)
{
    QPixmap pixmap(PICTURE_SIZE * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // A pale wash around the platter that fades to white well before the picture's edges.
    QRadialGradient wash(QPointF(170, 112), 300);
    wash.setColorAt(0.0, QColor(0xe4, 0xec, 0xf7));
    wash.setColorAt(0.6, QColor(0xf1, 0xf5, 0xfb));
    wash.setColorAt(1.0, Qt::white);
    // Only where it is not white already: the wash ends at its radius.
    p.fillRect(QRectF(wash.center().x() - wash.radius(), wash.center().y() - wash.radius(), 2 * wash.radius(),
                   2 * wash.radius())
                   .toAlignedRect()
                   .intersected(QRect(QPoint(0, 0), PICTURE_SIZE)),
        wash);

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

}  // namespace

BackdropWidget::BackdropWidget(QWidget* parent) : QWidget(parent) {}

QPixmap BackdropWidget::picture(qreal devicePixelRatio)
{
    // Cached by the application, once per pixel ratio, so it is drawn once and goes away with it.
    const QString key = QStringLiteral("pellucor/backdrop@%1").arg(devicePixelRatio);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = drawPicture(devicePixelRatio);
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

void BackdropWidget::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.fillRect(event->rect(), Qt::white);
    p.drawPixmap(0, 0, picture(devicePixelRatioF()));
}

void WhiteFrame::paintEvent(QPaintEvent* event)
{
    QPainter(this).fillRect(event->rect(), Qt::white);
    QFrame::paintEvent(event);
}

// Outside any namespace, as Qt's resource initialiser must be.
static void initIconResources() { Q_INIT_RESOURCE(pellucor); }

QIcon pellucorIcon()
{
    // The resources live in a static library, which the linker would drop unless they are asked for.
    initIconResources();
    QIcon builtIn;
    for (const int size : ICON_SIZES)
        builtIn.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    // Installed, the icon theme has it, under the name the launcher gives; the built-in copy is the
    // same picture, for runs from the build folder.
    return QIcon::fromTheme(QStringLiteral(PELLUCOR_APP_ID), builtIn);
}

void useApplicationIcon()
{
    if (QGuiApplication::windowIcon().isNull())
        QGuiApplication::setWindowIcon(pellucorIcon());
}

namespace {

// Waits for a window's first paint, then has the icon set as soon as the event loop is free.
class FirstFrameWatch final : public QObject {
public:
    explicit FirstFrameWatch(QWidget* window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, &useApplicationIcon);
            deleteLater();
        }
        return false;
    }
};

}  // namespace

void useApplicationIconAfterFirstFrame(QWidget* window)
{
    if (QGuiApplication::windowIcon().isNull())
        new FirstFrameWatch(window);
}
