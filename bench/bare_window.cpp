// What a window's start costs at the least, for the start benchmark to measure Pellucor against: a
// Qt main window as large as the linked index screen, with a menu bar of three menus, and nothing
// else.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&Menu"))->addAction(QStringLiteral("E&xit"));
    window.menuBar()->addMenu(QStringLiteral("Me&thod"))->addAction(QStringLiteral("&Contiguous"));
    window.menuBar()->addAction(QStringLiteral("&About"));
    auto* client = new QLabel(QStringLiteral("bare"));
    client->setFixedSize(722, 564);
    window.setCentralWidget(client);
    window.show();
    return QApplication::exec();
}
