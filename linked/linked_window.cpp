#include "linked/linked_window.h"

#include "linked/linked_screen.h"
#include "widgets/disk_grid_widget.h"
#include "widgets/entry_frame_widget.h"
#include "widgets/report_list_widget.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

LinkedWindow::LinkedWindow(Screen& screen) : MethodWindow(screen)
{
    EntryFrameWidget* Frame1 = addEntryFrame();
    ReportListWidget* lvDirectory = addDirectory();
    // Their texts carry the counts, so a screen reader reads the labels themselves.
    addLabels();
    QPushButton* cmNext = addNextButton();

    chainTabOrder({Frame1->field(Control::txFile), Frame1->field(Control::txStart), Frame1->field(Control::txLenght),
        Frame1->cmAdd(), lvDirectory, grid()->Block(0)});
    chainTabOrder({grid()->Block(BlockDisk::BLOCKS - 1), cmNext, Frame1->cmClear()});
}
