#include "sessions/reference_number.h"

#include <string>

namespace reference {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A number as written: its digits, and after how many of them the decimal point stands once the
// exponent is applied (so "12.5e1" is digits "125" with the point after 3).
struct Written {
    bool negative = false;
    std::string digits;
    long long pointAfter = 0;
};

std::optional<Written> read(std::string_view text)
{
    std::size_t from = 0;
    std::size_t to = text.size();
    while (from < to && isBlank(text[from]))
        ++from;
    while (to > from && isBlank(text[to - 1]))
        --to;
    const std::string_view s = text.substr(from, to - from);

    Written n;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        n.negative = s[i] == '-';
        ++i;
    }
    long long beforePoint = 0;
    bool pointSeen = false;
    while (i < s.size()) {
        if (isDigit(s[i])) {
            n.digits += s[i];
            if (!pointSeen)
                ++beforePoint;
        } else if (s[i] == '.' && !pointSeen) {
            pointSeen = true;
        } else {
            break;
        }
        ++i;
    }
    if (n.digits.empty())
        return std::nullopt;

    long long exponent = 0;
    if (i < s.size()) {
        if (s[i] != 'e' && s[i] != 'E')
            return std::nullopt;
        ++i;
        bool exponentNegative = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            exponentNegative = s[i] == '-';
            ++i;
        }
        const std::size_t firstDigit = i;
        while (i < s.size() && isDigit(s[i])) {
            if (exponent < 1'000'000'000'000LL)  // far past any number of digits a text can hold
                exponent = exponent * 10 + (s[i] - '0');
            ++i;
        }
        if (i == firstDigit || i != s.size())
            return std::nullopt;
        if (exponentNegative)
            exponent = -exponent;
    }
    n.pointAfter = beforePoint + exponent;
    return n;
}

}  // namespace

bool isDecimalNumber(std::string_view text) { return read(text).has_value(); }

std::optional<std::int32_t> roundedValue(std::string_view text)
{
    auto n = read(text);
    if (!n)
        return std::nullopt;
    std::string& d = n->digits;
    while (!d.empty() && d.front() == '0') {
        d.erase(0, 1);
        --n->pointAfter;
    }
    if (d.empty())
        return 0;
    // Now the value lies in [10^(pointAfter - 1), 10^pointAfter).
    if (n->pointAfter < 0)
        return 0;  // below 0.1
    if (n->pointAfter > 10)
        return n->negative ? INT32_MIN : INT32_MAX;  // 10^10 and more

    const auto digitAt
        = [&d](long long k) { return k < static_cast<long long>(d.size()) ? d[static_cast<std::size_t>(k)] : '0'; };
    long long whole = 0;
    for (long long k = 0; k < n->pointAfter; ++k)
        whole = whole * 10 + (digitAt(k) - '0');
    const char firstFraction = digitAt(n->pointAfter);
    bool restNonZero = false;
    for (long long k = n->pointAfter + 1; k < static_cast<long long>(d.size()); ++k)
        restNonZero = restNonZero || d[static_cast<std::size_t>(k)] != '0';
    if (firstFraction > '5' || (firstFraction == '5' && restNonZero))
        ++whole;
    else if (firstFraction == '5' && whole % 2 == 1)
        ++whole;

    const long long value = n->negative ? -whole : whole;
    if (value > INT32_MAX)
        return INT32_MAX;
    if (value < INT32_MIN)
        return INT32_MIN;
    return static_cast<std::int32_t>(value);
}

std::optional<std::string> roundedMagnitudePlus(std::string_view text, long long count)
{
    auto n = read(text);
    if (!n)
        return std::nullopt;
    std::string d = n->digits;
    while (!d.empty() && d.front() == '0') {
        d.erase(0, 1);
        --n->pointAfter;
    }
    if (n->pointAfter > 400)
        return std::nullopt;
    // The whole part, then one more when what follows the point rounds up.
    std::string whole;
    for (long long k = 0; k < n->pointAfter; ++k)
        whole += k < static_cast<long long>(d.size()) ? d[static_cast<std::size_t>(k)] : '0';
    const std::string fraction = n->pointAfter < 0 ? std::string(static_cast<std::size_t>(-n->pointAfter), '0') + d
        : static_cast<long long>(d.size()) > n->pointAfter ? d.substr(static_cast<std::size_t>(n->pointAfter))
                                                         : "";
    const bool odd = !whole.empty() && (whole.back() - '0') % 2 == 1;
    const bool moreThanHalf = !fraction.empty()
        && (fraction[0] > '5' || (fraction[0] == '5' && fraction.find_first_not_of('0', 1) != std::string::npos));
    const bool half = !fraction.empty() && fraction[0] == '5' && fraction.find_first_not_of('0', 1) == std::string::npos;
    long long carry = count + ((moreThanHalf || (half && odd)) ? 1 : 0);
    // Schoolbook addition from the last digit.
    for (std::size_t k = whole.size(); k > 0 && carry > 0; --k) {
        const long long digit = (whole[k - 1] - '0') + carry;
        whole[k - 1] = static_cast<char>('0' + digit % 10);
        carry = digit / 10;
    }
    if (carry > 0)
        whole = std::to_string(carry) + whole;
    return whole.empty() ? "0" : whole;
}

}  // namespace reference
