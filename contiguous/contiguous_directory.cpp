#include "contiguous/contiguous_directory.h"

void ContiguousDirectory::createColumns()
{
    m_list.setReportView();
    m_list.addColumn("File", m_list.percentOfWidth(40));
    m_list.addColumn("Start", m_list.percentOfWidth(29));
    m_list.addColumn("Lenght", m_list.percentOfWidth(29));
}

void ContiguousDirectory::fitLenghtColumn()
{
    // With eight rows already listed, a vertical scroll bar is about to appear.
    const int percent = m_list.rowCount() == 8 ? 21 : 29;
    m_list.setColumnWidth(2, m_list.percentOfWidth(percent));
}

void ContiguousDirectory::append(const std::string& name, int start, int length, ColourValue colour)
{
    m_list.appendRow({{name, std::to_string(start), std::to_string(length)}, colour});
}
