#include "core/method_window.h"

#include "core/backdrop_widget.h"
#include "core/disk_grid_widget.h"
#include "core/entry_form.h"
#include "core/entry_frame_widget.h"
#include "core/report_list_widget.h"
#include "core/twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

MethodWindow::MethodWindow(const QString& caption, int clientWidth, int clientHeight)
    : m_messages(this, [this] { render(); })
{
    setWindowTitle(caption);
    useApplicationIcon();
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(msSansSerif(8.25));

    auto* backdrop = new BackdropWidget(this);
    backdrop->setObjectName(QStringLiteral("client"));
    backdrop->setFixedSize(twipsToPixels(clientWidth), twipsToPixels(clientHeight));
    setCentralWidget(backdrop);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_grid = new DiskGridWidget(backdrop);
}

QWidget* MethodWindow::client() const { return centralWidget(); }

void MethodWindow::place(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

QFont MethodWindow::msSansSerif(double points, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
        QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("Nimbus Sans"),
        QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void MethodWindow::showCentred()
{
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
}

void MethodWindow::buildMenus(std::initializer_list<Screen> targets)
{
    QMenu* menu = menuBar()->addMenu(tr("&Menu"));
    menu->setObjectName(QStringLiteral("menu"));
    QAction* exit = menu->addAction(tr("E&xit"));
    exit->setObjectName(QStringLiteral("exit"));
    connect(exit, &QAction::triggered, this, &MethodWindow::exitRequested);

    QMenu* method = menuBar()->addMenu(tr("Me&thod"));
    method->setObjectName(QStringLiteral("mnMethod"));
    for (const Screen target : targets) {
        QAction* item = nullptr;
        switch (target) {
        case Screen::Contiguous:
            item = method->addAction(tr("&Contiguous"));
            item->setObjectName(QStringLiteral("mnContiguous"));
            break;
        case Screen::Linked:
            item = method->addAction(tr("&Linked"));
            item->setObjectName(QStringLiteral("mnLinked"));
            break;
        case Screen::IndexedL:
        case Screen::IndexedM:
            item = method->addAction(tr("&Indexed"));
            item->setObjectName(QStringLiteral("mnIndexed"));
            break;
        }
        connect(item, &QAction::triggered, this, [this, target] { emit switchRequested(target); });
    }

    QAction* about = menuBar()->addAction(tr("&About"));
    about->setObjectName(QStringLiteral("mnAbout"));
    connect(about, &QAction::triggered, this, &MethodWindow::aboutRequested);
}

void MethodWindow::addEntryFrame(EntryFrameWidget* frame, int left, int top, int width, int height)
{
    place(frame, left, top, width, height);
    for (const Control c : {Control::txFile, Control::txStart, Control::txLenght}) {
        if (QLineEdit* box = frame->field(c))
            registerControl(c, box);
    }
    registerControl(Control::cmAdd, frame->cmAdd());
    registerControl(Control::cmClear, frame->cmClear());
    connect(frame, &EntryFrameWidget::fieldEdited, this, [this](Control field, const QString& text) {
        if (EntryForm* form = entryForm())
            form->setText(field, text.toStdString());
    });
    connect(frame, &EntryFrameWidget::enterPressed, this, [this](Control field) {
        onEnterPressed(field);
        render();
    });
}

ReportListWidget* MethodWindow::addDirectory(int left, int width)
{
    auto* heading = new QLabel(QStringLiteral("Directory"), client());
    heading->setObjectName(QStringLiteral("Label1"));
    heading->setFont(msSansSerif(12, true));
    heading->setAlignment(Qt::AlignCenter);
    place(heading, 7560, 1800, 1110, 300);

    auto* list = new ReportListWidget(client());
    list->setObjectName(QStringLiteral("lvDirectory"));
    list->setAccessibleName(heading->text());
    list->setFont(msSansSerif(8.25, true));
    place(list, left, 2160, width, 2055);
    registerControl(Control::lvDirectory, list);
    return list;
}

void MethodWindow::registerControl(Control control, QWidget* widget) { m_controls[control] = widget; }

void MethodWindow::chainTabOrder(std::initializer_list<QWidget*> widgets)
{
    QWidget* previous = nullptr;
    for (QWidget* w : widgets) {
        if (w == nullptr)
            continue;
        if (previous != nullptr)
            setTabOrder(previous, w);
        previous = w;
    }
}

void MethodWindow::renderForm()
{
    EntryForm* form = entryForm();
    if (form == nullptr)
        return;
    for (const Control c : form->fields()) {
        auto* box = qobject_cast<QLineEdit*>(m_controls.at(c));
        const QString text = QString::fromStdString(form->text(c));
        if (box->text() != text)
            box->setText(text);
    }
    for (const auto& [control, widget] : m_controls) {
        // Hide before disabling and enable before showing, so that the focus never lands on a
        // control on its way out.
        if (!form->isVisible(control))
            widget->setVisible(false);
        widget->setEnabled(form->isEnabled(control));
        if (form->isVisible(control))
            widget->setVisible(true);
    }
    if (const auto target = form->takeFocusRequest()) {
        const auto it = m_controls.find(*target);
        if (it != m_controls.end() && it->second->isEnabled())
            it->second->setFocus(Qt::OtherFocusReason);
    }
}

void MethodWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}
