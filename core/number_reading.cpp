#include "core/number_reading.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace {

constexpr std::string_view BLANKS = " \t";

bool isDigit(char c) { return c >= '0' && c <= '9'; }

struct DecimalText {
    std::string_view body;  // the number without blanks and without a leading '+'
    bool negative = false;
    bool allZero = true;
    // The value's magnitude lies in [10^(leadExponent - 1), 10^leadExponent): 2 for "12", 0 for "0.5".
    long long leadExponent = 0;
};

std::optional<DecimalText> parse(std::string_view text)
{
    const auto first = text.find_first_not_of(BLANKS);
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(BLANKS) - first + 1);

    DecimalText d;
    std::size_t i = 0;
    if (text[i] == '+' || text[i] == '-') {
        d.negative = text[i] == '-';
        ++i;
    }
    d.body = text.substr(text[0] == '+' ? 1 : 0);

    long long integerDigits = 0;
    long long digitsSeen = 0;
    long long firstNonZero = -1;  // index among all mantissa digits
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            if (c != '0' && firstNonZero < 0)
                firstNonZero = digitsSeen;
            ++digitsSeen;
            if (!point)
                ++integerDigits;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digitsSeen == 0)
        return std::nullopt;

    long long exponent = 0;
    if (i < text.size()) {
        if (text[i] != 'e' && text[i] != 'E')
            return std::nullopt;
        ++i;
        bool exponentNegative = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            exponentNegative = text[i] == '-';
            ++i;
        }
        const std::size_t exponentStart = i;
        for (; i < text.size() && isDigit(text[i]); ++i) {
            // Far beyond any double; saturating keeps the arithmetic below safe.
            if (exponent < 1'000'000)
                exponent = exponent * 10 + (text[i] - '0');
        }
        if (i == exponentStart || i != text.size())
            return std::nullopt;
        if (exponentNegative)
            exponent = -exponent;
    }

    if (firstNonZero >= 0) {
        d.allZero = false;
        d.leadExponent = integerDigits - firstNonZero + exponent;
    }
    return d;
}

std::int32_t saturate(bool negative)
{
    return negative ? std::numeric_limits<std::int32_t>::min() : std::numeric_limits<std::int32_t>::max();
}

}  // namespace

bool isNumeric(std::string_view text) { return parse(text).has_value(); }

std::optional<std::int32_t> readNumber(std::string_view text)
{
    const auto d = parse(text);
    if (!d)
        return std::nullopt;
    if (d->allZero)
        return 0;
    // Below 1e-4 every value rounds to 0; from 1e20 up every value is beyond int32.
    if (d->leadExponent < -3)
        return 0;
    if (d->leadExponent > 20)
        return saturate(d->negative);

    double value = 0.0;
    const auto* const end = d->body.data() + d->body.size();
    const auto [ptr, ec] = std::from_chars(d->body.data(), end, value);
    if (ec != std::errc{} || ptr != end)
        return std::nullopt;  // not reached for text that passed the grammar

    // nearbyint in the default rounding mode rounds halves to even.
    const double rounded = std::nearbyint(value);
    if (rounded >= 2147483647.0 || rounded <= -2147483648.0)
        return saturate(rounded < 0);
    return static_cast<std::int32_t>(rounded);
}
