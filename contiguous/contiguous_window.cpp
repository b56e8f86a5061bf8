#include "contiguous/contiguous_window.h"

#include "core/disk_grid_widget.h"
#include "core/report_list_widget.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int CLIENT_WIDTH = 10020;
constexpr int CLIENT_HEIGHT = 8460;

// A caption that sizes itself to its text, as the form's labels do; the given size is the least.
QLabel* autoSizedLabel(const char* name, const QString& text, QWidget* parent, int left, int top, int width, int height)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    MethodWindow::place(label, left, top, width, height);
    label->resize(label->size().expandedTo(label->sizeHint()));
    return label;
}

}  // namespace

ContiguousWindow::ContiguousWindow(ContiguousAllocator& screen)
    : MethodWindow(QStringLiteral("Contiguous Allocation :: Quorvel"), CLIENT_WIDTH, CLIENT_HEIGHT), m_screen(screen)
{
    setObjectName(QStringLiteral("Contiguous"));
    QWidget* form = client();

    Frame1 = new QFrame(form);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Frame1->setAutoFillBackground(true);
    place(Frame1, 6360, 120, 3495, 1335);

    Label2 = autoSizedLabel("Label2", QStringLiteral("File"), Frame1, 240, 240, 240, 195);
    Label4 = autoSizedLabel("Label4", QStringLiteral("Start"), Frame1, 240, 600, 330, 195);
    Label3 = autoSizedLabel("Label3", QStringLiteral("Lenght"), Frame1, 240, 960, 510, 195);

    const auto makeField = [this](Control control, QLabel* caption, int top) {
        auto* box = new QLineEdit(QString::fromLatin1(controlName(control)), Frame1);
        box->setObjectName(QString::fromLatin1(controlName(control)));
        box->setAccessibleName(caption->text());
        caption->setBuddy(box);
        place(box, 1080, top, 1215, 285);
        connect(box, &QLineEdit::textChanged, this,
            [this, control](const QString& text) { m_screen.form().fields.setText(control, text.toStdString()); });
        return box;
    };
    txFile = makeField(Control::txFile, Label2, 240);
    txStart = makeField(Control::txStart, Label4, 600);
    txLenght = makeField(Control::txLenght, Label3, 960);
    connect(txFile, &QLineEdit::returnPressed, this, [this] { txFile_KeyPress(13); });
    connect(txStart, &QLineEdit::returnPressed, this, [this] { txStart_KeyPress(13); });
    connect(txLenght, &QLineEdit::returnPressed, this, [this] { txLenght_KeyPress(13); });

    cmClear = new QPushButton(QStringLiteral("Clear"), Frame1);
    cmClear->setObjectName(QStringLiteral("cmClear"));
    place(cmClear, 2520, 240, 855, 375);
    cmAdd = new QPushButton(QStringLiteral("Add"), Frame1);
    cmAdd->setObjectName(QStringLiteral("cmAdd"));
    place(cmAdd, 2520, 840, 855, 375);
    for (QPushButton* button : {cmClear, cmAdd})
        button->setAutoDefault(true);  // Enter on a focused button presses it, as Space does
    connect(cmAdd, &QPushButton::clicked, this, &ContiguousWindow::cmAdd_Click);
    connect(cmClear, &QPushButton::clicked, this, &ContiguousWindow::cmClear_Click);

    Label1 = new QLabel(QStringLiteral("Directory"), form);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(msSansSerif(12, true));
    place(Label1, 7560, 1800, 1110, 300);

    lvDirectory = new ReportListWidget(form);
    lvDirectory->setObjectName(QStringLiteral("lvDirectory"));
    lvDirectory->setAccessibleName(Label1->text());
    lvDirectory->setFont(msSansSerif(8.25, true));
    place(lvDirectory, 6360, 2160, ContiguousDirectory::WIDTH, 2055);

    buildMenus({Method::Linked, Method::Indexed});

    setTabOrder(txFile, txStart);
    setTabOrder(txStart, txLenght);
    setTabOrder(txLenght, cmAdd);
    setTabOrder(cmAdd, lvDirectory);
    setTabOrder(lvDirectory, grid()->Block(0));
    setTabOrder(grid()->Block(BlockDisk::BLOCKS - 1), cmClear);

    Form_Load();
    txFile->setFocus();
}

ContiguousWindow::~ContiguousWindow() { m_screen.unload(); }

void ContiguousWindow::Form_Load()
{
    m_screen.Form_Load();
    render();
}

void ContiguousWindow::txFile_KeyPress(int KeyAscii)
{
    if (KeyAscii == 13)
        m_screen.enterPressed(Control::txFile, messages());
    render();
}

void ContiguousWindow::txStart_KeyPress(int KeyAscii)
{
    if (KeyAscii == 13)
        m_screen.enterPressed(Control::txStart, messages());
    render();
}

void ContiguousWindow::txLenght_KeyPress(int KeyAscii)
{
    if (KeyAscii == 13)
        m_screen.enterPressed(Control::txLenght, messages());
    render();
}

void ContiguousWindow::cmAdd_Click()
{
    m_screen.add(messages());
    render();
}

void ContiguousWindow::cmClear_Click()
{
    m_screen.clear();
    render();
}

QLineEdit* ContiguousWindow::field(Control control) const
{
    switch (control) {
    case Control::txFile: return txFile;
    case Control::txStart: return txStart;
    case Control::txLenght: return txLenght;
    default: return nullptr;
    }
}

QWidget* ContiguousWindow::focusTarget(Control control) const
{
    switch (control) {
    case Control::cmAdd: return cmAdd;
    case Control::cmClear: return cmClear;
    case Control::lvDirectory: return lvDirectory;
    default: return field(control);
    }
}

void ContiguousWindow::render()
{
    if (!m_screen.isLoaded())
        return;
    ContiguousAllocator::Form& form = m_screen.form();
    grid()->render(form.disk);
    for (const Control c : {Control::txFile, Control::txStart, Control::txLenght}) {
        const QString text = QString::fromStdString(form.fields.text(c));
        if (field(c)->text() != text)
            field(c)->setText(text);
    }
    lvDirectory->render(form.directory.list());
    if (const auto target = form.fields.takeFocusRequest()) {
        if (QWidget* w = focusTarget(*target))
            w->setFocus(Qt::OtherFocusReason);
    }
}
