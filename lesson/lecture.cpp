#include "lesson/lecture.h"

#include <utility>

namespace {

// Next Block is pressed at most this often for one step, however long the file.
constexpr int MOST_PRESSES = 1000;

ScenarioStep stepOf(ScenarioStep::Kind kind)
{
    ScenarioStep step;
    step.kind = kind;
    return step;
}

}  // namespace

Lecture::Lecture(Stage& stage, Share& share, std::uint64_t exerciseSeed)
    : m_stage(stage), m_share(share), m_exercises(exerciseSeed)
{
}

void Lecture::screenMade(Screen& screen) { m_made[&screen] = screen.save(); }

void Lecture::screenLoaded(ScreenId screen)
{
    m_history.clear();
    m_playing = false;
    // A screen left before anything was done on it holds nothing that its next load does not set
    // again, so only the last of a run of switches is kept: many switches cost no memory.
    if (!m_journal.empty() && m_journal.back().kind == ScenarioStep::Kind::Screen && m_journal.back().note.empty())
        m_journal.pop_back();
    ScenarioStep step = stepOf(ScenarioStep::Kind::Screen);
    step.screen = screen;
    write(std::move(step));
}

void Lecture::write(ScenarioStep step)
{
    step.note = std::exchange(m_stepNote, {});
    m_journal.push_back(std::move(step));
}

void Lecture::rowClicked(std::size_t row)
{
    ScenarioStep step = stepOf(ScenarioStep::Kind::Row);
    step.count = static_cast<int>(row + 1);
    write(std::move(step));
}

void Lecture::seedWith(std::uint64_t seed)
{
    m_seed = seed;
    m_exercises = ExerciseSession(seed);
}

std::string Lecture::savedScenario() const
{
    const std::string seed = m_seed ? " --seed " + std::to_string(*m_seed) : "";
    const ScreenId first = m_journal.empty() ? ScreenId::IndexedL : m_journal.front().screen;
    return writeScenario(m_journal, first,
        "A lecture saved from Pellucor's Lecture page. To do it again: pellucor" + seed + " --script FILE");
}

bool Lecture::runSome(std::size_t most)
{
    for (std::size_t n = 0; n < most && m_running; ++n) {
        // A step stops play; Run to end goes on.
        m_running = performNextStep() && stepsLeft();
    }
    return m_running;
}

void Lecture::record(Screen& screen, std::optional<Control> focus, Control action)
{
    m_history.push_back({Snapshot(screen, m_share), focus, std::nullopt, m_journal.size(), std::nullopt});
    using Kind = ScenarioStep::Kind;
    const Kind kind = action == Control::cmAdd ? Kind::Add : action == Control::cmNext ? Kind::Next : Kind::Clear;
    ScenarioStep step = stepOf(kind);
    if (action == Control::cmAdd && screen.isLoaded()) {
        const EntryForm& fields = screen.form().fields;
        step.name = fields.text(Control::txFile);
        step.start = fields.hasField(Control::txStart) ? fields.text(Control::txStart) : "";
        step.length = fields.text(Control::txLenght);
    }
    write(std::move(step));
}

void Lecture::beforeAction(Control action, std::optional<Control> focus)
{
    stop();
    if (Screen* screen = m_stage.loadedScreen())
        record(*screen, focus, action);
}

bool Lecture::stepBack()
{
    if (m_history.empty())
        return false;
    m_playing = false;
    Undo& last = m_history.back();
    last.snapshot.restore(m_share);
    if (last.exercises)
        m_exercises = *last.exercises;
    if (last.journal)
        m_journal = std::move(*last.journal);
    else
        m_journal.erase(m_journal.begin() + static_cast<std::ptrdiff_t>(last.journalSize), m_journal.end());
    if (Screen* screen = m_stage.loadedScreen(); screen != nullptr && last.focus)
        screen->requestFocus(*last.focus);
    m_history.pop_back();
    return true;
}

