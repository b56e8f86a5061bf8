#include "core/report_list.h"

float ReportList::percentOfWidth(int percent) const
{
    return static_cast<float>(m_width) * static_cast<float>(percent) / 100.0F;
}

void ReportList::addColumn(std::string caption, float width) { m_columns.push_back({std::move(caption), width}); }

void ReportList::removeColumn(std::size_t position)
{
    if (position < m_columns.size())
        m_columns.erase(m_columns.begin() + static_cast<std::ptrdiff_t>(position));
}

void ReportList::setColumnWidth(std::size_t position, float width)
{
    if (position < m_columns.size())
        m_columns[position].width = width;
}

void ReportList::appendRow(Row row) { m_rows.push_back(std::move(row)); }

void ReportList::setCell(std::size_t row, std::size_t column, std::string text)
{
    if (row < m_rows.size() && column < m_rows[row].cells.size())
        m_rows[row].cells[column] = std::move(text);
}

void ReportList::addColumns(std::initializer_list<ColumnSpec> columns)
{
    setReportView();
    for (const ColumnSpec& c : columns)
        addColumn(std::string(c.caption), percentOfWidth(c.percent));
}
