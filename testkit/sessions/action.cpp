#include "sessions/action.h"

#include "core/entry_form.h"

#include <charconv>
#include <cstdio>
#include <sstream>

namespace {

constexpr std::size_t RUN_WORTH_SHORTENING = 12;

std::optional<Control> controlNamed(std::string_view name)
{
    // Every control that has a name; new controls are found without a list to keep up to date.
    for (int i = 0; i < 256; ++i) {
        const auto c = static_cast<Control>(i);
        if (name == controlName(c))
            return c;
    }
    return std::nullopt;
}

void appendEscaped(std::string& out, char c)
{
    switch (c) {
    case '"': out += "\\\""; return;
    case '\\': out += "\\\\"; return;
    case '\t': out += "\\t"; return;
    case '\n': out += "\\n"; return;
    case '\r': out += "\\r"; return;
    default: break;
    }
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u >= 0x7F) {
        char hex[5];
        std::snprintf(hex, sizeof hex, "\\x%02X", u);
        out += hex;
    } else {
        out += c;
    }
}

// Reads the pieces of a quoted text from the front of s; what follows is left in s.
std::optional<std::string> readQuoted(std::string_view& s)
{
    std::string text;
    bool anyPiece = false;
    for (;;) {
        while (!s.empty() && s.front() == ' ')
            s.remove_prefix(1);
        if (s.empty() || s.front() != '"')
            break;
        s.remove_prefix(1);
        std::string piece;
        bool closed = false;
        while (!s.empty()) {
            const char c = s.front();
            s.remove_prefix(1);
            if (c == '"') {
                closed = true;
                break;
            }
            if (c != '\\') {
                piece += c;
                continue;
            }
            if (s.empty())
                return std::nullopt;
            const char e = s.front();
            s.remove_prefix(1);
            switch (e) {
            case 't': piece += '\t'; break;
            case 'n': piece += '\n'; break;
            case 'r': piece += '\r'; break;
            case '"': piece += '"'; break;
            case '\\': piece += '\\'; break;
            case 'x': {
                unsigned value = 0;
                if (s.size() < 2 || std::from_chars(s.data(), s.data() + 2, value, 16).ptr != s.data() + 2)
                    return std::nullopt;
                piece += static_cast<char>(value);
                s.remove_prefix(2);
                break;
            }
            default: return std::nullopt;
            }
        }
        if (!closed)
            return std::nullopt;
        std::size_t times = 1;
        if (!s.empty() && s.front() == '*') {
            s.remove_prefix(1);
            const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), times);
            if (ec != std::errc{} || times > 10'000'000)
                return std::nullopt;
            s.remove_prefix(static_cast<std::size_t>(ptr - s.data()));
        }
        for (std::size_t i = 0; i < times; ++i)
            text += piece;
        anyPiece = true;
    }
    if (!anyPiece)
        return std::nullopt;
    return text;
}

std::string_view firstWord(std::string_view& s)
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    const auto end = s.find(' ');
    const std::string_view word = s.substr(0, end);
    s.remove_prefix(word.size());
    return word;
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\r'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

}  // namespace

std::string quoteText(std::string_view text)
{
    std::string out;
    std::string piece;
    const auto flush = [&] {
        if (piece.empty() && !out.empty())
            return;
        if (!out.empty())
            out += ' ';
        out += '"';
        out += piece;
        out += '"';
        piece.clear();
    };
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t run = 1;
        while (i + run < text.size() && text[i + run] == text[i])
            ++run;
        if (run >= RUN_WORTH_SHORTENING) {
            if (!piece.empty())
                flush();
            if (!out.empty())
                out += ' ';
            out += '"';
            appendEscaped(out, text[i]);
            out += "\"*" + std::to_string(run);
        } else {
            for (std::size_t k = 0; k < run; ++k)
                appendEscaped(piece, text[i]);
        }
        i += run;
    }
    if (!piece.empty() || out.empty())
        flush();
    return out;
}

std::string formatAction(const Action& action)
{
    switch (action.kind) {
    case ActionKind::Type: return std::string("type ") + controlName(action.control) + ' ' + quoteText(action.text);
    case ActionKind::Enter: return std::string("enter ") + controlName(action.control);
    case ActionKind::Click: return std::string("click ") + controlName(action.control);
    case ActionKind::ClickRow:
        return std::string("row ") + controlName(action.control) + ' ' + std::to_string(action.row);
    case ActionKind::Reload: return "reload";
    case ActionKind::StepBack: return "back";
    case ActionKind::Restart: return "restart";
    }
    return "?";
}

std::optional<Action> parseAction(std::string_view line)
{
    std::string_view rest = trimmed(line);
    const std::string_view verb = firstWord(rest);
    if (verb == "reload")
        return trimmed(rest).empty() ? std::optional<Action>(Action::reload()) : std::nullopt;
    if (verb == "back")
        return trimmed(rest).empty() ? std::optional<Action>(Action::stepBack()) : std::nullopt;
    if (verb == "restart")
        return trimmed(rest).empty() ? std::optional<Action>(Action::restart()) : std::nullopt;
    const auto control = controlNamed(firstWord(rest));
    if (!control)
        return std::nullopt;
    if (verb == "enter" || verb == "click") {
        if (!trimmed(rest).empty())
            return std::nullopt;
        return verb == "enter" ? Action::enter(*control) : Action::click(*control);
    }
    if (verb == "row") {
        const std::string_view number = trimmed(rest);
        int row = 0;
        const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), row);
        if (ec != std::errc{} || ptr != number.data() + number.size())
            return std::nullopt;
        return Action::clickRow(*control, row);
    }
    if (verb == "type") {
        auto text = readQuoted(rest);
        if (!text || !trimmed(rest).empty())
            return std::nullopt;
        return Action::type(*control, std::move(*text));
    }
    return std::nullopt;
}

std::string formatReplay(const Replay& replay)
{
    std::string out = "seed " + std::to_string(replay.seed) + '\n';
    for (const Action& a : replay.actions)
        out += formatAction(a) + '\n';
    return out;
}

std::optional<Replay> parseReplay(std::string_view text)
{
    Replay replay;
    bool seedSeen = false;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == '#')
            continue;
        if (line.starts_with("seed ")) {
            const std::string_view number = trimmed(line.substr(5));
            const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), replay.seed);
            if (ec != std::errc{} || ptr != number.data() + number.size() || seedSeen)
                return std::nullopt;
            seedSeen = true;
            continue;
        }
        auto action = parseAction(line);
        if (!action)
            return std::nullopt;
        replay.actions.push_back(std::move(*action));
    }
    return replay;
}
