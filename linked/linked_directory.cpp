#include "linked/linked_directory.h"

#include "core/number_reading.h"

#include <algorithm>
#include <string>

void LinkedDirectory::fitEndColumn() { setColumnPercent(END_COLUMN, rowCount() > 8 ? 13 : 21); }

void LinkedDirectory::setLastEnd(int block)
{
    if (rowCount() > 0)
        m_list.setCell(rowCount() - 1, END_COLUMN, std::to_string(block));
}

void LinkedDirectory::shortenLast(std::int32_t missing)
{
    if (rowCount() == 0)
        return;
    const std::size_t last = rowCount() - 1;
    const std::int32_t length = readNumber(m_list.rows()[last].cells.at(LENGHT_COLUMN)).value_or(0);
    m_list.setCell(last, LENGHT_COLUMN, std::to_string(length - missing));
}

std::int32_t LinkedDirectory::blocksListed() const
{
    // A file listed with a length below 1 still took its start block.
    std::int32_t total = 0;
    for (const auto& row : m_list.rows())
        total += std::max(readNumber(row.cells.at(LENGHT_COLUMN)).value_or(0), std::int32_t{1});
    return total;
}
