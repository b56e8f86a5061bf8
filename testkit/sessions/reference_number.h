#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// How a field's text becomes a number, written out again by hand for the references, digit by
// digit and without floating point, so that it shares no code and no shortcut with the program's.
namespace reference {

// Apart from leading and trailing blanks (spaces and tabs): an optional sign, digits with at most
// one decimal point and at least one digit, and an optional exponent (e or E, a sign, digits).
bool isDecimalNumber(std::string_view text);

// The exact decimal value rounded to the nearest integer, halves to the even neighbour, held at the
// ends of the 32-bit range when it lies beyond. Empty when the text is not a decimal number.
std::optional<std::int32_t> roundedValue(std::string_view text);

// The magnitude of that rounded value written out in full ("1e10" -> "10000000000", "-7.5" -> "8"),
// and plus a count: for sums shown in messages. Empty when the text is not a decimal number or the
// value has more than 400 digits.
std::optional<std::string> roundedMagnitudePlus(std::string_view text, long long count);

}  // namespace reference
