#include "web/form_json.h"

#include "core/form_layout.h"
#include "core/version.h"
#include "shell/about_texts.h"

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
    out += std::string("{\"width\":") + std::to_string(l.width()) + ",\"columns\":[";
    for (std::size_t c = 0; c < l.columns().size(); ++c) {
        out += c == 0 ? "{\"caption\":" : ",{\"caption\":";
        quoted(out, l.columns()[c].caption);
        // Rounded as the desktop's lists round them.
        out += std::string(",\"width\":") + std::to_string(std::lround(l.columns()[c].width)) + "}";
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

void rect(std::string& out, const form_layout::Rect& r)
{
    out += std::string("[") + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.width) + ","
        + std::to_string(r.height) + "]";
}

void optionalRect(std::string& out, const char* name, const std::optional<form_layout::Rect>& r)
{
    out += ",\"";
    out += name;
    out += "\":";
    if (r)
        rect(out, *r);
    else
        out += "null";
}

}  // namespace

std::string screenFactsJson(ScreenId id)
{
    namespace fl = form_layout;
    const ScreenFacts& facts = factsOf(id);
    const fl::ScreenLayout& layout = fl::layoutOf(id);
    std::string out = "{\"formName\":";
    quoted(out, facts.formName);
    out += ",\"caption\":";
    quoted(out, facts.caption);
    out += ",\"methodName\":";
    quoted(out, facts.methodName);
    out += std::string(",\"client\":[") + std::to_string(facts.clientWidth) + "," + std::to_string(facts.clientHeight) + "]";
    out += ",\"methodMenu\":[";
    for (std::size_t i = 0; i < facts.methodMenu.size(); ++i) {
        out += i == 0 ? "{\"target\":" : ",{\"target\":";
        quoted(out, formName(facts.methodMenu[i].target));
        out += ",\"name\":";
        quoted(out, facts.methodMenu[i].name);
        out += ",\"caption\":";
        quoted(out, facts.methodMenu[i].caption);
        out += '}';
    }
    out += "],\"schemeName\":";
    quoted(out, facts.schemeName);
    out += ",\"otherScheme\":";
    if (facts.otherScheme) {
        out += "{\"target\":";
        quoted(out, formName(*facts.otherScheme));
        out += ",\"schemeName\":";
        quoted(out, factsOf(*facts.otherScheme).schemeName);
        out += '}';
    } else {
        out += "null";
    }
    out += std::string(",\"grid\":{\"left\":") + std::to_string(fl::GRID_LEFT) + ",\"top\":" + std::to_string(fl::GRID_TOP)
        + ",\"pitch\":" + std::to_string(fl::PITCH) + ",\"cellLeft\":" + std::to_string(fl::CELL_LEFT)
        + ",\"cellWidth\":" + std::to_string(fl::CELL_WIDTH) + ",\"cellHeight\":" + std::to_string(fl::CELL_HEIGHT)
        + ",\"numberSize\":" + std::to_string(fl::NUMBER_SIZE) + "}";
    out += ",\"entry\":{\"frame\":";
    rect(out, layout.entry.frame);
    out += ",\"rows\":[";
    for (std::size_t r = 0; r < layout.entry.rowCount; ++r) {
        const fl::FieldRow& row = layout.entry.rows.at(r);
        out += r == 0 ? "{\"field\":" : ",{\"field\":";
        quoted(out, controlName(row.field));
        out += ",\"caption\":";
        quoted(out, row.caption);
        out += ",\"label\":";
        rect(out, {fl::CAPTION_LEFT, row.top, row.labelWidth, fl::CAPTION_HEIGHT});
        out += ",\"box\":";
        rect(out, {fl::FIELD_LEFT, row.top, fl::FIELD_WIDTH, fl::FIELD_HEIGHT});
        out += '}';
    }
    out += "],\"cmClear\":";
    rect(out, {fl::BUTTON_LEFT, fl::CLEAR_TOP, fl::BUTTON_WIDTH, fl::BUTTON_HEIGHT});
    out += ",\"cmAdd\":";
    rect(out, {fl::BUTTON_LEFT, layout.entry.addTop, fl::BUTTON_WIDTH, fl::BUTTON_HEIGHT});
    out += "},\"heading\":";
    rect(out, fl::DIRECTORY_HEADING);
    out += ",\"lvDirectory\":";
    rect(out, layout.directory);
    optionalRect(out, "cmNext", layout.next);
    optionalRect(out, "lvIndex", layout.index);
    out += ",\"scheme\":";
    if (layout.scheme) {
        out += "{\"frame\":";
        rect(out, layout.scheme->frame);
        out += ",\"cmdChg\":";
        rect(out, layout.scheme->cmdChg);
        out += ",\"lbType\":";
        rect(out, layout.scheme->lbType);
        out += '}';
    } else {
        out += "null";
    }
    out += ",\"labels\":[";
    for (std::size_t i = 0; i < layout.labelCount; ++i) {
        const fl::LabelPlace& label = layout.labels.at(i);
        out += i == 0 ? "{\"control\":" : ",{\"control\":";
        quoted(out, controlName(label.control));
        out += ",\"rect\":";
        rect(out, label.rect);
        out += label.centred ? ",\"centred\":true}" : ",\"centred\":false}";
    }
    out += "]}";
    return out;
}

std::string aboutJson()
{
    using namespace about_texts;
    std::string out = "{\"title\":";
    quoted(out, TITLE);
    out += ",\"version\":";
    quoted(out, std::string("Version ") + std::to_string(VERSION_MAJOR) + "." + std::to_string(VERSION_MINOR) + "."
            + std::to_string(VERSION_REVISION));
    out += std::string(",\"client\":[") + std::to_string(CLIENT_WIDTH) + "," + std::to_string(CLIENT_HEIGHT) + "]";
    out += ",\"titleRect\":";
    rect(out, TITLE_RECT);
    out += ",\"versionRect\":";
    rect(out, VERSION_RECT);
    out += ",\"ok\":";
    rect(out, OK_RECT);
    out += ",\"sysInfo\":";
    rect(out, SYS_INFO_RECT);
    out += ",\"texts\":[";
    for (std::size_t i = 0; i < TEXTS.size(); ++i) {
        out += i == 0 ? "{\"name\":" : ",{\"name\":";
        quoted(out, TEXTS[i].name);
        out += ",\"text\":";
        quoted(out, TEXTS[i].text);
        out += ",\"rect\":";
        rect(out, TEXTS[i].rect);
        out += '}';
    }
    out += "]}";
    return out;
}

std::string jsonString(std::string_view text)
{
    std::string out;
    quoted(out, text);
    return out;
}

std::string cssColour(ColourValue colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", redOf(colour), greenOf(colour), blueOf(colour));
    return text;
}

std::string formJson(
    const Screen& screen, std::optional<Control> focus, const std::vector<Message>& messages, std::optional<std::size_t> row)
{
    const Form& form = screen.form();
    std::string out = "{\"screen\":";
    quoted(out, formName(screen.id()));
    out += ",\"caption\":";
    quoted(out, factsOf(screen.id()).caption);
    out += ",\"schemeName\":";
    quoted(out, factsOf(screen.id()).schemeName);
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
    out += std::string(",\"row\":") + (row ? std::to_string(*row) : std::string("null"));
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
