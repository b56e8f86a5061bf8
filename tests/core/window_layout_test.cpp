#include "core/colour.h"
#include "core/window_layout.h"

#include <gtest/gtest.h>

#include <string>

TEST(WindowLayout, ThePairShowsWholeSideBySideOrThePanelBesideTheDisk)
{
    const Extent window{740, 650};
    const Extent panel{370, 600};
    const Extent picture{100, 260};  // from the window's corner to the disk's
    const struct {
        Box room;
        bool sideBySide;
    } cases[]{
        {{0, 0, 1920, 1050}, true},
        {{0, 30, 1280, 690}, true},
        {{0, 0, 1280, 1024}, true},
        {{0, 0, 1024, 768}, false},
        {{100, 0, 800, 600}, false},
    };
    for (const auto& c : cases) {
        const std::string what = std::to_string(c.room.width) + "x" + std::to_string(c.room.height);
        const PairPlacement at = placePair(c.room, window, panel, picture);
        EXPECT_EQ(at.sideBySide, c.sideBySide) << what;
        for (const Box& b : {at.window, at.panel}) {
            EXPECT_GE(b.x, c.room.x) << what;
            EXPECT_GE(b.y, c.room.y) << what << ": no title bar above the screen";
            EXPECT_LE(b.y + b.height, c.room.y + std::max(c.room.height, window.height)) << what;
        }
        EXPECT_LE(at.panel.y + at.panel.height, c.room.y + c.room.height) << what;
        if (at.sideBySide) {
            EXPECT_LE(at.window.x + at.window.width + WINDOW_GAP, at.panel.x) << what << ": no overlap";
            EXPECT_LE(at.panel.x + at.panel.width, c.room.x + c.room.width) << what;
        } else if (c.room.width >= window.width + NARROWEST_PANEL - picture.width) {
            // Over the picture margin only: left of the disk and below the controls above it.
            EXPECT_LE(at.panel.x + at.panel.width, at.window.x + picture.width) << what;
            EXPECT_GE(at.panel.y, at.window.y + picture.height) << what;
        }
    }
}

TEST(WindowLayout, AScaleIsTheLargestThatFitsAndNeverBelowOne)
{
    EXPECT_EQ(fittingScale(2.0, {1920, 1080}, {732, 622}), 1.73);
    EXPECT_EQ(fittingScale(1.5, {1920, 1080}, {732, 622}), 1.5);
    EXPECT_EQ(fittingScale(3.0, {1280, 1024}, {1110, 622}), 1.15);
    EXPECT_EQ(fittingScale(2.0, {800, 600}, {732, 622}), 1.0);
}

TEST(ReadableText, BlackOrWhiteReadsAtLeastFourAndAHalfToOneOnEveryColour)
{
    for (int r = 0; r < 256; r += 15) {
        for (int g = 0; g < 256; g += 15) {
            for (int b = 0; b < 256; b += 15) {
                const ColourValue cell = packColour(r, g, b);
                EXPECT_GE(contrastRatio(cell, readableTextOn(cell)), 4.5) << r << ", " << g << ", " << b;
            }
        }
    }
    EXPECT_EQ(readableTextOn(FREE_COLOUR), 0U);
    EXPECT_EQ(readableTextOn(packColour(0, 60, 0)), 0xFFFFFFU);  // dark green, as the linked index scheme's banner
}
