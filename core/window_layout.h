#pragma once

// Where the windows of a lecture go on a screen, in the screen's logical pixels. Plain arithmetic,
// so that it can be checked for any screen without one.

struct Extent {
    int width = 0;
    int height = 0;
};

struct Box {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The largest scale from 1 up to `wanted` at which `content`, measured at scale 1, fits in `room`,
// measured at scale 1 too; 1 where nothing larger fits. In hundredths, rounded down.
double fittingScale(double wanted, Extent room, Extent content);

// The method window and the lesson panel on the screen's free area. Side by side, centred as a
// pair, where both fit; otherwise the window to the right and the panel at the left over no more of
// the window than its picture margin beside the disk (`picture`: from the window's top left corner
// to the disk's), narrower and shorter where it must be. Neither starts above the area's top; the
// panel is no taller than the area.
struct PairPlacement {
    Box window;
    Box panel;
    bool sideBySide = false;
};
PairPlacement placePair(Box room, Extent window, Extent panel, Extent picture);

// The method window with its frame and the lesson panel, at scale 1, as the scale is chosen before
// any window exists.
inline constexpr Extent METHOD_WINDOW_FRAME{732, 622};
inline constexpr Extent LESSON_PANEL_FRAME{370, 600};
inline constexpr int WINDOW_GAP = 8;
inline constexpr int NARROWEST_PANEL = 260;
// The method window's picture margin at scale 1: from its frame's left edge to the disk.
inline constexpr int PICTURE_MARGIN = 92;
inline constexpr int SHORTEST_PANEL = 240;
