#include "core/report_list.h"

#include <gtest/gtest.h>

TEST(ReportList, ColumnWidthsAreWorkedOutInSinglePrecision)
{
    const ReportList list(3495);
    EXPECT_EQ(list.percentOfWidth(40), 1398.0F);
    EXPECT_EQ(list.percentOfWidth(29), 1013.55F);
    EXPECT_EQ(list.percentOfWidth(21), 733.95F);
    EXPECT_EQ(ReportList(4455).percentOfWidth(7), 311.85F);
}

TEST(ReportList, ColumnsAreAddedAndRemovedByPosition)
{
    ReportList list(1000);
    list.addColumn("A", 10);
    list.addColumn("B", 20);
    list.addColumn("C", 30);
    list.removeColumn(1);
    list.removeColumn(7);  // no such column: nothing happens
    list.setColumnWidth(1, 99);
    list.setColumnWidth(5, 99);
    ASSERT_EQ(list.columns().size(), 2U);
    EXPECT_EQ(list.columns()[0].caption, "A");
    EXPECT_EQ(list.columns()[1].caption, "C");
    EXPECT_EQ(list.columns()[1].width, 99.0F);
}

TEST(ReportList, RowsAreAppendedInOrderAndRemovedTogether)
{
    ReportList list(1000);
    list.appendRow({{"a", "1"}, 0x0000FF});
    list.appendRow({{"b", "2"}, std::nullopt});
    ASSERT_EQ(list.rowCount(), 2U);
    EXPECT_EQ(list.rows()[0].cells[0], "a");
    EXPECT_EQ(list.rows()[0].colour, 0x0000FFU);
    EXPECT_FALSE(list.rows()[1].colour.has_value());
    list.clearRows();
    EXPECT_EQ(list.rowCount(), 0U);
}

TEST(ReportList, ACellIsRewrittenInPlaceAndOnlyWhereItExists)
{
    ReportList list(1000);
    list.appendRow({{"a", "1", ""}, std::nullopt});
    list.setCell(0, 2, "7");
    list.setCell(0, 3, "x");  // no such column
    list.setCell(1, 0, "x");  // no such row
    ASSERT_EQ(list.rowCount(), 1U);
    EXPECT_EQ(list.rows()[0].cells, (std::vector<std::string>{"a", "1", "7"}));
}

TEST(ReportList, ColumnsFromSpecsTakeTheirShareOfTheWidthInReportView)
{
    ReportList list(3495);
    list.addColumns({{"File", 30}, {"Start", 21}, {"Lenght", 25}, {"End", 21}});
    ASSERT_EQ(list.columns().size(), 4U);
    EXPECT_TRUE(list.isReportView());
    EXPECT_EQ(list.columns()[3].caption, "End");
    EXPECT_EQ(list.columns()[0].width, 1048.5F);
    EXPECT_EQ(list.columns()[2].width, 873.75F);
    list.setColumnPercent(3, 13);
    EXPECT_EQ(list.columns()[3].width, 454.35F);
}
