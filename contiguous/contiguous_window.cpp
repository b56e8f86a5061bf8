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
    : MethodWindow(QStringLiteral("Contiguous Allocation :: Quorvel"), CLIENT_WIDTH, CLIENT_HEIGHT), m_screen(screen)
{
    setObjectName(QStringLiteral("Contiguous"));

    Frame1 = EntryFrameWidget::withStart(client());
    addEntryFrame(Frame1, 6360, 120, 3495, 1335);
    txFile = Frame1->field(Control::txFile);
    txStart = Frame1->field(Control::txStart);
    txLenght = Frame1->field(Control::txLenght);
    cmAdd = Frame1->cmAdd();
    cmClear = Frame1->cmClear();
    connect(cmAdd, &QPushButton::clicked, this, &ContiguousWindow::onAddClicked);
    connect(cmClear, &QPushButton::clicked, this, &ContiguousWindow::onClearClicked);

    lvDirectory = addDirectory(6360, ContiguousDirectory::WIDTH);

    buildMenus({Screen::Linked, Screen::IndexedL});

    setTabOrder(txFile, txStart);
    setTabOrder(txStart, txLenght);
    setTabOrder(txLenght, cmAdd);
    setTabOrder(cmAdd, lvDirectory);
    setTabOrder(lvDirectory, grid()->Block(0));
    setTabOrder(grid()->Block(BlockDisk::BLOCKS - 1), cmClear);

    load();
    txFile->setFocus();
}

ContiguousWindow::~ContiguousWindow() { m_screen.unload(); }

void ContiguousWindow::load()
{
    m_screen.load();
    render();
}

EntryForm* ContiguousWindow::entryForm() { return m_screen.isLoaded() ? &m_screen.form().fields : nullptr; }

void ContiguousWindow::onEnterPressed(Control field) { m_screen.enterPressed(field, messages()); }

void ContiguousWindow::onAddClicked()
{
    m_screen.addFile(messages());
    render();
}

void ContiguousWindow::onClearClicked()
{
    m_screen.clear();
    render();
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
