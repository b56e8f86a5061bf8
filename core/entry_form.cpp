#include "core/entry_form.h"

#include "core/number_reading.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

const char* controlName(Control control)
{
    switch (control) {
    case Control::txFile: return "txFile";
    case Control::txStart: return "txStart";
    case Control::txLenght: return "txLenght";
    case Control::cmAdd: return "cmAdd";
    case Control::cmClear: return "cmClear";
    case Control::cmNext: return "cmNext";
    case Control::cmdChg: return "cmdChg";
    case Control::lvDirectory: return "lvDirectory";
    case Control::lvIndex: return "lvIndex";
    case Control::lbCurTotal: return "lbCurTotal";
    case Control::lbToGo: return "lbToGo";
    case Control::lbUsage: return "lbUsage";
    case Control::Label4: return "Label4";
    }
    return "";
}

std::optional<Message> enterCheckFailure(Control field, const std::string& text)
{
    switch (field) {
    case Control::txFile:
        if (text.empty())  // a name of blanks is a name
            return messages::filenameMissing();
        break;
    case Control::txStart:
        if (!isNumeric(text))
            return messages::startNotNumeric();
        break;
    case Control::txLenght:
        if (!isNumeric(text))
            return messages::lenghtNotNumeric();
        break;
    default: break;
    }
    return std::nullopt;
}

EntryForm::EntryForm(std::vector<Control> fields) : m_fields(std::move(fields))
{
    for (const Control f : m_fields)
        m_texts[f] = controlName(f);
}

const std::string& EntryForm::text(Control field) const
{
    const auto it = m_texts.find(field);
    if (it == m_texts.end())
        throw std::out_of_range("this screen has no such field");
    return it->second;
}

void EntryForm::setText(Control field, std::string text)
{
    const auto it = m_texts.find(field);
    if (it == m_texts.end())
        throw std::out_of_range("this screen has no such field");
    it->second = std::move(text);
}

void EntryForm::clearFields()
{
    for (const Control f : m_fields)
        m_texts[f].clear();
}

bool EntryForm::isEnabled(Control control) const
{
    const auto it = m_disabled.find(control);
    return it == m_disabled.end() || !it->second;
}

void EntryForm::setEnabled(Control control, bool enabled) { m_disabled[control] = !enabled; }

bool EntryForm::isVisible(Control control) const
{
    const auto it = m_hidden.find(control);
    return it == m_hidden.end() || !it->second;
}

void EntryForm::setVisible(Control control, bool visible) { m_hidden[control] = !visible; }

void EntryForm::moveFocus(Control target)
{
    if (isEnabled(target))
        m_focusRequest = target;
}

std::optional<Control> EntryForm::takeFocusRequest()
{
    auto request = m_focusRequest;
    m_focusRequest.reset();
    return request;
}

void EntryForm::checkField(Control field, bool& entryCheck, MessageSink& sink)
{
    const auto it = std::find(m_fields.begin(), m_fields.end(), field);
    if (it == m_fields.end())
        return;
    if (const auto failure = enterCheckFailure(field, text(field))) {
        sink.show(*failure);
        entryCheck = false;
    }
    moveFocus(std::next(it) == m_fields.end() ? Control::cmAdd : *std::next(it));
}

bool EntryForm::hasField(Control control) const
{
    return std::find(m_fields.begin(), m_fields.end(), control) != m_fields.end();
}
