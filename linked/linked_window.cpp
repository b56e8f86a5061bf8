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
    auto* Frame1 = EntryFrameWidget::withStart(client());
    addEntryFrame(Frame1, 6360, 120, 3495, 1335);
    ReportListWidget* lvDirectory = addDirectory(6360, LinkedScreen::DIRECTORY_WIDTH);
    // Its text carries the count, so a screen reader reads the label itself.
    addLabel(Control::lbCurTotal, 6360, 4320, 2295, 255);
    QPushButton* cmNext = addNextButton(3120, 2280);
    addLabel(Control::lbToGo, 2640, 2760, 2055, 255)->setAlignment(Qt::AlignCenter);

    chainTabOrder({Frame1->field(Control::txFile), Frame1->field(Control::txStart), Frame1->field(Control::txLenght),
        Frame1->cmAdd(), lvDirectory, grid()->Block(0)});
    chainTabOrder({grid()->Block(BlockDisk::BLOCKS - 1), cmNext, Frame1->cmClear()});
}
