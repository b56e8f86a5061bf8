#include "shell/command_line.h"

#include "core/version.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <locale>
#include <optional>
#include <sstream>
#include <string_view>
#include <variant>

namespace {

// The value of `--name VALUE` or `--name=VALUE` at position i, which then moves past it.
std::optional<std::string> valueOf(
    std::string_view name, const std::vector<std::string>& arguments, std::size_t& i, bool& matched)
{
    const std::string& argument = arguments[i];
    matched = false;
    const std::string option = "--" + std::string(name);
    if (argument == option) {
        matched = true;
        if (i + 1 >= arguments.size())
            return std::nullopt;
        return arguments[++i];
    }
    if (argument.starts_with(option + "=")) {
        matched = true;
        return argument.substr(option.size() + 1);
    }
    return std::nullopt;
}

std::optional<std::uint64_t> seedOf(const std::string& text)
{
    std::uint64_t seed = 0;
    const auto [end, problem] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (text.empty() || problem != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return seed;
}

// Digits with at most one point among them and an optional exponent: no sign, blank, hexadecimal,
// inf or nan, which stream reading takes in some libraries.
bool isPlainDecimal(std::string_view text)
{
    const auto digitsFrom = [&](std::size_t& i) {
        const std::size_t first = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        return i - first;
    };
    std::size_t i = 0;
    std::size_t digits = digitsFrom(i);
    if (i < text.size() && text[i] == '.')
        digits += digitsFrom(++i);
    if (digits == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        if (digitsFrom(i) == 0)
            return false;
    }
    return i == text.size();
}

std::optional<double> scaleOf(const std::string& text)
{
    if (!isPlainDecimal(text))
        return std::nullopt;
    std::istringstream stream(text);
    stream.imbue(std::locale::classic());
    double scale = 0;
    stream >> scale;
    if (stream.fail() || !stream.eof() || !(scale >= 1.0 && scale <= 3.0))
        return std::nullopt;
    return scale;
}

CommandLine error(std::string text)
{
    CommandLine line;
    line.outcome = CommandLine::Outcome::Error;
    line.error = std::move(text);
    return line;
}

// The options of QGuiApplication, QApplication and the X11 platform that take a value.
constexpr std::string_view TOOLKIT_OPTIONS_WITH_VALUE[] = {"platform", "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon", "qwindowtitle", "session", "style", "stylesheet", "display", "geometry", "title",
    "icon", "name", "visual", "ncols", "fn", "font", "bg", "background", "fg", "foreground", "btn", "button", "im",
    "inputstyle", "qmljsdebugger", "graphicssystem"};
constexpr std::string_view TOOLKIT_SWITCHES[]
    = {"reverse", "widgetcount", "cmap", "nograb", "dograb", "sync", "testability"};
// And those written with their value after an equals sign.
constexpr std::string_view TOOLKIT_OPTIONS_WITH_EQUALS[] = {"style=", "stylesheet=", "qmljsdebugger="};

bool isOneOf(std::string_view name, const auto& names)
{
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

}  // namespace

std::optional<std::string> firstUnknownArgument(const std::vector<std::string>& others)
{
    for (std::size_t i = 0; i < others.size(); ++i) {
        std::string_view name = others[i];
        // The toolkit takes -name and --name alike.
        if (name.starts_with("--"))
            name.remove_prefix(2);
        else if (name.starts_with("-"))
            name.remove_prefix(1);
        else
            return others[i];
        if (isOneOf(name, TOOLKIT_OPTIONS_WITH_VALUE)) {
            ++i;
            continue;
        }
        const auto equals = name.find('=');
        if (isOneOf(name, TOOLKIT_SWITCHES)
            || (equals != std::string_view::npos && isOneOf(name.substr(0, equals + 1), TOOLKIT_OPTIONS_WITH_EQUALS)))
            continue;
        return others[i];
    }
    return std::nullopt;
}

CommandLine readCommandLine(const std::vector<std::string>& arguments)
{
    CommandLine line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "-h" || argument == "--help") {
            line.outcome = CommandLine::Outcome::Help;
            return line;
        }
        if (argument == "--version") {
            line.outcome = CommandLine::Outcome::Version;
            return line;
        }
        if (argument == "--lesson") {
            line.options.lesson = true;
            continue;
        }
        if (argument == "--readable") {
            line.options.readable = true;
            continue;
        }
        bool matched = false;
        if (const auto method = valueOf("method", arguments, i, matched); matched) {
            if (!method)
                return error("Missing value after '--method'.");
            const auto screen = screenFromOption(*method);
            if (!screen)
                return error("unknown method '" + *method + "' (choose contiguous, linked, indexed or multilevel)");
            line.options.firstScreen = *screen;
            continue;
        }
        if (const auto seed = valueOf("seed", arguments, i, matched); matched) {
            if (!seed)
                return error("Missing value after '--seed'.");
            line.options.seed = seedOf(*seed);
            if (!line.options.seed)
                return error("bad seed '" + *seed + "' (a whole number from 0 to 18446744073709551615)");
            continue;
        }
        if (const auto script = valueOf("script", arguments, i, matched); matched) {
            if (!script || script->empty())
                return error("Missing value after '--script'.");
            line.options.script = *script;
            continue;
        }
        if (const auto scale = valueOf("scale", arguments, i, matched); matched) {
            if (!scale)
                return error("Missing value after '--scale'.");
            line.options.fitScale = *scale == "fit";
            line.options.scale = line.options.fitScale ? std::optional<double>(3.0) : scaleOf(*scale);
            if (!line.options.scale)
                return error("bad scale '" + *scale + "' (a number from 1 to 3, or fit)");
            continue;
        }
        // Its value is optional: the next argument is it unless it is an option.
        if (argument == "--compare" || argument.starts_with("--compare=")) {
            std::string files = argument.size() > 9 ? argument.substr(10) : std::string();
            if (argument == "--compare" && i + 1 < arguments.size() && !arguments[i + 1].starts_with("-"))
                files = arguments[++i];
            auto workload = readWorkload(files);
            if (const auto* why = std::get_if<std::string>(&workload))
                return error("bad workload '" + files + "' (" + *why + ")");
            line.options.compare = std::get<Workload>(std::move(workload));
            continue;
        }
        line.others.push_back(argument);
    }
    return line;
}

