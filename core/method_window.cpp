#include "core/method_window.h"

#include "core/backdrop_widget.h"
#include "core/disk_grid_widget.h"
#include "core/twips.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>

MethodWindow::MethodWindow(const QString& caption, int clientWidth, int clientHeight)
    : m_messages(this, [this] { render(); })
{
    setWindowTitle(caption);
    setWindowIcon(pellucorIcon());
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

void MethodWindow::buildMenus(std::initializer_list<Method> targets)
{
    QMenu* menu = menuBar()->addMenu(tr("&Menu"));
    menu->setObjectName(QStringLiteral("menu"));
    QAction* exit = menu->addAction(tr("E&xit"));
    exit->setObjectName(QStringLiteral("exit"));
    connect(exit, &QAction::triggered, this, &MethodWindow::exitRequested);

    QMenu* method = menuBar()->addMenu(tr("Me&thod"));
    method->setObjectName(QStringLiteral("mnMethod"));
    for (const Method target : targets) {
        QAction* item = nullptr;
        switch (target) {
        case Method::Contiguous:
            item = method->addAction(tr("&Contiguous"));
            item->setObjectName(QStringLiteral("mnContiguous"));
            break;
        case Method::Linked:
            item = method->addAction(tr("&Linked"));
            item->setObjectName(QStringLiteral("mnLinked"));
            break;
        case Method::Indexed:
            item = method->addAction(tr("&Indexed"));
            item->setObjectName(QStringLiteral("mnIndexed"));
            break;
        }
        connect(item, &QAction::triggered, this, [this, target] { emit methodRequested(target); });
    }

    QAction* about = menuBar()->addAction(tr("&About"));
    about->setObjectName(QStringLiteral("mnAbout"));
    connect(about, &QAction::triggered, this, &MethodWindow::aboutRequested);
}
