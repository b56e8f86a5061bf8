#pragma once

#include "core/control.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One thing a user does to a method screen.
enum class ActionKind {
    Type,      // replaces a field's whole text, as select-all and typing do
    Enter,     // Enter in a field
    Click,     // a button, by mouse or keyboard
    ClickRow,  // a row of a list
    Reload,    // the window unloaded and loaded again, as a switch away and back does
    StepBack,  // the last Add, Next Block or Clear undone
    Restart,   // the run started again: the stream at its start, the screen as new
};

struct Action {
    ActionKind kind = ActionKind::Reload;
    Control control = Control::txFile;
    std::string text;  // Type only
    int row = 0;       // ClickRow only

    static Action type(Control field, std::string text) { return {ActionKind::Type, field, std::move(text), 0}; }
    static Action enter(Control field) { return {ActionKind::Enter, field, {}, 0}; }
    static Action click(Control button) { return {ActionKind::Click, button, {}, 0}; }
    static Action clickRow(Control list, int row) { return {ActionKind::ClickRow, list, {}, row}; }
    static Action reload() { return {}; }
    static Action stepBack() { return {ActionKind::StepBack, Control::txFile, {}, 0}; }
    static Action restart() { return {ActionKind::Restart, Control::txFile, {}, 0}; }
    // Whether Step back can undo this action: a press of Add, Next Block or Clear.
    bool isUndoable() const
    {
        return kind == ActionKind::Click
            && (control == Control::cmAdd || control == Control::cmNext || control == Control::cmClear);
    }

    friend bool operator==(const Action&, const Action&) = default;
};

// One action per line, for reading and for pasting back:
//   type txStart "62.5"        (C escapes; a long run of one character as "9"*5000)
//   enter txFile
//   click cmAdd
//   row lvDirectory 3
//   reload
//   back
//   restart
std::string formatAction(const Action& action);
std::optional<Action> parseAction(std::string_view line);

// A replayable list: a "seed N" line for the random stream, then one action per line.
struct Replay {
    std::uint64_t seed = 0;
    std::vector<Action> actions;
};
std::string formatReplay(const Replay& replay);
// Blank lines and lines starting with '#' are skipped; empty when a line cannot be read.
std::optional<Replay> parseReplay(std::string_view text);

// A text written as one or more quoted pieces, a piece followed by *N repeated N times.
std::string quoteText(std::string_view text);
