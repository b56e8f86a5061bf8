#include "contiguous/contiguous_directory.h"

void ContiguousDirectory::fitLenghtColumn()
{
    // With eight rows already listed, a vertical scroll bar is about to appear.
    setColumnPercent(LENGHT_COLUMN, rowCount() == 8 ? 21 : 29);
}
