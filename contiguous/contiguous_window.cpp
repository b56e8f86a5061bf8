#include "contiguous/contiguous_window.h"

#include "core/disk_grid_widget.h"
#include "core/entry_frame_widget.h"
#include "core/report_list_widget.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int CLIENT_WIDTH = 10020;
constexpr int CLIENT_HEIGHT = 8460;

}  // namespace

ContiguousWindow::ContiguousWindow(ContiguousAllocator& screen)
    : MethodScreenWindow(screen, QStringLiteral("Contiguous Allocation :: Quorvel"), CLIENT_WIDTH, CLIENT_HEIGHT)
{
    setObjectName(QStringLiteral("Contiguous"));

    Frame1 = EntryFrameWidget::withStart(client());
    addEntryFrame(Frame1, 6360, 120, 3495, 1335);
    connect(Frame1->cmAdd(), &QPushButton::clicked, this, &ContiguousWindow::onAddClicked);
    connect(Frame1->cmClear(), &QPushButton::clicked, this, &ContiguousWindow::onClearClicked);

    lvDirectory = addDirectory(6360, ContiguousDirectory::WIDTH);

    buildMenus({Screen::Linked, Screen::IndexedL});

    chainTabOrder({Frame1->field(Control::txFile), Frame1->field(Control::txStart), Frame1->field(Control::txLenght),
        Frame1->cmAdd(), lvDirectory, grid()->Block(0)});
    setTabOrder(grid()->Block(BlockDisk::BLOCKS - 1), Frame1->cmClear());

    load();
    Frame1->field(Control::txFile)->setFocus();
}

void ContiguousWindow::render()
{
    if (!m_screen.isLoaded())
        return;
    const ContiguousAllocator::Form& form = m_screen.form();
    grid()->render(form.disk);
    lvDirectory->render(form.directory.list());
    renderForm();
}
