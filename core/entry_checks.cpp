#include "core/entry_checks.h"

#include "core/block_disk.h"
#include "core/number_reading.h"

std::optional<int> readStartBlock(const EntryForm& fields, MessageSink& sink)
{
    const std::int32_t start = readNumber(fields.text(Control::txStart)).value_or(-1);
    if (start < 0 || start >= BlockDisk::BLOCKS) {
        sink.show(messages::startNotAllowed());
        return std::nullopt;
    }
    return static_cast<int>(start);
}
