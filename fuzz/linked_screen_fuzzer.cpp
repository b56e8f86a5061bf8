// The linked screen driven by bytes, against its reference.
#include "screen_fuzzing.h"
#include "sessions/linked_reference.h"
#include "sessions/screen_adapter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ByteChooser chooser(data, size);
    return fuzzScreen<LinkedAdapter, LinkedReference>(chooser);
}
