// The page's way into the logic: one session for the page's life, driven by name.
#include "lesson/free_space.h"
#include "lesson/reading.h"
#include "lesson/scenario.h"
#include "web/form_json.h"
#include "web/web_session.h"

#include <emscripten/bind.h>

#include <memory>
#include <optional>
#include <string>
#include <variant>

namespace {

std::unique_ptr<WebSession> session;

std::optional<Control> controlNamed(const std::string& name)
{
    for (int c = 0; c <= static_cast<int>(Control::Label4); ++c) {
        if (name == controlName(static_cast<Control>(c)))
            return static_cast<Control>(c);
    }
    return std::nullopt;
}

std::optional<ScreenId> screenNamed(const std::string& name)
{
    for (const ScreenFacts& facts : screen_table::SCREENS) {
        if (name == facts.formName || name == facts.option)
            return facts.id;
    }
    return std::nullopt;
}

// seed: decimal digits, or empty for the stream's fixed start; first: a --method name.
bool start(const std::string& seed, const std::string& first)
{
    std::optional<std::uint64_t> value;
    if (!seed.empty()) {
        std::uint64_t n = 0;
        for (const char c : seed) {
            if (c < '0' || c > '9' || n > (UINT64_MAX - 9) / 10)
                return false;
            n = n * 10 + static_cast<std::uint64_t>(c - '0');
        }
        value = n;
    }
    const auto screen = first.empty() ? std::optional(ScreenId::IndexedL) : screenFromOption(first);
    if (!screen)
        return false;
    session = std::make_unique<WebSession>(value, *screen);
    return true;
}

std::string state() { return session->stateJson(); }

std::string facts(const std::string& name)
{
    const auto id = screenNamed(name);
    return id ? screenFactsJson(*id) : std::string("null");
}

void type(const std::string& field, const std::string& text)
{
    if (const auto c = controlNamed(field))
        session->type(*c, text);
}

void enter(const std::string& field)
{
    if (const auto c = controlNamed(field))
        session->enter(*c);
}

void add() { session->add(); }
void next() { session->next(); }
void clear() { session->clear(); }
void clickRow(int row) { session->clickRow(row); }

void switchTo(const std::string& name)
{
    if (const auto id = screenNamed(name))
        session->switchTo(*id);
}

// A scenario checked whole; "" when it reads, else the first line it cannot read and why.
std::string checkScenario(const std::string& text)
{
    const auto read = readScenario(text, session->loadedId());
    if (const auto* error = std::get_if<ScenarioError>(&read))
        return "Line " + std::to_string(error->line) + ": expected " + error->expected;
    return {};
}

// Does the whole scenario; false when it does not read.
bool runScenario(const std::string& text)
{
    const auto read = readScenario(text, session->loadedId());
    const auto* steps = std::get_if<std::vector<ScenarioStep>>(&read);
    if (steps == nullptr)
        return false;
    bool first = true;
    for (const ScenarioStep& step : *steps) {
        session->perform(step, first);
        first = false;
    }
    return true;
}

}  // namespace

EMSCRIPTEN_BINDINGS(pellucor)
{
    emscripten::function("start", &start);
    emscripten::function("state", &state);
    emscripten::function("facts", &facts);
    emscripten::function("about", &aboutJson);
    emscripten::function("type", &type);
    emscripten::function("enter", &enter);
    emscripten::function("add", &add);
    emscripten::function("next", &next);
    emscripten::function("clear", &clear);
    emscripten::function("clickRow", &clickRow);
    emscripten::function("switchTo", &switchTo);
    emscripten::function("checkScenario", &checkScenario);
    emscripten::function("runScenario", &runScenario);
}
