#include "core/number_reading.h"

#include <cstdint>
#include <limits>
#include <string>

namespace {

constexpr std::string_view BLANKS = " \t";

bool isDigit(char c) { return c >= '0' && c <= '9'; }

struct DecimalText {
    bool negative = false;
    // The mantissa's digits from the first that is not zero on; empty when the value is zero.
    std::string significant;
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

    long long integerDigits = 0;
    long long digitsSeen = 0;
    long long firstNonZero = -1;  // index among all mantissa digits
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            if (c != '0' && firstNonZero < 0)
                firstNonZero = digitsSeen;
            if (firstNonZero >= 0)
                d.significant += c;
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
            // Far beyond any number of digits a text can hold; saturating keeps the arithmetic safe.
            if (exponent < 1'000'000'000'000)
                exponent = exponent * 10 + (text[i] - '0');
        }
        if (i == exponentStart || i != text.size())
            return std::nullopt;
        if (exponentNegative)
            exponent = -exponent;
    }

    if (firstNonZero >= 0)
        d.leadExponent = integerDigits - firstNonZero + exponent;
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
    // Below 0.1 every value rounds to 0; from 10^10 up every value is beyond int32.
    if (d->significant.empty() || d->leadExponent < 0)
        return 0;
    if (d->leadExponent > 10)
        return saturate(d->negative);

    // Rounded on the decimal digits themselves: a double would hold only about 17 of them, and
    // "2.50000000000000000001" would come out as 2.5 and round down.
    const std::string& s = d->significant;
    const auto digit
        = [&s](long long k) { return k < static_cast<long long>(s.size()) ? s[static_cast<std::size_t>(k)] - '0' : 0; };
    std::int64_t magnitude = 0;
    for (long long k = 0; k < d->leadExponent; ++k)
        magnitude = magnitude * 10 + digit(k);
    const int firstDropped = digit(d->leadExponent);
    const bool restDropped = static_cast<long long>(s.find_last_not_of('0')) > d->leadExponent;
    const bool exactHalf = firstDropped == 5 && !restDropped;
    if (firstDropped > 5 || (firstDropped == 5 && restDropped) || (exactHalf && magnitude % 2 == 1))
        ++magnitude;

    const std::int64_t value = d->negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max() || value < std::numeric_limits<std::int32_t>::min())
        return saturate(d->negative);
    return static_cast<std::int32_t>(value);
}
