#include "widgets/message_box_dialog.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>

namespace {

QString iconName(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QStringLiteral("Information");
    case MessageIcon::Critical: return QStringLiteral("Error");
    case MessageIcon::None: break;
    }
    return {};
}

// The icon drawn at the given pixel ratio, SIZE logical pixels square: a red disc with a white
// cross for an error, a blue disc with a white i for a notice.
QPixmap drawnIcon(MessageIcon icon, int size, qreal ratio)
{
    QPixmap pixmap(QSize(size, size) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const bool error = icon == MessageIcon::Critical;
    const QRectF disc(1, 1, size - 4, size - 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawEllipse(disc.translated(1.5, 1.5));  // a soft shadow below and right
    p.setPen(QPen(error ? QColor(0xa5, 0x1d, 0x2d) : QColor(0x1a, 0x5f, 0xb4), 1));
    p.setBrush(error ? QColor(0xe0, 0x1b, 0x24) : QColor(0x35, 0x84, 0xe4));
    p.drawEllipse(disc);
    const QPointF c = disc.center();
    const qreal stroke = size / 8.0;
    p.setPen(QPen(Qt::white, stroke, Qt::SolidLine, Qt::RoundCap));
    if (error) {
        const qreal arm = size * 0.18;
        p.drawLine(c + QPointF(-arm, -arm), c + QPointF(arm, arm));
        p.drawLine(c + QPointF(-arm, arm), c + QPointF(arm, -arm));
    } else {
        p.drawLine(c + QPointF(0, -size * 0.02), c + QPointF(0, size * 0.22));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(c + QPointF(0, -size * 0.2), stroke * 0.6, stroke * 0.6);
    }
    return pixmap;
}

}  // namespace

void MessageBoxDialog::show(const Message& message)
{
    if (m_beforeShow)
        m_beforeShow();
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (message.icon) {
    case MessageIcon::None: break;
    case MessageIcon::Information: icon = QMessageBox::Information; break;
    case MessageIcon::Critical: icon = QMessageBox::Critical; break;
    }
    QMessageBox box(
        icon, QString::fromStdString(message.title), QString::fromStdString(message.text), QMessageBox::Ok, m_parent);
    box.setObjectName(QStringLiteral("messageBox"));
    box.setTextFormat(Qt::PlainText);
    if (m_parent != nullptr)
        box.setFont(m_parent->font());
    box.button(QMessageBox::Ok)->setIcon(QIcon());  // a plain OK, whatever the desktop's habit
    if (QLabel* picture = messageBoxIconLabel(box)) {
        // The icon says whether this is a notice or an error; say it to screen readers too.
        picture->setAccessibleName(iconName(message.icon));
        // Where the style has the icon in fewer pixels than the screen shows (its own pictures are
        // 32 pixels square), draw it at the screen's resolution rather than let it be blown up.
        const QPixmap stock = picture->pixmap();
        const qreal ratio = box.devicePixelRatio();
        const int size = qRound(stock.deviceIndependentSize().width());
        if (icon != QMessageBox::NoIcon && stock.width() < qRound(size * ratio))
            picture->setPixmap(drawnIcon(message.icon, size, ratio));
    }
    box.exec();
}

QLabel* messageBoxIconLabel(const QMessageBox& box)
{
    return box.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label"));
}
