#include "widgets/beside.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

QPoint besidePosition(const QWidget& anchor, QSize size, int below, Otherwise otherwise)
{
    constexpr int GAP = 8;
    const QRect frame = anchor.frameGeometry();
    QPoint at(frame.right() + GAP, frame.top() + below);
    if (const QScreen* display = anchor.screen()) {
        const QRect room = display->availableGeometry();
        if (at.x() + size.width() > room.right()) {
            const int x = otherwise == Otherwise::Left ? frame.left() - GAP - size.width()
                                                       : room.right() - size.width() - 2 * GAP;
            at.setX(std::max(room.left(), x));
        }
    }
    return at;
}
