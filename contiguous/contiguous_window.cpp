#include "contiguous/contiguous_window.h"

namespace {

constexpr int CLIENT_WIDTH = 10020;
constexpr int CLIENT_HEIGHT = 8460;

}  // namespace

ContiguousWindow::ContiguousWindow(ContiguousAllocator& screen)
    : MethodScreenWindow(screen, QStringLiteral("Contiguous Allocation :: Quorvel"), CLIENT_WIDTH, CLIENT_HEIGHT)
{
    setObjectName(QStringLiteral("Contiguous"));
    addStartEntryAndDirectory();
    setTabOrder(grid()->Block(BlockDisk::BLOCKS - 1), Frame1->cmClear());
    buildMenus({Screen::Linked, Screen::IndexedL});
    load();
}

void ContiguousWindow::render()
{
    renderScreen([this](const ContiguousAllocator::Form& form) { lvDirectory->render(form.directory.list()); });
}
