#include "core/entry_checks.h"

#include "core/block_disk.h"
#include "core/number_reading.h"

std::optional<int> EntryChecks::openAddWithStart(Share& share, EntryForm& fields, MessageSink& sink)
{
    if (!openAdd(share, fields, sink))
        return std::nullopt;
    // A start off the disk, however far off, gets "Start value not Allowed".
    const std::int32_t start = readNumber(fields.text(Control::txStart)).value_or(-1);
    if (start < 0 || start >= BlockDisk::BLOCKS) {
        sink.show(messages::startNotAllowed());
        return std::nullopt;
    }
    return static_cast<int>(start);
}
