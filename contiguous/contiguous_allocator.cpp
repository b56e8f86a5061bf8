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
    const auto startBlock = drawColourAndReadStart(sink);
    if (!startBlock)
        return;
    const int start = *startBlock;
    Form& f = form();
    const std::int32_t length = readNumber(f.fields.text(Control::txLenght)).value_or(0);
    // The length field holds 16 bits: a value below its range is refused like one above it.
    const std::int64_t end = std::int64_t{start} + length - 1;
    if (end > LAST_BLOCK || !fitsInt16(length)) {
        sink.show(messages::LENGHT_OVERLOADED);
        return;
    }
    for (int b = start; b <= end; ++b) {
        if (!f.disk.isFree(b)) {
            sink.show(messages::WRITE_DENIED);
            return;
        }
    }
    for (int b = start; b <= end; ++b)
        f.disk.paint(b, m_currentColour.packed());

    f.directory.fitLenghtColumn();
    f.directory.append(f.fields.text(Control::txFile), start, static_cast<int>(length), m_currentColour.packed());
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
