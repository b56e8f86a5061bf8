#include "core/random_stream.h"
#include "core/share.h"
#include "lesson/scenario.h"
#include "shell/command_line.h"
#include "shell/qt_screen_host.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
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

// The scenario of --script, or the status to end with when it cannot be read.
std::variant<std::vector<ScenarioStep>, int> readScript(const StartOptions& options)
{
    if (!options.script)
        return std::vector<ScenarioStep>{};
    const std::string& path = *options.script;
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    if (!file || !(text << file.rdbuf())) {
        std::fprintf(stderr, "pellucor: %s: cannot be read\n", path.c_str());
        return USAGE_ERROR;
    }
    auto read = readScenario(text.str(), options.firstScreen);
    if (const auto* error = std::get_if<ScenarioError>(&read)) {
        std::fprintf(stderr, "pellucor: %s:%d: expected %s\n", path.c_str(), error->line, error->expected.c_str());
        return USAGE_ERROR;
    }
    return std::get<std::vector<ScenarioStep>>(std::move(read));
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
    auto script = readScript(line.options);
    if (const int* status = std::get_if<int>(&script))
        return *status;
    if (!displayAvailable(line.others)) {
        std::fputs("pellucor: Pellucor is a desktop program and needs a graphical session. Start it from the "
                   "desktop, or on a virtual display with: xvfb-run pellucor\n",
            stderr);
        return 1;
    }

    if (line.options.scale)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(*line.options.scale));
    // Ties the windows to the launcher, whose file is named for the program's id.
    QGuiApplication::setDesktopFileName(QStringLiteral(PELLUCOR_APP_ID));
    QApplication app(argc, argv);
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
    if (line.options.seed) {
        host.seedExercises(*line.options.seed);
        host.seedComparison(*line.options.seed);
    }
    auto& steps = std::get<std::vector<ScenarioStep>>(script);
    const bool scenario = !steps.empty();
    host.setScenario(std::move(steps));
    host.navigator().start(line.options.firstScreen);
    if (line.options.lesson || scenario)
        host.showLesson(false);
    if (line.options.compare)
        host.showCompare(*line.options.compare);
    return QApplication::exec();
}
