#include "contiguous/contiguous_window.h"

#include "contiguous/contiguous_screen.h"
#include "widgets/disk_grid_widget.h"
#include "widgets/entry_frame_widget.h"
#include "widgets/report_list_widget.h"

#include <QLineEdit>
#include <QPushButton>

ContiguousWindow::ContiguousWindow(Screen& screen) : MethodWindow(screen)
{
    EntryFrameWidget* Frame1 = addEntryFrame();
    ReportListWidget* lvDirectory = addDirectory();
    chainTabOrder({Frame1->field(Control::txFile), Frame1->field(Control::txStart), Frame1->field(Control::txLenght),
        Frame1->cmAdd(), lvDirectory, grid()->Block(0)});
    chainTabOrder({grid()->Block(BlockDisk::BLOCKS - 1), Frame1->cmClear()});
}
