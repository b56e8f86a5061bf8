// Both indexed schemes driven by bytes, against their reference: an odd first byte chooses the
// multilevel index, an even one the linked index.
#include "screen_fuzzing.h"
#include "sessions/indexed_reference.h"
#include "sessions/screen_adapter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    ByteChooser chooser(data + 1, size - 1);
    if (data[0] % 2 != 0)
        return fuzzScreen<MultilevelIndexAdapter, MultilevelIndexReference>(chooser);
    return fuzzScreen<LinkedIndexAdapter, LinkedIndexReference>(chooser);
}
