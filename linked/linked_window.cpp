#include "linked/linked_window.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr int CLIENT_WIDTH = 10020;
constexpr int CLIENT_HEIGHT = 8460;

QLabel* label(const char* name, const char* text, QWidget* parent)
{
    auto* l = new QLabel(QString::fromLatin1(text), parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

}  // namespace

LinkedWindow::LinkedWindow(LinkedAllocator& screen)
    : MethodScreenWindow(screen, QStringLiteral("Linked Allocation :: Quorvel"), CLIENT_WIDTH, CLIENT_HEIGHT)
{
    setObjectName(QStringLiteral("Linked"));
    addStartEntryAndDirectory();

    // Its text carries the count, so a screen reader reads the label itself.
    lbCurTotal = label("lbCurTotal", LinkedForm::USAGE_CAPTION, client());
    place(lbCurTotal, 6360, 4320, 2295, 255);

    cmNext = addNextButton(3120, 2280);

    lbToGo = label("lbToGo", "Blocks to Go", client());
    lbToGo->setAlignment(Qt::AlignCenter);
    place(lbToGo, 2640, 2760, 2055, 255);
    registerControl(Control::lbToGo, lbToGo);

    chainTabOrder({grid()->Block(BlockDisk::BLOCKS - 1), cmNext, Frame1->cmClear()});
    buildMenus({Screen::Contiguous, Screen::IndexedL});
    load();
}

void LinkedWindow::render()
{
    renderScreen([this](const LinkedAllocator::Form& form) {
        lvDirectory->render(form.directory.list());
        lbCurTotal->setText(QString::fromStdString(form.lbCurTotal));
        lbToGo->setText(QString::fromStdString(form.lbToGo));
    });
}
