#include "core/file_directory.h"

#include <algorithm>

void FileDirectory::createColumns()
{
    m_list.setReportView();
    for (const Column& c : m_columns)
        m_list.addColumn(c.caption, m_list.percentOfWidth(c.percent));
}

void FileDirectory::setColumnPercent(std::size_t position, int percent)
{
    m_list.setColumnWidth(position, m_list.percentOfWidth(percent));
}

void FileDirectory::append(const std::string& name, int start, int length, ColourValue colour)
{
    std::vector<std::string> cells{name, std::to_string(start), std::to_string(length)};
    cells.resize(std::max(cells.size(), m_columns.size()));
    m_list.appendRow({std::move(cells), colour});
}
