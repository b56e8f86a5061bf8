#include "core/window_layout.h"

#include <algorithm>
#include <cmath>

double fittingScale(double wanted, Extent room, Extent content)
{
    if (content.width <= 0 || content.height <= 0)
        return 1.0;
    const double most = std::min(static_cast<double>(room.width) / content.width,
        static_cast<double>(room.height) / content.height);
    return std::max(1.0, std::floor(std::min(wanted, most) * 100.0) / 100.0);
}

PairPlacement placePair(Box room, Extent window, Extent panel, Extent picture)
{
    PairPlacement at;
    const int pairWidth = window.width + WINDOW_GAP + panel.width;
    const int top = room.y + std::max(0, (room.height - window.height) / 2);
    at.window = {0, top, window.width, window.height};
    at.panel = {0, 0, panel.width, std::min(panel.height, room.height)};
    if (pairWidth <= room.width) {
        at.sideBySide = true;
        at.window.x = room.x + (room.width - pairWidth) / 2;
        at.panel.x = at.window.x + window.width + WINDOW_GAP;
    } else {
        at.window.x = std::max(room.x, room.x + room.width - window.width);
        at.panel.x = room.x;
        // On a screen too small even for that, a usable panel matters more than the margin.
        at.panel.width = std::min(panel.width, std::max(at.window.x - room.x + picture.width, NARROWEST_PANEL));
        // Beside the disk, below the menus and the controls over it.
        const int bottom = room.y + room.height;
        at.panel.y = std::min(at.window.y + picture.height, bottom - SHORTEST_PANEL);
        at.panel.height = std::min(panel.height, bottom - at.panel.y);
        return at;
    }
    at.panel.y = std::clamp(top, room.y, std::max(room.y, room.y + room.height - at.panel.height));
    return at;
}
