#include "indexed/indexed_window.h"

#include "core/backdrop_widget.h"
#include "core/disk_grid_widget.h"
#include "core/entry_frame_widget.h"
#include "core/report_list_widget.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int CLIENT_WIDTH = 10830;
constexpr int CLIENT_HEIGHT = 8460;

Screen otherScheme(Screen screen) { return screen == Screen::IndexedL ? Screen::IndexedM : Screen::IndexedL; }

QString caption(Screen scheme)
{
    return scheme == Screen::IndexedL ? QStringLiteral("Linked Scheme") : QStringLiteral("Multilevel Index");
}

QString text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

IndexedWindow::IndexedWindow(IndexedScreen& screen)
    : MethodScreenWindow(screen, QStringLiteral("Indexed Allocation :: Quorvel"), CLIENT_WIDTH, CLIENT_HEIGHT)
{
    const Screen scheme = screen.scheme().screen();
    setObjectName(QString::fromLatin1(formName(scheme)));

    // The scheme's name, and the button to the other one.
    auto* Frame2 = new WhiteFrame(client());
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Frame2->setAccessibleName(caption(scheme));
    place(Frame2, 120, 1200, 5895, 975);
    auto* cmdChg = new QPushButton(caption(otherScheme(scheme)), Frame2);
    cmdChg->setObjectName(QStringLiteral("cmdChg"));
    cmdChg->setAccessibleName(cmdChg->text());
    cmdChg->setAutoDefault(true);  // Enter presses it, as Space does
    place(cmdChg, 120, 240, 1335, 615);
    registerControl(Control::cmdChg, cmdChg);
    connect(cmdChg, &QPushButton::clicked, this, &IndexedWindow::onChangeClicked);
    auto* lbType = new QLabel(caption(scheme), Frame2);
    lbType->setObjectName(QStringLiteral("lbType"));
    lbType->setAccessibleName(lbType->text());
    lbType->setAlignment(Qt::AlignCenter);
    lbType->setFont(msSansSerif(24, true));
    lbType->setAutoFillBackground(true);
    QPalette typeColours = lbType->palette();
    typeColours.setColor(QPalette::WindowText, QColor(255, 255, 0));
    typeColours.setColor(QPalette::Window, QColor(0, 64, 0));
    lbType->setPalette(typeColours);
    place(lbType, 1560, 240, 4215, 615);

    addEntryAndDirectory(EntryFrameWidget::withoutStart(client()), 6840, 1215, 6240, IndexedForm::DIRECTORY_WIDTH);
    QPushButton* cmNext = addNextButton(3000, 2520);
    connect(lvDirectory, &ReportListWidget::rowClicked, this, &IndexedWindow::onRowClicked);

    lbUsage = new QLabel(client());
    lbUsage->setObjectName(QStringLiteral("lbUsage"));  // read by its text, which carries the count
    place(lbUsage, 6360, 4320, 3495, 255);

    lvIndex = new ReportListWidget(client());
    lvIndex->setObjectName(QStringLiteral("lvIndex"));
    lvIndex->setAccessibleName(QStringLiteral("Index"));
    lvIndex->setFont(msSansSerif(8.25, true));
    place(lvIndex, 7440, 4920, IndexedForm::INDEX_WIDTH, 2055);
    registerControl(Control::lvIndex, lvIndex);

    Label4 = new QLabel(client());
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setAccessibleName(QStringLiteral("Trace"));
    place(Label4, 0, 8040, 9855, 495);

    buildMenus({Screen::Contiguous, Screen::Linked});

    chainTabOrder({lvDirectory, lvIndex, grid()->Block(0)});
    chainTabOrder({grid()->Block(BlockDisk::BLOCKS - 1), cmNext, Frame1->cmClear(), cmdChg});
    load();
}

void IndexedWindow::onRowClicked(int row)
{
    if (row >= 0)
        m_screen.showIndex(static_cast<std::size_t>(row));
    render();
}

void IndexedWindow::onChangeClicked() { emit switchRequested(otherScheme(m_screen.scheme().screen())); }

void IndexedWindow::render()
{
    renderScreen([this](const IndexedForm& form) {
        lvDirectory->render(form.lvDirectory);
        lvIndex->render(form.lvIndex);
        if (lbUsage->text() != text(form.lbUsage))
            lbUsage->setText(text(form.lbUsage));
        if (Label4->text() != text(form.Label4.caption))
            Label4->setText(text(form.Label4.caption));
        Label4->setVisible(form.Label4.visible);
    });
}
