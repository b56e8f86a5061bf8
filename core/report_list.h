#pragma once

#include "core/colour.h"

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a report-style list view shows: column headers with widths in twips, and rows whose first
// cell may carry its own text colour. Rows are only appended and only removed all together.
class ReportList {
public:
    struct Column {
        std::string caption;
        float width = 0.0F;  // twips
    };
    struct Row {
        std::vector<std::string> cells;
        std::optional<ColourValue> colour;  // of the first cell; empty: the list's own text colour
    };

    // A column as a screen designs it: its caption and its width as a percentage of the list's.
    struct ColumnSpec {
        std::string_view caption;
        int percent;
    };

    // The list's own width, in twips.
    explicit ReportList(int width) : m_width(width) {}

    int width() const { return m_width; }
    // width * percent / 100 in single precision, the way every column width is worked out.
    float percentOfWidth(int percent) const;

    bool isReportView() const { return m_reportView; }
    void setReportView() { m_reportView = true; }

    const std::vector<Column>& columns() const { return m_columns; }
    void addColumn(std::string caption, float width);
    // Positions out of range are ignored.
    void removeColumn(std::size_t position);
    void setColumnWidth(std::size_t position, float width);
    // Report view, and the columns appended in order, each at its percentage of the width.
    void addColumns(std::initializer_list<ColumnSpec> columns);
    void setColumnPercent(std::size_t position, int percent) { setColumnWidth(position, percentOfWidth(percent)); }

    const std::vector<Row>& rows() const { return m_rows; }
    std::size_t rowCount() const { return m_rows.size(); }
    void appendRow(Row row);
    void clearRows() { m_rows.clear(); }
    // Positions out of range are ignored.
    void setCell(std::size_t row, std::size_t column, std::string text);

private:
    int m_width;
    bool m_reportView = false;
    std::vector<Column> m_columns;
    std::vector<Row> m_rows;
};
