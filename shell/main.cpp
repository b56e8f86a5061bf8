#include "core/random_stream.h"
#include "core/share.h"
#include "lesson/scenario_file.h"
#include "core/window_layout.h"
#include "shell/command_line.h"
#include "shell/qt_screen_host.h"

#include <QApplication>
#include <QScreen>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace {

constexpr int USAGE_ERROR = 2;

int refuse(const std::string& error)
{
    std::fprintf(stderr, "pellucor: %s\n\n%s", error.c_str(), usageText().c_str());
    return USAGE_ERROR;
}

constexpr const char* NO_DISPLAY = "pellucor: Pellucor is a desktop program and needs a graphical session. Start it "
                                   "from the desktop, or on a virtual display with: xvfb-run pellucor\n";

// Whether Qt will find a display. Without one it would abort with advice about reinstalling.
bool displayAvailable(const std::vector<std::string>& others)
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
    for (const std::string& argument : others) {
        if (argument == "-platform" || argument == "--platform" || argument == "-display" || argument == "--display")
            return true;
    }
    return false;
#else
    Q_UNUSED(others);
    return true;
#endif
}

// A message the toolkit gave while it started, kept until it can be passed on.
class HeldMessage {
public:
    HeldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
        : m_type(type),
          m_text(text),
          m_line(context.line),
          m_file(copyOf(context.file)),
          m_function(copyOf(context.function)),
          m_category(copyOf(context.category))
    {
    }

    void passOn() const
    {
        const QMessageLogContext context(pointerTo(m_file), m_line, pointerTo(m_function), pointerTo(m_category));
        qt_message_output(m_type, context, m_text);
    }

private:
    static std::optional<std::string> copyOf(const char* text)
    {
        return text == nullptr ? std::nullopt : std::optional<std::string>(text);
    }
    static const char* pointerTo(const std::optional<std::string>& text) { return text ? text->c_str() : nullptr; }

    QtMsgType m_type;
    QString m_text;
    int m_line;
    std::optional<std::string> m_file, m_function, m_category;
};

// A display that is named but cannot be reached makes the toolkit end the program with advice about
// reinstalling it. So while the application is made its messages are held back, and that fatal one
// becomes the message for no display at all; the others go out once the application exists.
struct StartMessages {
    std::mutex mutex;
    bool holding = false;
    std::vector<HeldMessage> held;
};

StartMessages& startMessages()
{
    static StartMessages messages;
    return messages;
}

void passOnStartMessages()
{
    qInstallMessageHandler(nullptr);
    std::vector<HeldMessage> held;
    {
        const std::lock_guard lock(startMessages().mutex);
        startMessages().holding = false;
        held.swap(startMessages().held);
    }
    for (const HeldMessage& message : held)
        message.passOn();
}

void holdStartMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg
        && (text.contains(QLatin1String("could not connect to display"))
            || text.contains(QLatin1String("no Qt platform plugin could be initialized")))) {
        std::fputs(NO_DISPLAY, stderr);
        std::_Exit(1);
    }
    {
        const std::lock_guard lock(startMessages().mutex);
        if (startMessages().holding && type != QtFatalMsg) {
            startMessages().held.emplace_back(type, context, text);
            return;
        }
    }
    passOnStartMessages();
    qt_message_output(type, context, text);
}

void holdStartMessages()
{
    startMessages().holding = true;
    qInstallMessageHandler(holdStartMessage);
}

// The screen's free area at scale 1, from a toolkit started for a moment: the scale must be set
// before the program's own application starts, and cannot change after.
Extent availableRoom(int argc, char* argv[])
{
    std::vector<char*> arguments(argv, argv + argc);
    arguments.push_back(nullptr);
    int count = argc;
    holdStartMessages();
    const QGuiApplication probe(count, arguments.data());
    passOnStartMessages();
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen == nullptr ? Extent{}
                             : Extent{screen->availableGeometry().width(), screen->availableGeometry().height()};
}

