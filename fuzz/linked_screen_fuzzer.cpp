// The linked screen driven by bytes, against its reference.
#include "reliability/linked_reference.h"
#include "reliability/screen_adapter.h"
#include "screen_fuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ByteChooser chooser(data, size);
    return fuzzScreen<LinkedAdapter, LinkedReference>(chooser);
}
