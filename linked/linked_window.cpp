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

    cmNext = new QPushButton(QStringLiteral("Next Block >"), client());
    cmNext->setObjectName(QStringLiteral("cmNext"));
    cmNext->setAccessibleName(QStringLiteral("Next Block"));
    cmNext->setAutoDefault(true);  // Enter presses it, so a chain can be walked from the keyboard
    place(cmNext, 3120, 2280, 1215, 375);
    registerControl(Control::cmNext, cmNext);
    connect(cmNext, &QPushButton::clicked, this, &LinkedWindow::onNextClicked);

    lbToGo = label("lbToGo", "Blocks to Go", client());
    lbToGo->setAlignment(Qt::AlignCenter);
    place(lbToGo, 2640, 2760, 2055, 255);
    registerControl(Control::lbToGo, lbToGo);

    chainTabOrder({grid()->Block(BlockDisk::BLOCKS - 1), cmNext, Frame1->cmClear()});
    buildMenus({Screen::Contiguous, Screen::IndexedL});
    load();
}

void LinkedWindow::onNextClicked()
{
    m_screen.nextBlock(messages());
    render();
}

void LinkedWindow::render()
{
    renderScreen([this](const LinkedAllocator::Form& form) {
        lbCurTotal->setText(QString::fromStdString(form.lbCurTotal));
        lbToGo->setText(QString::fromStdString(form.lbToGo));
    });
}