// The scale asked for, or less where the screen is too small for it; `fit`: the largest at which
// the method window and the lesson panel fit side by side.
double chosenScale(const StartOptions& options, Extent room)
{
    const Extent pair{METHOD_WINDOW_FRAME.width + WINDOW_GAP + LESSON_PANEL_FRAME.width,
        std::max(METHOD_WINDOW_FRAME.height, LESSON_PANEL_FRAME.height)};
    // With the panel open from the start, it must at least fit over the window's picture margin.
    const Extent besidePanel{METHOD_WINDOW_FRAME.width + NARROWEST_PANEL - PICTURE_MARGIN, METHOD_WINDOW_FRAME.height};
    const bool panel = options.lesson || options.script;
    const double scale
        = fittingScale(*options.scale, room, options.fitScale ? pair : panel ? besidePanel : METHOD_WINDOW_FRAME);
    if (options.fitScale)
        std::fprintf(stderr, "pellucor: --scale fit: %g for a screen of %dx%d\n", scale, room.width, room.height);
    else if (scale < *options.scale)
        std::fprintf(stderr, "pellucor: --scale %g does not fit a screen of %dx%d; using %g\n", *options.scale,
            room.width, room.height, scale);
    return scale;
}

}  // namespace

int main(int argc, char* argv[])
{
    const CommandLine line = readCommandLine({argv + std::min(argc, 1), argv + argc});
    switch (line.outcome) {
    case CommandLine::Outcome::Help: std::fputs(usageText().c_str(), stdout); return 0;
    case CommandLine::Outcome::Version: std::fputs(versionText().c_str(), stdout); return 0;
    case CommandLine::Outcome::Error: return refuse(line.error);
    case CommandLine::Outcome::Run: break;
    }
    if (const auto unknown = firstUnknownArgument(line.others))
        return refuse(unknownArgumentError(*unknown));
    std::vector<ScenarioStep> steps;
    if (line.options.script) {
        auto read = readScenarioFile(*line.options.script, line.options.firstScreen);
        if (const auto* error = std::get_if<ScenarioFileError>(&read)) {
            std::fprintf(stderr, "%s\n", error->message.c_str());
            return USAGE_ERROR;
        }
        steps = std::get<std::vector<ScenarioStep>>(std::move(read));
    }
    if (!displayAvailable(line.others)) {
        std::fputs(NO_DISPLAY, stderr);
        return 1;
    }

    if (line.options.scale && *line.options.scale > 1.0) {
        const Extent room = availableRoom(argc, argv);
        qputenv("QT_SCALE_FACTOR", QByteArray::number(chosenScale(line.options, room)));
    }
    // Ties the windows to the launcher, whose file is named for the program's id.
    QGuiApplication::setDesktopFileName(QStringLiteral(PELLUCOR_APP_ID));
    holdStartMessages();
    QApplication app(argc, argv);
    passOnStartMessages();
    QApplication::setApplicationName(QStringLiteral("Pellucor"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setQuitOnLastWindowClosed(false);  // the navigation decides when the program ends
    // The toolkit has taken its own options out; whatever is left is a mistake.
    const QStringList rest = QApplication::arguments().mid(1);
    std::vector<std::string> remaining;
    for (const QString& argument : rest)
        remaining.push_back(argument.toStdString());
    if (const CommandLine left = readCommandLine(remaining); !left.others.empty())
        return refuse(unknownArgumentError(left.others.front()));

    // The one random stream of the whole run, from its fixed starting state or the chosen seed.
    ProgramRandomStream stream = line.options.seed ? ProgramRandomStream(*line.options.seed) : ProgramRandomStream();
    Share share(stream);
    QtScreenHost host(share);
    host.lessons().setReadable(line.options.readable);
    if (line.options.seed) {
        host.seedExercises(*line.options.seed);
        host.seedComparison(*line.options.seed);
    }
    const bool scenario = !steps.empty();
    host.setScenario(std::move(steps));
    host.navigator().start(line.options.firstScreen);
    if (line.options.lesson || scenario)
        host.showLesson(false);
    if (line.options.compare)
        host.showCompare(*line.options.compare);
    return QApplication::exec();
}
