// Runs a scenario on the logic alone and prints, for the start and after each line, one line of
// JSON: the line as read and the form after it, what the page must show after the same actions.
// With --compare, prints instead the Compare window's figures for the workload as one line of JSON.
//
//   pellucor_scenario_json [--seed N] [--method NAME] FILE
//   pellucor_scenario_json [--seed N] --compare NAME:LENGTH,... [--file N] [--block K]
#include "web/compare_json.h"
#include "web/form_json.h"
#include "web/web_session.h"

#include <charconv>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <variant>

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
    std::optional<std::string> compare;
    std::size_t compareFile = 0;
    std::optional<int> compareBlock;
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
        } else if (arg == "--compare" && i + 1 < argc) {
            compare = argv[++i];
        } else if (arg == "--file" && i + 1 < argc) {
            compareFile = static_cast<std::size_t>(std::stoul(argv[++i]));
        } else if (arg == "--block" && i + 1 < argc) {
            compareBlock = std::stoi(argv[++i]);
        } else {
            path = arg;
        }
    }
    if (compare) {
        auto workload = readWorkload(*compare);
        if (const auto* why = std::get_if<std::string>(&workload)) {
            std::cerr << "bad workload: " << *why << '\n';
            return 2;
        }
        Comparison comparison(seed);
        comparison.place(std::get<Workload>(workload));
        std::cout << compareJson(comparison, compareFile, compareBlock) << '\n';
        return 0;
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
