#include "lesson/answer.h"

#include "core/block_disk.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <vector>

namespace {

const std::string BLOCKS_EXAMPLE = "type the blocks in the order read, such as 60, 54, 17.";

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string lowered(std::string_view text)
{
    std::string low(text);
    std::transform(low.begin(), low.end(), low.begin(), [](unsigned char c) { return std::tolower(c); });
    return low;
}

// A whole number with an optional sign; one too large to hold is still a number, just a wrong one.
std::optional<long long> numberIn(std::string_view text)
{
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    if (text.empty() || !std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); }))
        return std::nullopt;
    constexpr long long FAR_TOO_LARGE = 1'000'000'000'000'000;
    long long value = 0;
    for (const char c : text)
        value = value >= FAR_TOO_LARGE ? FAR_TOO_LARGE : value * 10 + (c - '0');
    return negative ? -value : value;
}

bool isBlock(long long n) { return n >= 0 && n < BlockDisk::BLOCKS; }

Judgement notAnAnswer(std::string hint) { return {Verdict::NotAnAnswer, std::move(hint)}; }

Judgement rightIf(bool right) { return {right ? Verdict::Right : Verdict::Wrong, {}}; }

Judgement judgeNumber(const Question& question, std::string_view given)
{
    if (given.empty())
        return notAnAnswer(question.isBlock ? "Nothing typed: type a block number, from 0 to 63."
                                            : "Nothing typed: type a number, such as 4.");
    const auto n = numberIn(given);
    if (!n)
        return notAnAnswer("\"" + std::string(given) + "\" is not a whole number: type one, such as 4.");
    if (question.isBlock && !isBlock(*n))
        return notAnAnswer("Blocks are numbered from 0 to 63: type one of them.");
    if (*n < 0)
        return notAnAnswer("A count is never below 0: type 0 or more.");
    return rightIf(std::to_string(*n) == question.answer);
}

// Blocks are separated by commas or blanks; every comma stands between two of them.
std::optional<std::vector<long long>> blocksIn(std::string_view text, std::string& hint)
{
    std::vector<long long> blocks;
    while (true) {
        const auto comma = text.find(',');
        const std::string_view item = trimmed(text.substr(0, comma));
        if (item.empty()) {
            hint = "Each comma goes between two blocks: " + BLOCKS_EXAMPLE;
            return std::nullopt;
        }
        for (std::size_t i = 0; i < item.size();) {
            const auto end = std::min(item.find_first_of(" \t", i), item.size());
            const std::string_view word = item.substr(i, end - i);
            const auto n = numberIn(word);
            if (!n || !isBlock(*n)) {
                hint = "\"" + std::string(word) + "\" is not a block (0 to 63): " + BLOCKS_EXAMPLE;
                return std::nullopt;
            }
            blocks.push_back(*n);
            i = item.find_first_not_of(" \t", end);
        }
        if (comma == std::string_view::npos)
            return blocks;
        text.remove_prefix(comma + 1);
    }
}

Judgement judgeChoice(const Question& question, std::string_view given)
{
    const auto count = static_cast<long long>(question.choices.size());
    int chosen = -1;
    if (const auto n = numberIn(given); n && *n >= 1 && *n <= count)
        chosen = static_cast<int>(*n - 1);
    for (std::size_t i = 0; chosen < 0 && !given.empty() && i < question.choices.size(); ++i) {
        if (lowered(trimmed(question.choices[i])) == lowered(given))
            chosen = static_cast<int>(i);
    }
    if (chosen < 0)
        return notAnAnswer(
            "Choose one of the " + std::to_string(count) + " answers listed, by its text or its number from 1.");
    return rightIf(chosen == question.rightChoice);
}

}  // namespace

Judgement judge(const Question& question, std::string_view given)
{
    given = trimmed(given);
    switch (question.form) {
    case Question::Form::Number: return judgeNumber(question, given);
    case Question::Form::Blocks: {
        if (given.empty())
            return notAnAnswer("Nothing typed: " + BLOCKS_EXAMPLE);
        std::string hint, unused;
        const auto blocks = blocksIn(given, hint);
        if (!blocks)
            return notAnAnswer(hint);
        return rightIf(blocks == blocksIn(question.answer, unused));
    }
    case Question::Form::Choice: return judgeChoice(question, given);
    }
    return rightIf(false);
}

bool isRight(const Question& question, std::string_view given)
{
    return judge(question, given).verdict == Verdict::Right;
}
