#include "core/random_stream.h"
#include "core/share.h"
#include "core/version.h"
#include "shell/navigator.h"
#include "shell/qt_screen_host.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <optional>

namespace {

constexpr int USAGE_ERROR = 2;

// Whether Qt will find a display. Without one it would abort with advice about reinstalling.
bool displayAvailable(const QStringList& arguments)
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
    return arguments.contains(QStringLiteral("-platform")) || arguments.contains(QStringLiteral("--platform"));
#else
    Q_UNUSED(arguments);
    return true;
#endif
}

// The screen to open on, or the status to end with at once (--help, --version and every error).
struct Start {
    Screen first = Screen::IndexedL;
    std::optional<int> exitStatus;
};

Start readCommandLine(int argc, char* argv[])
{
    QCoreApplication parsing(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shows how a file system gives disk blocks to files."));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Shows this help and ends."));
    parser.addOption(help);
    const QCommandLineOption version(QStringLiteral("version"), QStringLiteral("Shows the version and ends."));
    parser.addOption(version);
    const QCommandLineOption method(QStringLiteral("method"),
        QStringLiteral("Opens on the screen of <method>: contiguous, linked, indexed (the linked index scheme) "
                       "or multilevel. Without it Pellucor opens on the linked index scheme."),
        QStringLiteral("method"));
    parser.addOption(method);
    // Qt's own options, which the application object takes out of the arguments later.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
             "qwindowicon", "qwindowtitle", "session", "display", "geometry", "style", "stylesheet"}) {
        QCommandLineOption qtOption(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb"}) {
        QCommandLineOption qtOption(QString::fromLatin1(name));
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }

    const auto fail = [&parser](const QString& error) {
        std::fprintf(stderr, "pellucor: %s\n\n%s", qPrintable(error), qPrintable(parser.helpText()));
        return Start{Screen::IndexedL, USAGE_ERROR};
    };
    if (!parser.parse(QCoreApplication::arguments()))
        return fail(parser.errorText());
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return {Screen::IndexedL, 0};
    }
    if (parser.isSet(version)) {
        std::printf("Pellucor %s\n", VERSION_TEXT);
        return {Screen::IndexedL, 0};
    }
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().constFirst()));
    if (!displayAvailable(QCoreApplication::arguments())) {
        std::fputs("pellucor: Pellucor is a desktop program and needs a graphical session. Start it from the "
                   "desktop, or on a virtual display with: xvfb-run pellucor\n",
            stderr);
        return {Screen::IndexedL, 1};
    }
    if (!parser.isSet(method))
        return {};
    const QString name = parser.value(method);
    const auto screen = screenFromOption(name.toStdString());
    if (!screen)
        return fail(QStringLiteral("unknown method '%1' (choose contiguous, linked, indexed or multilevel)").arg(name));
    return {*screen, std::nullopt};
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("Pellucor"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(VERSION_TEXT));
    const Start start = readCommandLine(argc, argv);
    if (start.exitStatus)
        return *start.exitStatus;

    // Ties the windows to the launcher, whose file is named for the program's id.
    QGuiApplication::setDesktopFileName(QStringLiteral(PELLUCOR_APP_ID));
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setQuitOnLastWindowClosed(false);  // the navigation decides when the program ends

    // The one random stream of the whole run, from its fixed starting state.
    ProgramRandomStream stream;
    Share share(stream);
    QtScreenHost host(share);
    host.navigator().start(start.first);
    return QApplication::exec();
}
