#include "contiguous/contiguous_allocator.h"
#include "contiguous/contiguous_window.h"
#include "core/random_stream.h"
#include "core/share.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setApplicationName(QStringLiteral("Pellucor"));

    // The one random stream of the whole run, from its fixed starting state.
    ProgramRandomStream stream;
    Share share(stream);

    ContiguousAllocator contiguous(share);
    auto window = std::make_unique<ContiguousWindow>(contiguous);
    QObject::connect(window.get(), &MethodWindow::exitRequested, &app, &QApplication::quit);
    window->showCentred();
    return QApplication::exec();
}
