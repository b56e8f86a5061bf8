#include "shell/command_line.h"

#include "core/version.h"

#include <optional>
#include <string_view>

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

CommandLine error(std::string text)
{
    CommandLine line;
    line.outcome = CommandLine::Outcome::Error;
    line.error = std::move(text);
    return line;
}

}  // namespace

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
           "                     from any screen).\n";
}

std::string versionText() { return std::string("Pellucor ") + VERSION_TEXT + "\n"; }
