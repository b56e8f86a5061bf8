#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A text is numeric when, apart from leading and trailing blanks (spaces and tabs), it is a decimal
// number: an optional sign, digits with at most one decimal point and at least one digit, and an
// optional exponent (E or e, an optional sign, digits). "", "   ", "12abc", "1 2" and "." are not.
bool isNumeric(std::string_view text);

// The number a numeric text spells, rounded to the nearest integer with halves going to the even
// neighbour (2.5 -> 2, 3.5 -> 4, -0.5 -> 0), judged on every digit typed (2.50000000000000000001 -> 3).
// Values beyond the int32 range saturate at its ends ("1e309" -> INT32_MAX), so callers can judge
// any typed value against their own limits.
// Empty when the text is not numeric.
std::optional<std::int32_t> readNumber(std::string_view text);

// The integer a numeric text rounds to by the same rule, written out in full in plain decimal, so that
// a sum shown to the user need not be cut to any width: "1e10" -> "10000000000", "-0.5" -> "0".
// Empty when the text is not numeric, or when the value has more than MAX_DECIMAL_DIGITS digits,
// which only an exponent can ask for.
inline constexpr long long MAX_DECIMAL_DIGITS = 400;
std::optional<std::string> roundedDecimal(std::string_view text);
// A non-negative integer in plain decimal plus a count: ("9999", 2) -> "10001".
std::string addToDecimal(std::string_view decimal, unsigned addend);

// Whether a read number fits the 16-bit fields of the screens.
constexpr bool fitsInt16(std::int32_t value) { return value >= -32768 && value <= 32767; }
