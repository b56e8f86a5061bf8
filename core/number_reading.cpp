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

// The magnitude's digits rounded to an integer, halves to the even neighbour, judged on every digit
// typed: a double would hold only about 17 of them, and "2.50000000000000000001" would come out as
// 2.5 and round down. "0" for a magnitude that rounds to nothing.
std::string roundedMagnitude(const DecimalText& d)
{
    if (d.significant.empty() || d.leadExponent < 0)
        return "0";
    const std::string& s = d.significant;
    const auto digit = [&s](long long k) {
        return k < static_cast<long long>(s.size()) ? s[static_cast<std::size_t>(k)] : '0';
    };
    std::string magnitude;
    for (long long k = 0; k < d.leadExponent; ++k)
        magnitude += digit(k);
    const int firstDropped = digit(d.leadExponent) - '0';
    const bool restDropped = static_cast<long long>(s.find_last_not_of('0')) > d.leadExponent;
    const bool odd = !magnitude.empty() && (magnitude.back() - '0') % 2 == 1;
    if (firstDropped > 5 || (firstDropped == 5 && (restDropped || odd)))
        magnitude = addToDecimal(magnitude.empty() ? "0" : magnitude, 1);
    return magnitude.empty() ? "0" : magnitude;
}

}  // namespace

bool isNumeric(std::string_view text) { return parse(text).has_value(); }

std::optional<std::int32_t> readNumber(std::string_view text)
{
    const auto d = parse(text);
    if (!d)
        return std::nullopt;
    // From 10^10 up every value is beyond int32.
    if (d->leadExponent > 10)
        return saturate(d->negative);
    const std::int64_t magnitude = std::stoll(roundedMagnitude(*d));
    const std::int64_t value = d->negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max() || value < std::numeric_limits<std::int32_t>::min())
        return saturate(d->negative);
    return static_cast<std::int32_t>(value);
}

std::optional<std::string> roundedDecimal(std::string_view text)
{
    const auto d = parse(text);
    if (!d || d->leadExponent > MAX_DECIMAL_DIGITS)
        return std::nullopt;
    std::string magnitude = roundedMagnitude(*d);
    return d->negative && magnitude != "0" ? "-" + magnitude : magnitude;
}

std::string addToDecimal(std::string_view decimal, unsigned addend)
{
    std::string sum(decimal);
    unsigned long long carry = addend;
    for (auto it = sum.rbegin(); it != sum.rend() && carry > 0; ++it) {
        carry += static_cast<unsigned>(*it - '0');
        *it = static_cast<char>('0' + carry % 10);
        carry /= 10;
    }
    for (; carry > 0; carry /= 10)
        sum.insert(sum.begin(), static_cast<char>('0' + carry % 10));
    return sum;
}
