#include "indexed/indexed_window.h"

#include "indexed/indexed_screen.h"
#include "widgets/backdrop_widget.h"
#include "widgets/disk_grid_widget.h"
#include "widgets/entry_frame_widget.h"
#include "widgets/form_geometry.h"
#include "widgets/report_list_widget.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QString text(std::string_view s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

IndexedWindow::IndexedWindow(Screen& screen) : MethodWindow(screen)
{
    const ScreenFacts& facts = factsOf(screen.id());
    const ScreenId other = facts.otherScheme.value();

    // The scheme's name, and the button to the other one.
    auto* Frame2 = new WhiteFrame(client());
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Frame2->setAccessibleName(text(facts.schemeName));
    const form_layout::SchemeFrame& scheme = formLayout().scheme.value();
    place(Frame2, scheme.frame);
    auto* cmdChg = new QPushButton(text(factsOf(other).schemeName), Frame2);
    cmdChg->setObjectName(QStringLiteral("cmdChg"));
    cmdChg->setAccessibleName(cmdChg->text());
    cmdChg->setAutoDefault(true);  // Enter presses it, as Space does
    place(cmdChg, scheme.cmdChg);
    registerControl(Control::cmdChg, cmdChg);
    connect(cmdChg, &QPushButton::clicked, this, [this, other] { emit switchRequested(other); });
    auto* lbType = new QLabel(text(facts.schemeName), Frame2);
    lbType->setObjectName(QStringLiteral("lbType"));
    lbType->setAccessibleName(lbType->text());
    lbType->setAlignment(Qt::AlignCenter);
    lbType->setFont(msSansSerif(24, true));
    lbType->setAutoFillBackground(true);
    QPalette typeColours = lbType->palette();
    typeColours.setColor(QPalette::WindowText, QColor(255, 255, 0));
    typeColours.setColor(QPalette::Window, QColor(0, 64, 0));
    lbType->setPalette(typeColours);
    place(lbType, scheme.lbType);

    EntryFrameWidget* Frame1 = addEntryFrame();
    ReportListWidget* lvDirectory = addDirectory();
    QPushButton* cmNext = addNextButton();
    // lbUsage is read by its text, which carries the count.
    addLabels();
    ReportListWidget* lvIndex = addList(Control::lvIndex, QStringLiteral("Index"), formLayout().index.value());
    label(Control::Label4)->setAccessibleName(QStringLiteral("Trace"));

    chainTabOrder({Frame1->field(Control::txFile), Frame1->field(Control::txLenght), Frame1->cmAdd(), lvDirectory,
        lvIndex, grid()->Block(0)});
    chainTabOrder({grid()->Block(BlockDisk::BLOCKS - 1), cmNext, Frame1->cmClear(), cmdChg});
}
