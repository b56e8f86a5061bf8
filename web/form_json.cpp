#include "web/form_json.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr Control ALL_CONTROLS[] = {Control::txFile, Control::txStart, Control::txLenght, Control::cmAdd,
    Control::cmClear, Control::cmNext, Control::cmdChg, Control::lvDirectory, Control::lvIndex, Control::lbCurTotal,
    Control::lbToGo, Control::lbUsage, Control::Label4};

void quoted(std::string& out, std::string_view text)
{
    out += '"';
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
            out += escaped;
        } else {
            out += c;
        }
    }
    out += '"';
}

void colourOrNull(std::string& out, const std::optional<ColourValue>& colour)
{
    if (colour)
        quoted(out, cssColour(*colour));
    else
        out += "null";
}

const char* modeName(Mode mode)
{
    switch (mode) {
    case Mode::Idle: return "Idle";
    case Mode::Walking: return "Walking";
    case Mode::Placing: return "Placing";
    }
    return "";
}

const char* iconName(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None: return "None";
    case MessageIcon::Information: return "Information";
    case MessageIcon::Critical: return "Critical";
    }
    return "";
}

void list(std::string& out, const ReportList& l)
{
    out += "{\"width\":" + std::to_string(l.width()) + ",\"columns\":[";
    for (std::size_t c = 0; c < l.columns().size(); ++c) {
        out += c == 0 ? "{\"caption\":" : ",{\"caption\":";
        quoted(out, l.columns()[c].caption);
        // Rounded as the desktop's lists round them.
        out += ",\"width\":" + std::to_string(std::lround(l.columns()[c].width)) + "}";
    }
    out += "],\"rows\":[";
    for (std::size_t r = 0; r < l.rows().size(); ++r) {
        const ReportList::Row& row = l.rows()[r];
        out += r == 0 ? "{\"cells\":[" : ",{\"cells\":[";
        for (std::size_t c = 0; c < row.cells.size(); ++c) {
            if (c > 0)
                out += ',';
            quoted(out, row.cells[c]);
        }
        out += "],\"colour\":";
        colourOrNull(out, row.colour);
        out += '}';
    }
    out += "]}";
}

}  // namespace

std::string cssColour(ColourValue colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", redOf(colour), greenOf(colour), blueOf(colour));
    return text;
}

std::string formJson(const Screen& screen, std::optional<Control> focus, const std::vector<Message>& messages)
{
    const Form& form = screen.form();
    std::string out = "{\"screen\":";
    quoted(out, formName(screen.id()));
    out += ",\"mode\":";
    quoted(out, modeName(screen.mode()));
    out += ",\"cells\":[";
    for (int i = 0; i < BlockDisk::BLOCKS; ++i) {
        const BlockDisk::Cell& cell = form.disk.cell(i);
        out += i == 0 ? "{\"colour\":" : ",{\"colour\":";
        quoted(out, cssColour(cell.colour));
        out += ",\"text\":";
        quoted(out, cell.text);
        out += ",\"textColour\":";
        colourOrNull(out, cell.textColour);
        out += ",\"label\":";
        quoted(out, form.disk.label(i));
        out += '}';
    }
    out += "],\"controls\":{";
    bool first = true;
    for (const Control c : ALL_CONTROLS) {
        out += first ? "" : ",";
        first = false;
        quoted(out, controlName(c));
        out += ":{\"enabled\":";
        out += form.fields.isEnabled(c) ? "true" : "false";
        out += ",\"visible\":";
        out += form.fields.isVisible(c) ? "true" : "false";
        out += '}';
    }
    out += "},\"fields\":{";
    first = true;
    for (const Control c : form.fields.fields()) {
        out += first ? "" : ",";
        first = false;
        quoted(out, controlName(c));
        out += ':';
        quoted(out, form.fields.text(c));
    }
    out += "},\"lists\":{";
    first = true;
    for (const auto& [control, l] : form.lists) {
        out += first ? "" : ",";
        first = false;
        quoted(out, controlName(control));
        out += ':';
        list(out, l);
    }
    out += "},\"captions\":{";
    first = true;
    for (const auto& [control, caption] : form.captions) {
        out += first ? "" : ",";
        first = false;
        quoted(out, controlName(control));
        out += ':';
        quoted(out, caption);
    }
    out += "},\"focus\":";
    if (focus)
        quoted(out, controlName(*focus));
    else
        out += "null";
    out += ",\"messages\":[";
    for (std::size_t m = 0; m < messages.size(); ++m) {
        out += m == 0 ? "{\"title\":" : ",{\"title\":";
        quoted(out, messages[m].title);
        out += ",\"text\":";
        quoted(out, messages[m].text);
        out += ",\"icon\":";
        quoted(out, iconName(messages[m].icon));
        out += '}';
    }
    out += "]}";
    return out;
}
