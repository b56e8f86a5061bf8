#pragma once

#include "core/block_disk.h"
#include "core/colour.h"
#include "core/control.h"
#include "core/messages.h"
#include "core/number_reading.h"
#include "core/share.h"

#include <optional>

// What every method screen object keeps for the whole run (the current colour and the EntryCheck
// flag), and the Form its window owns, which a load builds afresh and an unload drops. A Form has
// at least a BlockDisk `disk` and an EntryForm `fields`.
template <typename FormType> class MethodScreen {
public:
    using Form = FormType;

    explicit MethodScreen(Share& share) : m_share(share) {}
    virtual ~MethodScreen() = default;
    MethodScreen(const MethodScreen&) = delete;
    MethodScreen& operator=(const MethodScreen&) = delete;

    bool isLoaded() const { return m_form.has_value(); }
    void unload() { m_form.reset(); }
    // Only while loaded.
    Form& form() { return m_form.value(); }
    const Form& form() const { return m_form.value(); }

    // Enter pressed in an entry field: that field's check. Anything else is ignored.
    virtual void enterPressed(Control field, MessageSink& sink)
    {
        if (m_form)
            m_form->fields.checkField(field, m_entryCheck, sink);
    }
    void clearFields()
    {
        if (m_form)
            m_form->fields.clearFields();
    }

    const FileColour& currentColour() const { return m_currentColour; }
    bool entryCheck() const { return m_entryCheck; }

protected:
    // A new, empty form.
    Form& buildForm() { return m_form.emplace(); }

    // The opening of every Add: a fresh colour for the file, then every field's check in field order.
    // True when all of them passed.
    bool drawColourAndCheckFields(MessageSink& sink)
    {
        m_currentColour = m_share.drawFileColour();
        m_entryCheck = true;
        for (const Control field : m_form->fields.fields())
            enterPressed(field, sink);
        return m_entryCheck;
    }

    // The opening of Add on the screens that take a start block: a fresh colour, every field's check,
    // then "Start value not Allowed" for a start off the disk, however far off. The start block when
    // all of them passed.
    std::optional<int> drawColourAndReadStart(MessageSink& sink)
    {
        if (!isLoaded() || !drawColourAndCheckFields(sink))
            return std::nullopt;
        const std::int32_t start = readNumber(m_form->fields.text(Control::txStart)).value_or(-1);
        if (start < 0 || start >= BlockDisk::BLOCKS) {
            sink.show(messages::START_NOT_ALLOWED);
            return std::nullopt;
        }
        return static_cast<int>(start);
    }

    Share& m_share;
    FileColour m_currentColour{};
    bool m_entryCheck = false;
    std::optional<Form> m_form;
};
