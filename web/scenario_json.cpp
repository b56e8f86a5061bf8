// Runs a scenario on the logic alone and prints, for the start and after each line, one line of
// JSON: the line as read and the form after it, what the page must show after the same actions.
//
//   pellucor_scenario_json [--seed N] [--method NAME] FILE
#include "web/form_json.h"
#include "web/web_session.h"

#include <charconv>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {

std::string stepJson(const ScenarioStep& step)
{
    static constexpr const char* KINDS[] = {"screen", "add", "next", "nextAll", "clear", "row"};
    std::string out = "{\"kind\":\"";
    out += KINDS[static_cast<int>(step.kind)];
    out += std::string("\",\"screen\":\"") + std::string(formName(step.screen)) + "\",\"count\":" + std::to_string(step.count)
        + ",\"fields\":{\"txFile\":" + jsonString(step.name) + ",\"txStart\":" + jsonString(step.start)
        + ",\"txLenght\":" + jsonString(step.length) + "}}";
    return out;
}

}  // namespace

int main(int argc, char** argv)
{
    std::optional<std::uint64_t> seed;
    ScreenId first = ScreenId::IndexedL;
    std::string path;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--seed" && i + 1 < argc) {
            const std::string_view text = argv[++i];
            std::uint64_t value = 0;
            const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
            if (error != std::errc{} || end != text.data() + text.size()) {
                std::cerr << "bad seed: " << text << '\n';
                return 2;
            }
            seed = value;
        } else if (arg == "--method" && i + 1 < argc) {
            const auto id = screenFromOption(argv[++i]);
            if (!id) {
                std::cerr << "unknown method: " << argv[i] << '\n';
                return 2;
            }
            first = *id;
        } else {
            path = arg;
        }
    }
    std::ifstream file(path);
    if (!file) {
        std::cerr << "usage: pellucor_scenario_json [--seed N] [--method NAME] FILE\n";
        return 2;
    }
    std::stringstream text;
    text << file.rdbuf();
    WebSession session(seed, first);
    if (const auto error = session.setScenario(text.str())) {
        std::cerr << path << ':' << error->line << ": expected " << error->expected << '\n';
        return 1;
    }
    std::cout << "{\"step\":null,\"state\":" << session.stateJson() << "}\n";
    for (const ScenarioStep& step : session.lecture().scenario()) {
        session.performNextStep();
        std::cout << "{\"step\":" << stepJson(step) << ",\"state\":" << session.stateJson() << "}\n";
    }
    return 0;
}
