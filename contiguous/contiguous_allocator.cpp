#include "contiguous/contiguous_allocator.h"

#include "core/number_reading.h"

#include <cstdint>

namespace {

constexpr int LAST_BLOCK = BlockDisk::BLOCKS - 1;

}  // namespace

void ContiguousAllocator::load()
{
    Form& f = buildForm();
    f.disk.reset();
    clearFields();
    f.directory.createColumns();
    f.directory.clear();
}

void ContiguousAllocator::addFile(MessageSink& sink)
{
    if (!isLoaded() || !drawColourAndCheckFields(sink))
        return;
    Form& f = form();

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
    clearFields();
    f.fields.moveFocus(Control::txFile);
}

void ContiguousAllocator::clear()
{
    if (!isLoaded())
        return;
    form().disk.reset();
    clearFields();
    form().directory.clear();
}
