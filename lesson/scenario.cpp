#include "lesson/scenario.h"

#include <charconv>
#include <optional>
#include <utility>

namespace {

constexpr int MOST_PRESSES = 1000;

// Splits a line into words: blanks separate them, double quotes hold blanks, \" is a quote.
std::optional<std::vector<std::string>> wordsOf(std::string_view line)
{
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t') {
            ++i;
            continue;
        }
        std::string word;
        if (line[i] == '"') {
            for (++i;; ++i) {
                if (i >= line.size())
                    return std::nullopt;
                if (line[i] == '\\' && i + 1 < line.size() && line[i + 1] == '"') {
                    word += '"';
                    ++i;
                } else if (line[i] == '"') {
                    ++i;
                    break;
                } else {
                    word += line[i];
                }
            }
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t')
                word += line[i++];
        }
        words.push_back(word);
    }
    return words;
}

std::optional<int> countOf(const std::string& word, int least, int most)
{
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc{} || end != word.data() + word.size() || value < least || value > most)
        return std::nullopt;
    return value;
}

// Well-formed UTF-8: no stray or missing continuation bytes, no overlong forms, no surrogates,
// nothing past U+10FFFF.
bool isUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 4;
        unsigned char low = 0x80, high = 0xBF;  // the range of the byte after the lead
        if (lead >= 0xC2 && lead <= 0xDF)
            length = 2;
        else if (lead >= 0xE0 && lead <= 0xEF)
            length = 3;
        else if (lead < 0xF0 || lead > 0xF4)
            return false;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
        else if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
        if (text.size() - i < length)
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto byte = static_cast<unsigned char>(text[i + k]);
            if (byte < (k == 1 ? low : 0x80) || byte > (k == 1 ? high : 0xBF))
                return false;
        }
        i += length;
    }
    return true;
}

bool takesStart(ScreenId screen) { return factsOf(screen).takesStart; }

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    return first == std::string_view::npos ? std::string_view{}
                                           : text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A word as the reader takes it back: quoted when it is empty, holds a blank or starts with a quote.
std::string wordFor(const std::string& text)
{
    if (!text.empty() && text.find_first_of(" \t") == std::string::npos && text.front() != '"')
        return text;
    std::string word = "\"";
    for (const char c : text)
        word += c == '"' ? std::string("\\\"") : std::string(1, c);
    return word + "\"";
}

void writeComment(std::string& out, std::string_view text)
{
    while (!text.empty()) {
        const auto end = text.find('\n');
        out += "# " + std::string(text.substr(0, end)) + "\n";
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
}

}  // namespace

std::variant<std::vector<ScenarioStep>, ScenarioError> readScenario(std::string_view text, ScreenId firstScreen)
{
    std::vector<ScenarioStep> steps;
    ScreenId screen = firstScreen;
    std::string note;
    int number = 0;
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.find('\0') != std::string_view::npos)
            return ScenarioError{number, "text, not a NUL byte (is it a text file?)"};
        if (!isUtf8(line))
            return ScenarioError{number, "UTF-8 text (save the file as UTF-8)"};
        const auto words = wordsOf(line);
        if (!words)
            return ScenarioError{number, "a closing quote"};
        if (words->empty()) {
            note.clear();
            continue;
        }
        if (words->front().starts_with('#')) {
            const std::string_view comment = trimmed(trimmed(line).substr(1));
            if (!comment.empty())
                note += (note.empty() ? "" : " ") + std::string(comment);
            continue;
        }
        if (steps.size() == MOST_SCENARIO_STEPS)
            return ScenarioError{number, "no more than 10000 steps"};
        const std::string& verb = words->front();
        const std::size_t given = words->size() - 1;
        ScenarioStep step;
        step.line = number;
        step.text = std::string(line.substr(line.find_first_not_of(" \t")));
        step.note = std::exchange(note, {});
        if (verb == "screen") {
            const auto target = given == 1 ? screenFromOption((*words)[1]) : std::nullopt;
            if (!target)
                return ScenarioError{number, "one screen after 'screen': contiguous, linked, indexed or multilevel"};
            step.kind = ScenarioStep::Kind::Screen;
            step.screen = screen = *target;
        } else if (verb == "add") {
            if (takesStart(screen) && given != 3)
                return ScenarioError{number, "a name, a start and a length after 'add' on this screen"};
            if (!takesStart(screen) && given != 2)
                return ScenarioError{number, "a name and a length after 'add' on an indexed screen"};
            step.kind = ScenarioStep::Kind::Add;
            step.name = (*words)[1];
            step.start = takesStart(screen) ? (*words)[2] : "";
            step.length = words->back();
        } else if (verb == "next") {
            step.kind = ScenarioStep::Kind::Next;
            if (given == 1 && (*words)[1] == "all") {
                step.kind = ScenarioStep::Kind::NextAll;
            } else if (given == 1) {
                const auto count = countOf((*words)[1], 1, MOST_PRESSES);
                if (!count)
                    return ScenarioError{number, "a number of presses from 1 to 1000, or 'all', after 'next'"};
                step.count = *count;
            } else if (given > 1) {
                return ScenarioError{number, "a number of presses from 1 to 1000, or 'all', after 'next'"};
            }
        } else if (verb == "clear") {
            if (given != 0)
                return ScenarioError{number, "nothing after 'clear'"};
            step.kind = ScenarioStep::Kind::Clear;
        } else if (verb == "row") {
            const auto row = given == 1 ? countOf((*words)[1], 1, 10000) : std::nullopt;
            if (!row)
                return ScenarioError{number, "a row number from 1 after 'row'"};
            step.kind = ScenarioStep::Kind::Row;
            step.count = *row;
        } else {
            return ScenarioError{number, "screen, add, next, clear or row"};
        }
        steps.push_back(std::move(step));
    }
    return steps;
}

std::string writeScenario(const std::vector<ScenarioStep>& steps, ScreenId firstScreen, std::string_view heading)
{
    std::string out;
    writeComment(out, heading);
    if (!out.empty())
        out += "\n";
    ScreenId screen = firstScreen;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const ScenarioStep& step = steps[i];
        writeComment(out, step.note);
        switch (step.kind) {
        case ScenarioStep::Kind::Screen:
            screen = step.screen;
            out += "screen " + std::string(factsOf(screen).option);
            break;
        case ScenarioStep::Kind::Add:
            out += "add " + wordFor(step.name) + (takesStart(screen) ? " " + wordFor(step.start) : "") + " "
                + wordFor(step.length);
            break;
        case ScenarioStep::Kind::Next: {
            int presses = step.count;
            while (i + 1 < steps.size() && steps[i + 1].kind == ScenarioStep::Kind::Next && steps[i + 1].note.empty()
                && presses + steps[i + 1].count <= MOST_PRESSES)
                presses += steps[++i].count;
            out += presses == 1 ? std::string("next") : "next " + std::to_string(presses);
            break;
        }
        case ScenarioStep::Kind::NextAll: out += "next all"; break;
        case ScenarioStep::Kind::Clear: out += "clear"; break;
        case ScenarioStep::Kind::Row: out += "row " + std::to_string(step.count); break;
        }
        out += "\n";
    }
    return out;
}
