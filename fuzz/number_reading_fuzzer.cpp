// Any bytes as the text of a number field: isNumeric and readNumber agree with each other and with
// the reference reading, digit for digit, and values beyond the 32-bit range are held at its ends.
#include "core/number_reading.h"
#include "sessions/action.h"
#include "sessions/reference_number.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

std::string shown(const std::optional<std::int32_t>& value) { return value ? std::to_string(*value) : "not a number"; }

[[noreturn]] void fail(const char* what, std::string_view text, const std::string& detail)
{
    std::fprintf(stderr, "number reading: %s for the text %s: %s\n", what, quoteText(text).c_str(), detail.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const bool numeric = isNumeric(text);
    const std::optional<std::int32_t> value = readNumber(text);
    if (numeric != value.has_value())
        fail("isNumeric and readNumber disagree", text,
            std::string(numeric ? "numeric" : "not numeric") + ", read as " + shown(value));
    if (numeric != reference::isDecimalNumber(text))
        fail("isNumeric differs from the reference", text, numeric ? "numeric" : "not numeric");
    const std::optional<std::int32_t> expected = reference::roundedValue(text);
    if (value != expected)
        fail(
            "readNumber differs from the reference", text, "read as " + shown(value) + ", expected " + shown(expected));
    return 0;
}
