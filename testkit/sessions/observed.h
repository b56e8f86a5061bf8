#pragma once

#include "core/colour.h"
#include "core/control.h"
#include "core/messages.h"

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

// Everything a user can see of a method screen, and what its screen object keeps: the code under
// test and its reference each describe themselves in this form after every action, and the two are
// compared field by field. A screen fills in the parts it has and leaves the rest empty.
struct Observed {
    struct Cell {
        ColourValue colour = FREE_COLOUR;
        std::string text;
        std::optional<ColourValue> textColour;  // empty: the window-text colour
        std::string label;                      // the number label beside the cell
        friend bool operator==(const Cell&, const Cell&) = default;
    };
    struct Column {
        std::string caption;
        float width = 0.0F;  // twips
        friend bool operator==(const Column&, const Column&) = default;
    };
    struct Row {
        std::vector<std::string> cells;
        std::optional<ColourValue> colour;  // of the first cell
        friend bool operator==(const Row&, const Row&) = default;
    };
    struct List {
        bool reportView = false;
        std::vector<Column> columns;
        std::vector<Row> rows;
        friend bool operator==(const List&, const List&) = default;
    };

    bool loaded = false;
    std::vector<Cell> disk;                     // 64 cells while loaded
    std::map<Control, List> lists;              // lvDirectory, lvIndex
    std::map<std::string, std::string> labels;  // captions that change, by control name
    std::map<Control, std::string> fields;      // entry fields' texts
    std::map<Control, bool> enabled;            // every control the screen has
    std::map<Control, bool> visible;
    std::optional<Control> focusRequest;           // where the last action sent the focus, if anywhere
    std::vector<Message> messages;                 // raised by the last action, in order
    std::map<std::string, std::string> variables;  // the screen object's own state ("currentColour")

    friend bool operator==(const Observed&, const Observed&) = default;
};

// How the actual state differs from the expected one, one line per difference, at most `limit`.
std::vector<std::string> differences(const Observed& expected, const Observed& actual, std::size_t limit = 24);

// Whether a user could do this now: a field or button that is shown and enabled, a row that exists.
struct Action;
bool canBeDone(const Action& action, const Observed& now);

std::string describeColour(ColourValue colour);
std::string describeMessage(const Message& message);
