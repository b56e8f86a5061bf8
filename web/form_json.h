#pragma once

#include "core/messages.h"
#include "core/screen_table.h"
#include "core/screen.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A screen's form as JSON, for the page and for the scenario tool: its cells (colour, text, text
// colour, number label), every control's text, enabled and shown state, its lists, captions and
// mode, the control the focus goes to, and the messages shown. Colours are "#rrggbb".
// `row`: the directory row a scenario clicked, to be shown chosen.
std::string formJson(const Screen& screen, std::optional<Control> focus, const std::vector<Message>& messages,
    std::optional<std::size_t> row = std::nullopt);

// What a face needs to draw a screen before its form: the window's caption and client size, its
// Method menu, the scheme names of the indexed screens and where every control stands (twips).
std::string screenFactsJson(ScreenId id);

// The About dialog: its title, version line, texts and where they stand.
std::string aboutJson();

// A JSON string: the text in quotes, with quotes, backslashes and control characters escaped.
std::string jsonString(std::string_view text);

// "#rrggbb" for a packed colour.
std::string cssColour(ColourValue colour);
