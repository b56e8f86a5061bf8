#pragma once

#include "core/control.h"
#include "core/messages.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

// The part of a screen that its window owns and a load rebuilds: the entry fields' texts, which
// controls are enabled and shown, and where the focus was last sent.
class EntryForm {
public:
    // The fields in the order in which clearFields empties them.
    explicit EntryForm(std::vector<Control> fields);

    // Every field starts with its own name as text, as the forms are designed; loading empties them.
    const std::string& text(Control field) const;
    void setText(Control field, std::string text);
    void clearFields();

    bool isEnabled(Control control) const;
    void setEnabled(Control control, bool enabled);
    bool isVisible(Control control) const;
    void setVisible(Control control, bool visible);

    // Sends the focus to a control; a control that cannot take it leaves the focus where it is.
    void moveFocus(Control target);
    // The control the focus was last sent to, handed out once.
    std::optional<Control> takeFocusRequest();
    std::optional<Control> focusRequest() const { return m_focusRequest; }

    // The Enter-key check of one field, as Enter in it or an Add runs it: shows the field's message
    // when its text fails, clears entryCheck then, and in every case sends the focus on to the next
    // field, or from the last field to cmAdd. Controls that are not fields are ignored.
    void checkField(Control field, bool& entryCheck, MessageSink& sink);
    // The fields in form order.
    const std::vector<Control>& fields() const { return m_fields; }
    bool hasField(Control control) const;

private:
    std::vector<Control> m_fields;
    std::map<Control, std::string> m_texts;
    std::map<Control, bool> m_disabled;
    std::map<Control, bool> m_hidden;
    std::optional<Control> m_focusRequest;
};

// The failure message of a field's Enter-key check for this text, if it fails.
std::optional<Message> enterCheckFailure(Control field, const std::string& text);

// The name a field carries as its design-time text ("txFile").
const char* controlName(Control control);
