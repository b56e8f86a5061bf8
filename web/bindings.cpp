// The page's way into the logic: one session for the page's life, driven by name.
#include "lesson/comparison.h"
#include "lesson/free_space.h"
#include "lesson/reading.h"
#include "web/compare_json.h"
#include "web/form_json.h"
#include "web/lesson_json.h"
#include "web/web_session.h"

#include <emscripten/bind.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <variant>

namespace {

std::unique_ptr<WebSession> session;
// The Compare dialog's four screens, from the session's seed.
std::unique_ptr<Comparison> comparison;

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
    comparison = std::make_unique<Comparison>(value);
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

// `focus`: the control that had the focus, by name, or "".
void add(const std::string& focus) { session->add(controlNamed(focus)); }
void next(const std::string& focus) { session->next(controlNamed(focus)); }
void clear(const std::string& focus) { session->clear(controlNamed(focus)); }
void clickRow(int row) { session->clickRow(row); }

void switchTo(const std::string& name)
{
    if (const auto id = screenNamed(name))
        session->switchTo(*id);
}

void restart(const std::string& focus) { session->restart(controlNamed(focus)); }
bool stepBack() { return session->stepBack(); }
void play() { session->lecture().play(); }
void stop() { session->lecture().stop(); }
bool tick() { return session->tick(); }
bool performNextStep() { return session->performNextStep(); }
void runToEnd() { session->lecture().runToEnd(); }
bool runSome(int most) { return session->runSome(static_cast<std::size_t>(most > 0 ? most : 1)); }

// "" when the scenario reads; else the first line it cannot read and what it should have held.
std::string setScenario(const std::string& text)
{
    const auto error = session->setScenario(text);
    return error ? "Line " + std::to_string(error->line) + ": expected " + error->expected : std::string();
}

// Withdraws the standing question once the screen shows something else; true then.
bool followExercise() { return session->lecture().exercises().follow(&session->loaded()); }
std::string lecture() { return lectureJson(session->lecture()); }
std::string reading(int file, int block) { return readingJson(session->loaded(), file, block); }
std::string freeSpace() { return freeSpaceJson(session->loaded()); }
std::string askQuestion(bool aboutAdd) { return askJson(session->lecture(), session->loaded(), aboutAdd); }
std::string checkAnswer(const std::string& answer) { return checkJson(session->lecture(), answer); }

// "" once the workload is laid on the four screens; else why the text is not a workload.
std::string comparePlace(const std::string& text)
{
    auto workload = readWorkload(text);
    if (const auto* why = std::get_if<std::string>(&workload))
        return *why;
    comparison->place(std::get<Workload>(workload));
    return {};
}

// k < 0: the file's last block.
std::string compare(int file, int k)
{
    return compareJson(*comparison, static_cast<std::size_t>(std::max(file, 0)), k < 0 ? std::nullopt : std::optional(k));
}

}  // namespace

EMSCRIPTEN_BINDINGS(pellucor)
{
    using emscripten::function;
    function("start", &start);
    function("state", &state);
    function("facts", &facts);
    function("about", &aboutJson);
    function("type", &type);
    function("enter", &enter);
    function("add", &add);
    function("next", &next);
    function("clear", &clear);
    function("clickRow", &clickRow);
    function("switchTo", &switchTo);
    function("restart", &restart);
    function("stepBack", &stepBack);
    function("play", &play);
    function("stop", &stop);
    function("tick", &tick);
    function("performNextStep", &performNextStep);
    function("runToEnd", &runToEnd);
    function("runSome", &runSome);
    function("setScenario", &setScenario);
    function("lecture", &lecture);
    function("followExercise", &followExercise);
    function("reading", &reading);
    function("freeSpace", &freeSpace);
    function("ask", &askQuestion);
    function("check", &checkAnswer);
    function("comparePlace", &comparePlace);
    function("compare", &compare);
}