void Lecture::restart(std::optional<Control> focus)
{
    m_playing = false;
    m_history.push_back({Snapshot(m_stage.screens(), m_share), focus, m_exercises, 0, std::move(m_journal)});
    m_journal.clear();
    for (Screen* screen : m_stage.screens()) {
        if (const auto made = m_made.find(screen); made != m_made.end())
            screen->restore(*made->second);
    }
    m_share.rewindTo(0);
    m_exercises.restart();
    if (Screen* screen = m_stage.loadedScreen()) {
        screen->load();
        screen->requestFocus(Control::txFile);
        ScenarioStep step = stepOf(ScenarioStep::Kind::Screen);
        step.screen = screen->id();
        write(std::move(step));
    }
}

bool Lecture::pressNext(Screen& screen)
{
    if (screen.mode() == Mode::Idle)
        return false;
    record(screen, std::nullopt, Control::cmNext);
    screen.nextBlock(m_stage.messages());
    return true;
}

bool Lecture::tick()
{
    Screen* screen = m_stage.loadedScreen();
    if (!m_playing || screen == nullptr || !pressNext(*screen)) {
        m_playing = false;
        return false;
    }
    return true;
}

void Lecture::setScenario(std::vector<ScenarioStep> steps)
{
    m_scenario = std::move(steps);
    m_nextStep = 0;
}

bool Lecture::performNextStep()
{
    if (!stepsLeft())
        return false;
    m_playing = false;
    const ScenarioStep& step = m_scenario[m_nextStep++];
    m_stepNote = step.note;
    if (step.kind == ScenarioStep::Kind::Screen) {
        const std::size_t journaled = m_journal.size();
        m_stage.switchTo(step.screen);
        // On the screen already: nothing was loaded, but the note is kept all the same.
        if (m_journal.size() == journaled && !m_stepNote.empty()) {
            ScenarioStep* last = m_journal.empty() ? nullptr : &m_journal.back();
            if (last != nullptr && last->kind == ScenarioStep::Kind::Screen && last->screen == step.screen
                && last->note.empty()) {
                last->note = std::exchange(m_stepNote, {});
            } else {
                ScenarioStep kept = stepOf(ScenarioStep::Kind::Screen);
                kept.screen = step.screen;
                write(std::move(kept));
            }
        }
        m_stepNote.clear();
        return true;
    }
    Screen* screen = m_stage.loadedScreen();
    if (screen == nullptr)
        return true;
    std::optional<std::size_t> row;
    switch (step.kind) {
    case ScenarioStep::Kind::Add: {
        // As typed: only fields that take typing now, and Add only while it can be pressed.
        const EntryForm& fields = screen->form().fields;
        for (const auto& [field, text] : {std::pair{Control::txFile, &step.name}, {Control::txStart, &step.start},
                 {Control::txLenght, &step.length}}) {
            if (fields.hasField(field) && fields.isEnabled(field))
                screen->type(field, *text);
        }
        if (screen->form().fields.isEnabled(Control::cmAdd)) {
            record(*screen, std::nullopt, Control::cmAdd);
            screen->addFile(m_stage.messages());
        }
        break;
    }
    case ScenarioStep::Kind::Next:
        for (int n = 0; n < step.count && pressNext(*screen); ++n) {
        }
        break;
    case ScenarioStep::Kind::NextAll:
        for (int n = 0; n < MOST_PRESSES && pressNext(*screen); ++n) {
        }
        break;
    case ScenarioStep::Kind::Clear:
        if (screen->form().fields.isEnabled(Control::cmClear)) {
            record(*screen, std::nullopt, Control::cmClear);
            screen->clear();
        }
        break;
    case ScenarioStep::Kind::Row:
        if (static_cast<std::size_t>(step.count) <= screen->form().list(Control::lvDirectory).rowCount()) {
            row = static_cast<std::size_t>(step.count - 1);
            rowClicked(*row);
            screen->clickRow(*row);
        }
        break;
    case ScenarioStep::Kind::Screen: break;
    }
    m_stepNote.clear();
    m_stage.showChanges(row);
    return true;
}
