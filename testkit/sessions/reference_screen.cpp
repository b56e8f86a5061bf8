#include "sessions/reference_screen.h"

#include "sessions/reference_number.h"

#include <algorithm>
#include <cmath>

ReferenceScreen::ReferenceScreen(RandomStream& stream, std::vector<Control> fields)
    : m_stream(stream), m_order(std::move(fields))
{
    emptyFields();
}

std::vector<Message> ReferenceScreen::apply(const Action& action)
{
    m_shown.clear();
    m_focus.reset();
    switch (action.kind) {
    case ActionKind::Type:
        if (m_fields.contains(action.control))
            m_fields[action.control] = action.text;
        break;
    case ActionKind::Enter: enter(action.control); break;
    case ActionKind::Click:
        if (action.control == Control::cmAdd)
            add();
        else if (action.control == Control::cmNext)
            next();
        else if (action.control == Control::cmClear)
            clear();
        break;
    case ActionKind::ClickRow:
        if (action.control == Control::lvDirectory)
            clickRow(action.row);
        break;
    case ActionKind::Reload: load(); break;
    // The session keeps the references' history and starts them anew.
    case ActionKind::StepBack:
    case ActionKind::Restart: break;
    }
    return m_shown;
}

void ReferenceScreen::focus(Control target)
{
    if (canTakeFocus(target))
        m_focus = target;
}

void ReferenceScreen::enter(Control field)
{
    const auto at = std::find(m_order.begin(), m_order.end(), field);
    if (at == m_order.end())
        return;
    const std::string& text = m_fields[field];
    if (field == Control::txFile && text.empty()) {
        m_shown.push_back({"Please state the filename ", "Filename", MessageIcon::Information});
        m_entryCheck = false;
    } else if (field == Control::txStart && !reference::isDecimalNumber(text)) {
        m_shown.push_back({"Start value must be Numeric", "Wrong Start Value", MessageIcon::Critical});
        m_entryCheck = false;
    } else if (field == Control::txLenght && !reference::isDecimalNumber(text)) {
        m_shown.push_back({"Lenght value must be Numeric", "Wrong Lenght Value", MessageIcon::Critical});
        m_entryCheck = false;
    }
    focus(at + 1 == m_order.end() ? Control::cmAdd : *(at + 1));
}

void ReferenceScreen::drawColour()
{
    m_red = draw(254);
    m_green = draw(254);
    m_blue = draw(254);
}

bool ReferenceScreen::drawColourAndCheckFields()
{
    drawColour();
    m_entryCheck = true;
    for (const Control field : m_order)
        enter(field);
    return m_entryCheck;
}

void ReferenceScreen::emptyFields()
{
    for (const Control field : m_order)
        m_fields[field].clear();
}

int ReferenceScreen::draw(int range) { return static_cast<int>(std::floor(m_stream.next() * range)); }

ColourValue ReferenceScreen::colour() const { return static_cast<ColourValue>(m_red + 256 * m_green + 65536 * m_blue); }

void ReferenceScreen::resetDisk(bool texts)
{
    for (std::size_t i = 0; i < 64; ++i) {
        m_label[i] = std::to_string(i);
        m_colour[i] = WHITE;
        if (texts)
            m_text[i].clear();
    }
}

int ReferenceScreen::usedBlocks() const
{
    return static_cast<int>(std::count_if(m_colour.begin(), m_colour.end(), [](ColourValue c) { return c != WHITE; }));
}

Observed ReferenceScreen::observe() const
{
    Observed o;
    o.loaded = m_loaded;
    o.variables["currentColour"] = std::to_string(m_red) + ' ' + std::to_string(m_green) + ' ' + std::to_string(m_blue);
    for (std::size_t i = 0; i < 64; ++i)
        o.disk.push_back({m_colour[i], m_text[i], m_textColour[i], m_label[i]});
    o.fields = m_fields;
    o.focusRequest = m_focus;
    o.messages = m_shown;
    observeMore(o);
    return o;
}
