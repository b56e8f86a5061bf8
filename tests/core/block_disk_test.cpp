#include "core/block_disk.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(BlockDisk, FormCarriesZeroOnEveryLabelUntilResetWritesTheNumbers)
{
    BlockDisk disk;
    for (int i = 0; i < BlockDisk::BLOCKS; ++i)
        EXPECT_EQ(disk.label(i), "0");
    disk.reset();
    for (int i = 0; i < BlockDisk::BLOCKS; ++i)
        EXPECT_EQ(disk.label(i), std::to_string(i));
}

TEST(BlockDisk, ResetFreesEveryBlockButKeepsTextsUntilClearTexts)
{
    BlockDisk disk;
    disk.paint(0, 0x123456);
    disk.paint(63, 0);
    disk.setText(5, "-1");
    disk.setTextColour(5, 0x0000FF);
    ASSERT_EQ(disk.usedCount(), 2);

    disk.reset();
    EXPECT_EQ(disk.usedCount(), 0);
    for (int i = 0; i < BlockDisk::BLOCKS; ++i)
        EXPECT_TRUE(disk.isFree(i)) << i;
    EXPECT_EQ(disk.cell(5).text, "-1");
    EXPECT_EQ(disk.cell(5).textColour, 0x0000FFU);

    disk.clearTexts();
    EXPECT_EQ(disk.cell(5).text, "");
}

TEST(BlockDisk, OnlyExactWhiteIsFree)
{
    BlockDisk disk;
    disk.reset();
    disk.paint(1, 0xFFFFFE);
    disk.paint(2, 0x7FFFFF);
    disk.paint(3, 0x1FFFFFF);  // white in the low 24 bits, but not the free colour
    disk.paint(4, packColour(253, 253, 253));
    disk.paint(5, FREE_COLOUR);
    EXPECT_FALSE(disk.isFree(1));
    EXPECT_FALSE(disk.isFree(2));
    EXPECT_FALSE(disk.isFree(3));
    EXPECT_FALSE(disk.isFree(4));
    EXPECT_TRUE(disk.isFree(5));
    EXPECT_EQ(disk.usedCount(), 4);
    EXPECT_EQ(disk.colourOf(4), 0xFDFDFDU);
}

TEST(BlockDisk, BlockNumbersOutsideTheDiskAreRefusedLoudly)
{
    BlockDisk disk;
    EXPECT_THROW(disk.paint(64, 0), std::out_of_range);
    EXPECT_THROW(disk.paint(-1, 0), std::out_of_range);
    EXPECT_THROW((void)disk.isFree(64), std::out_of_range);
    EXPECT_THROW(disk.setText(-1, "x"), std::out_of_range);
    EXPECT_EQ(disk.usedCount(), 0);
}

TEST(Colour, PacksRedInTheLowestByte)
{
    EXPECT_EQ(packColour(1, 2, 3), 0x030201U);
    EXPECT_EQ(packColour(255, 255, 255), FREE_COLOUR);
    constexpr FileColour brightest{253, 253, 253};
    EXPECT_NE(brightest.packed(), FREE_COLOUR);
    EXPECT_EQ(redOf(0x030201), 1);
    EXPECT_EQ(greenOf(0x030201), 2);
    EXPECT_EQ(blueOf(0x030201), 3);
}
