#include "core/file_directory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(FileDirectory, RowsCarryNameStartAndLengthThenEmptyCellsForTheRestOfTheColumns)
{
    FileDirectory directory({{"File", 30}, {"Start", 21}, {"Lenght", 25}, {"End", 21}});
    directory.createColumns();
    ASSERT_EQ(directory.list().columns().size(), 4U);
    EXPECT_TRUE(directory.list().isReportView());
    EXPECT_EQ(directory.list().columns()[3].caption, "End");
    EXPECT_EQ(directory.list().columns()[0].width, 1048.5F);
    EXPECT_EQ(directory.list().columns()[2].width, 873.75F);

    directory.append("  a b ", 7, -3, 0x010203);
    ASSERT_EQ(directory.rowCount(), 1U);
    EXPECT_EQ(directory.list().rows()[0].cells, (std::vector<std::string>{"  a b ", "7", "-3", ""}));
    EXPECT_EQ(directory.list().rows()[0].colour, 0x010203U);

    directory.setColumnPercent(3, 13);
    EXPECT_EQ(directory.list().columns()[3].width, 454.35F);
    directory.clear();
    EXPECT_EQ(directory.rowCount(), 0U);
    EXPECT_EQ(directory.list().columns().size(), 4U);
}
