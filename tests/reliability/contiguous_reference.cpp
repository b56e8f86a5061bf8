#include "reliability/contiguous_reference.h"

#include "reliability/reference_number.h"

#include <cmath>

namespace {

constexpr ColourValue WHITE = 0xFFFFFF;
constexpr float LIST_WIDTH = 3495.0F;

float percentOfList(int percent) { return LIST_WIDTH * static_cast<float>(percent) / 100.0F; }

Message information(const char* text, const char* title) { return {text, title, MessageIcon::Information}; }
Message error(const char* text, const char* title) { return {text, title, MessageIcon::Critical}; }

}  // namespace

ContiguousReference::ContiguousReference(RandomStream& stream) : m_stream(stream) { load(); }

int ContiguousReference::drawComponent() { return static_cast<int>(std::floor(m_stream.next() * 254.0)); }

void ContiguousReference::load()
{
    m_loaded = true;
    for (int i = 0; i < 64; ++i) {
        m_label[static_cast<std::size_t>(i)] = std::to_string(i);
        m_colour[static_cast<std::size_t>(i)] = WHITE;
    }
    emptyFields();
    m_captions = {"File", "Start", "Lenght"};
    m_widths = {percentOfList(40), percentOfList(29), percentOfList(29)};
    m_rows.clear();
}

void ContiguousReference::emptyFields()
{
    m_file.clear();
    m_start.clear();
    m_lenght.clear();
}

void ContiguousReference::enter(Control field)
{
    if (field == Control::txFile) {
        if (m_file.empty()) {
            m_shown.push_back(information("Please state the filename ", "Filename"));
            m_entryCheck = false;
        }
        m_focus = Control::txStart;
    } else if (field == Control::txStart) {
        if (!reference::isDecimalNumber(m_start)) {
            m_shown.push_back(error("Start value must be Numeric", "Wrong Start Value"));
            m_entryCheck = false;
        }
        m_focus = Control::txLenght;
    } else if (field == Control::txLenght) {
        if (!reference::isDecimalNumber(m_lenght)) {
            m_shown.push_back(error("Lenght value must be Numeric", "Wrong Lenght Value"));
            m_entryCheck = false;
        }
        m_focus = Control::cmAdd;
    }
}

void ContiguousReference::add()
{
    m_red = drawComponent();
    m_green = drawComponent();
    m_blue = drawComponent();
    const ColourValue colour = static_cast<ColourValue>(m_red + 256 * m_green + 65536 * m_blue);

    m_entryCheck = true;
    enter(Control::txFile);
    enter(Control::txStart);
    enter(Control::txLenght);
    if (!m_entryCheck)
        return;

    const long long start = *reference::roundedValue(m_start);
    if (start > 63 || start < 0) {
        m_shown.push_back(error("Start value not Allowed", "Wrong Start Value"));
        return;
    }
    const long long length = *reference::roundedValue(m_lenght);
    const long long end = start + length - 1;
    // Below the 16-bit range a length is refused too: the screen must not take it, and this is
    // the message it gives.
    if (end > 63 || length < -32768) {
        m_shown.push_back(error("Lenght Overloaded", "Lenght Overloaded"));
        return;
    }
    for (long long b = start; b <= end; ++b) {
        if (m_colour[static_cast<std::size_t>(b)] != WHITE) {
            m_shown.push_back(error("not allow to insert", "Write Denied"));
            return;
        }
    }
    for (long long b = start; b <= end; ++b)
        m_colour[static_cast<std::size_t>(b)] = colour;

    m_widths[2] = percentOfList(m_rows.size() == 8 ? 21 : 29);
    m_rows.push_back({m_file, static_cast<int>(start), static_cast<int>(length), colour});
    emptyFields();
    m_focus = Control::txFile;
}

void ContiguousReference::clear()
{
    for (int i = 0; i < 64; ++i) {
        m_label[static_cast<std::size_t>(i)] = std::to_string(i);
        m_colour[static_cast<std::size_t>(i)] = WHITE;
    }
    emptyFields();
    m_rows.clear();
}

std::vector<Message> ContiguousReference::apply(const Action& action)
{
    m_shown.clear();
    m_focus.reset();
    switch (action.kind) {
    case ActionKind::Type:
        if (action.control == Control::txFile)
            m_file = action.text;
        else if (action.control == Control::txStart)
            m_start = action.text;
        else if (action.control == Control::txLenght)
            m_lenght = action.text;
        break;
    case ActionKind::Enter: enter(action.control); break;
    case ActionKind::Click:
        if (action.control == Control::cmAdd)
            add();
        else if (action.control == Control::cmClear)
            clear();
        break;
    case ActionKind::ClickRow: break;
    case ActionKind::Reload:
        m_loaded = false;
        load();
        break;
    }
    return m_shown;
}

Observed ContiguousReference::observe() const
{
    Observed o;
    o.loaded = m_loaded;
    o.variables["currentColour"] = std::to_string(m_red) + ' ' + std::to_string(m_green) + ' ' + std::to_string(m_blue);
    for (std::size_t i = 0; i < 64; ++i)
        o.disk.push_back({m_colour[i], "", std::nullopt, m_label[i]});
    Observed::List& list = o.lists[Control::lvDirectory];
    list.reportView = true;
    for (std::size_t c = 0; c < m_captions.size(); ++c)
        list.columns.push_back({m_captions[c], m_widths[c]});
    for (const Row& r : m_rows)
        list.rows.push_back({{r.name, std::to_string(r.start), std::to_string(r.length)}, r.colour});
    o.fields = {{Control::txFile, m_file}, {Control::txStart, m_start}, {Control::txLenght, m_lenght}};
    for (const Control c : {Control::txFile, Control::txStart, Control::txLenght, Control::cmAdd, Control::cmClear,
             Control::lvDirectory}) {
        o.enabled[c] = true;
        o.visible[c] = true;
    }
    o.focusRequest = m_focus;
    o.messages = m_shown;
    return o;
}
