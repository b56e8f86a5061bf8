#pragma once

#include "core/messages.h"
#include "core/screen.h"

#include <optional>
#include <string>
#include <vector>

// A screen's form as JSON, for the page and for the scenario tool: its cells (colour, text, text
// colour, number label), every control's text, enabled and shown state, its lists, captions and
// mode, the control the focus goes to, and the messages shown. Colours are "#rrggbb".
std::string formJson(const Screen& screen, std::optional<Control> focus, const std::vector<Message>& messages);

// "#rrggbb" for a packed colour.
std::string cssColour(ColourValue colour);
