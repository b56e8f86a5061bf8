#include "contiguous/contiguous_allocator.h"

#include "core/number_reading.h"

#include <cstdint>

namespace {

constexpr int LAST_BLOCK = BlockDisk::BLOCKS - 1;

// Where the focus goes after each field's Enter-key check.
Control nextAfter(Control field)
{
    switch (field) {
    case Control::txFile: return Control::txStart;
    case Control::txStart: return Control::txLenght;
    default: return Control::cmAdd;
    }
}

}  // namespace

void ContiguousAllocator::Form_Load()
{
    m_form.emplace();
    m_form->disk.reset();
    ClearText();
    m_form->directory.createColumns();
    m_form->directory.clear();
}

void ContiguousAllocator::enterPressed(Control field, MessageSink& sink)
{
    if (!m_form || (field != Control::txFile && field != Control::txStart && field != Control::txLenght))
        return;
    m_form->fields.runEnterCheck(field, nextAfter(field), m_entryCheck, sink);
}

void ContiguousAllocator::add(MessageSink& sink)
{
    if (!m_form)
        return;
    Form& f = *m_form;

    m_currentColour = m_share.DrawFileColour();
    m_entryCheck = true;
    for (const Control field : {Control::txFile, Control::txStart, Control::txLenght})
        enterPressed(field, sink);
    if (!m_entryCheck)
        return;

    const std::int32_t start = readNumber(f.fields.text(Control::txStart)).value_or(-1);
    if (start < 0 || start > LAST_BLOCK) {
        sink.show(messages::START_NOT_ALLOWED);
        return;
    }
    const std::int32_t length = readNumber(f.fields.text(Control::txLenght)).value_or(0);
    // The length field holds 16 bits: a value below its range is refused like one above it.
    const std::int64_t end = std::int64_t{start} + length - 1;
    if (end > LAST_BLOCK || !fitsInt16(length)) {
        sink.show(messages::LENGHT_OVERLOADED);
        return;
    }
    for (auto b = static_cast<int>(start); b <= end; ++b) {
        if (!f.disk.isFree(b)) {
            sink.show(messages::WRITE_DENIED);
            return;
        }
    }
    for (auto b = static_cast<int>(start); b <= end; ++b)
        f.disk.paint(b, m_currentColour.packed());

    f.directory.fitLenghtColumn();
    f.directory.append(
        f.fields.text(Control::txFile), static_cast<int>(start), static_cast<int>(length), m_currentColour.packed());
    ClearText();
    f.fields.moveFocus(Control::txFile);
}

void ContiguousAllocator::clear()
{
    if (!m_form)
        return;
    m_form->disk.reset();
    ClearText();
    m_form->directory.clear();
}

void ContiguousAllocator::ClearText()
{
    if (m_form)
        m_form->fields.ClearText();
}
