#pragma once

#include "core/colour.h"

#include <cstddef>
#include <optional>
#include <string>
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