std::string unknownArgumentError(const std::string& argument)
{
    const auto name = argument.find_first_not_of('-');
    if (argument.starts_with("-") && name != std::string::npos)
        return "Unknown option '" + argument.substr(name) + "'.";
    return "unexpected argument '" + argument + "'";
}

std::string usageText()
{
    return "Usage: pellucor [options]\n"
           "Shows how a file system gives disk blocks to files.\n"
           "\n"
           "Options:\n"
           "  -h, --help         Shows this help and ends.\n"
           "  --version          Shows the version and ends.\n"
           "  --method <method>  Opens on the screen of <method>: contiguous, linked,\n"
           "                     indexed (the linked index scheme) or multilevel. Without it\n"
           "                     Pellucor opens on the linked index scheme.\n"
           "  --lesson           Opens the lesson panel beside the first screen (F2 opens it\n"
           "                     from any screen).\n"
           "  --seed <n>         Starts the random stream from <n> (0 to 18446744073709551615)\n"
           "                     instead of its fixed state: other colours and blocks, the\n"
           "                     same ones in every run with the same <n>.\n"
           "  --script <file>    Opens the lesson panel with the steps of a scenario to go\n"
           "                     through one at a time (see the guide for the format): a\n"
           "                     UTF-8 text file of at most 1 MiB and 10000 steps.\n"
           "  --scale <f>        Shows every window <f> times as large (1 to 3), for a\n"
           "                     projector, or less where the screen is too small for it;\n"
           "                     fit: as large as the screen and the lesson panel fit side by\n"
           "                     side.\n"
           "  --readable         Draws the cells' text in black or white, whichever reads\n"
           "                     better on the cell, and larger, for a projector.\n"
           "  --compare [NAME:LENGTH,...]\n"
           "                     Opens the Compare window beside the first screen (F6 opens\n"
           "                     it from any screen) and lays the files given, each a name\n"
           "                     and a length from 1 to 64, on a disk of each method.\n";
}

std::string versionText() { return std::string("Pellucor ") + VERSION_TEXT + "\n"; }
