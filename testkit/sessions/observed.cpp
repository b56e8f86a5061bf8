#include "sessions/observed.h"

#include "core/entry_form.h"
#include "sessions/action.h"

#include <cstdio>
#include <sstream>

namespace {

std::string describe(const std::string& text);
std::string describe(Control control);
std::string describe(bool value);
std::string describe(std::size_t n);
std::string describe(float width);
std::string describe(ColourValue colour) { return describeColour(colour); }
std::string describe(const std::optional<ColourValue>& colour);
std::string describe(const std::vector<std::string>& cells);
std::string describe(const std::vector<Message>& shown);

template <typename T> std::string describe(const std::optional<T>& value)
{
    return value ? describe(*value) : std::string("none");
}

std::string describe(const std::string& text) { return quoteText(text); }
std::string describe(Control control) { return controlName(control); }
std::string describe(bool value) { return value ? "true" : "false"; }
std::string describe(std::size_t n) { return std::to_string(n); }

std::string describe(const std::optional<ColourValue>& colour)
{
    return colour ? describeColour(*colour) : std::string("window-text");
}

std::string describe(const std::vector<std::string>& cells)
{
    std::string out = "[";
    for (std::size_t i = 0; i < cells.size(); ++i)
        out += (i ? ", " : "") + quoteText(cells[i]);
    return out + "]";
}

std::string describe(const std::vector<Message>& shown)
{
    std::string out = "[";
    for (std::size_t i = 0; i < shown.size(); ++i)
        out += (i ? ", " : "") + describeMessage(shown[i]);
    return out + "]";
}

std::string describe(float width)
{
    std::ostringstream s;
    s.precision(9);
    s << width;
    return s.str();
}

class Differ {
public:
    explicit Differ(std::size_t limit) : m_limit(limit) {}

    template <typename T> void compare(const std::string& what, const T& expected, const T& actual)
    {
        if (!(expected == actual))
            add(what + ": expected " + describe(expected) + ", got " + describe(actual));
    }

    // Two maps key by key; a key missing on one side is shown as missing.
    template <typename K, typename V, typename Name>
    void compareMaps(const std::string& what, const std::map<K, V>& expected, const std::map<K, V>& actual, Name name)
    {
        for (const auto& [key, value] : expected) {
            const auto it = actual.find(key);
            if (it == actual.end())
                add(what + " " + name(key) + ": expected " + describe(value) + ", missing");
            else
                compare(what + " " + name(key), value, it->second);
        }
        for (const auto& [key, value] : actual) {
            if (!expected.contains(key))
                add(what + " " + name(key) + ": not expected, got " + describe(value));
        }
    }

    void add(std::string line)
    {
        if (m_lines.size() < m_limit)
            m_lines.push_back(std::move(line));
        else if (m_lines.size() == m_limit)
            m_lines.emplace_back("...");
    }

    std::vector<std::string> take() { return std::move(m_lines); }

private:
    std::size_t m_limit;
    std::vector<std::string> m_lines;
};

void compareList(Differ& d, const std::string& name, const Observed::List& e, const Observed::List& a)
{
    d.compare(name + " report view", e.reportView, a.reportView);
    d.compare(name + " column count", e.columns.size(), a.columns.size());
    for (std::size_t i = 0; i < std::min(e.columns.size(), a.columns.size()); ++i) {
        d.compare(name + " column " + std::to_string(i) + " caption", e.columns[i].caption, a.columns[i].caption);
        d.compare(name + " column " + std::to_string(i) + " width", e.columns[i].width, a.columns[i].width);
    }
    d.compare(name + " row count", e.rows.size(), a.rows.size());
    for (std::size_t i = 0; i < std::min(e.rows.size(), a.rows.size()); ++i) {
        d.compare(name + " row " + std::to_string(i), e.rows[i].cells, a.rows[i].cells);
        d.compare(name + " row " + std::to_string(i) + " colour", e.rows[i].colour, a.rows[i].colour);
    }
}

}  // namespace

std::string describeColour(ColourValue colour)
{
    if (colour == FREE_COLOUR)
        return "white";
    char text[32];
    std::snprintf(text, sizeof text, "(%d, %d, %d)", redOf(colour), greenOf(colour), blueOf(colour));
    return text;
}

std::string describeMessage(const Message& m)
{
    const char* icon = m.icon == MessageIcon::Information ? "information"
        : m.icon == MessageIcon::Critical                 ? "error"
                                                          : "none";
    return quoteText(m.text) + " / " + quoteText(m.title) + " / " + icon;
}

std::vector<std::string> differences(const Observed& e, const Observed& a, std::size_t limit)
{
    Differ d(limit);
    d.compare("loaded", e.loaded, a.loaded);
    d.compare("messages", e.messages, a.messages);
    d.compare("focus request", e.focusRequest, a.focusRequest);
    d.compare("disk size", e.disk.size(), a.disk.size());
    for (std::size_t i = 0; i < std::min(e.disk.size(), a.disk.size()); ++i) {
        const std::string block = "block " + std::to_string(i);
        d.compare(block + " colour", e.disk[i].colour, a.disk[i].colour);
        d.compare(block + " text", e.disk[i].text, a.disk[i].text);
        d.compare(block + " text colour", e.disk[i].textColour, a.disk[i].textColour);
        d.compare(block + " label", e.disk[i].label, a.disk[i].label);
    }
    for (const auto& [list, expected] : e.lists) {
        const auto it = a.lists.find(list);
        if (it == a.lists.end())
            d.add(std::string(controlName(list)) + ": expected, missing");
        else
            compareList(d, controlName(list), expected, it->second);
    }
    for (const auto& [list, actual] : a.lists) {
        if (!e.lists.contains(list))
            d.add(std::string(controlName(list)) + ": not expected, present");
    }
    const auto byName = [](Control c) { return std::string(controlName(c)); };
    const auto plain = [](const std::string& s) { return s; };
    d.compareMaps("field", e.fields, a.fields, byName);
    d.compareMaps("label", e.labels, a.labels, plain);
    d.compareMaps("enabled", e.enabled, a.enabled, byName);
    d.compareMaps("visible", e.visible, a.visible, byName);
    d.compareMaps("variable", e.variables, a.variables, plain);
    return d.take();
}

bool canBeDone(const Action& action, const Observed& now)
{
    const auto state = [](const std::map<Control, bool>& states, Control c) {
        const auto it = states.find(c);
        return it == states.end() || it->second;
    };
    const bool usable = state(now.enabled, action.control) && state(now.visible, action.control);
    switch (action.kind) {
    case ActionKind::Type:
    case ActionKind::Enter: return now.loaded && now.fields.contains(action.control) && usable;
    case ActionKind::Click: return now.loaded && now.enabled.contains(action.control) && usable;
    case ActionKind::ClickRow: {
        const auto it = now.lists.find(action.control);
        return now.loaded && usable && it != now.lists.end() && action.row >= 0
            && static_cast<std::size_t>(action.row) < it->second.rows.size();
    }
    case ActionKind::Reload:
    case ActionKind::StepBack:
    case ActionKind::Restart: return true;
    }
    return false;
}
