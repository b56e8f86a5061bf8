#include "lesson/exercise.h"

#include "core/messages.h"
#include "indexed/index_scheme.h"
#include "lesson/free_space.h"
#include "lesson/reading.h"

#include <algorithm>
#include <charconv>

namespace {

const std::string PLACED = "It is placed";
const std::string SPACE_PREFIX = "Space not enough.total= ";
const std::string SPACE_CHOICE = SPACE_PREFIX + "(the sum)";

std::string trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

std::optional<long long> numberIn(std::string_view text)
{
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<std::vector<long long>> blocksIn(std::string_view text)
{
    std::vector<long long> blocks;
    std::string word;
    const auto flush = [&]() -> bool {
        if (word.empty())
            return true;
        const auto n = numberIn(word);
        word.clear();
        if (!n)
            return false;
        blocks.push_back(*n);
        return true;
    };
    for (const char c : text) {
        if (c == ',' || c == ' ' || c == '\t') {
            if (!flush())
                return std::nullopt;
        } else {
            word += c;
        }
    }
    if (!flush())
        return std::nullopt;
    return blocks;
}

std::string listed(const std::vector<int>& blocks)
{
    std::string text;
    for (const int b : blocks)
        text += (text.empty() ? "" : ", ") + std::to_string(b);
    return text;
}

std::string fileName(const FileRecord& file)
{
    std::string name = "file \"" + file.name + "\"";
    if (file.number)
        name += " (file " + std::to_string(*file.number) + ")";
    return name;
}

bool hasField(const Screen& screen, Control field)
{
    const auto& fields = screen.form().fields.fields();
    return std::find(fields.begin(), fields.end(), field) != fields.end();
}

// The presses of Next Block that the file being placed still takes, counted by pressing them on the
// screen and putting it back.
int pressesLeft(Screen& screen, Share& share)
{
    struct : MessageSink {
        void show(const Message&) override {}
    } none;
    const auto saved = screen.save();
    const auto position = share.position();
    int presses = 0;
    while (screen.mode() != Mode::Idle && presses < 1000) {
        screen.nextBlock(none);
        ++presses;
    }
    screen.restore(*saved);
    share.rewindTo(position);
    return presses;
}

Question numberQuestion(QuestionKind kind, std::string text, long long answer, std::string working,
    std::vector<int> marks = {})
{
    return {kind, Question::Form::Number, std::move(text), {}, std::to_string(answer), std::move(working),
        std::move(marks)};
}

}  // namespace

bool isRight(const Question& question, std::string_view given)
{
    switch (question.form) {
    case Question::Form::Number: {
        const auto number = numberIn(trimmed(given));
        return number && std::to_string(*number) == question.answer;
    }
    case Question::Form::Blocks: return blocksIn(given) == blocksIn(question.answer);
    case Question::Form::Choice: {
        const std::string text = trimmed(given);
        if (const auto n = numberIn(text); n && *n >= 1 && *n <= static_cast<long long>(question.choices.size()))
            return question.choices[static_cast<std::size_t>(*n - 1)] == question.answer;
        return !text.empty() && text == trimmed(question.answer);
    }
    }
    return false;
}

std::vector<std::string> addOutcomes(ScreenId screen)
{
    std::vector<std::string> outcomes{PLACED, messages::filenameMissing().text};
    switch (screen) {
    case ScreenId::Contiguous:
        outcomes.insert(outcomes.end(), {messages::startNotNumeric().text, messages::lenghtNotNumeric().text,
                                            messages::startNotAllowed().text, messages::lenghtOverloaded().text,
                                            messages::writeDenied().text});
        break;
    case ScreenId::Linked:
        outcomes.insert(outcomes.end(),
            {messages::startNotNumeric().text, messages::lenghtNotNumeric().text, messages::startNotAllowed().text,
                messages::writeDenied().text, messages::lenghtOverloaded().text, SPACE_CHOICE});
        break;
    case ScreenId::IndexedL:
    case ScreenId::IndexedM:
        outcomes.insert(outcomes.end(), {messages::lenghtNotNumeric().text, messages::lenghtOverloaded().text,
                                            messages::fileNumbersUsedUp().text});
        break;
    }
    return outcomes;
}

std::string tryAdd(
    Screen& screen, Share& share, const std::string& name, const std::string& start, const std::string& length)
{
    struct Recorder final : MessageSink {
        std::vector<Message> shown;
        void show(const Message& m) override { shown.push_back(m); }
    } sink;
    const auto saved = screen.save();
    const auto position = share.position();
    const std::size_t files = screen.files().size();
    screen.type(Control::txFile, name);
    if (hasField(screen, Control::txStart))
        screen.type(Control::txStart, start);
    screen.type(Control::txLenght, length);
    screen.addFile(sink);
    const bool placed = screen.files().size() > files;
    screen.restore(*saved);
    share.rewindTo(position);
    if (!sink.shown.empty())
        return sink.shown.front().text.starts_with(SPACE_PREFIX) ? SPACE_CHOICE : sink.shown.front().text;
    return placed ? PLACED : "";
}

std::vector<QuestionKind> kindsFor(const Screen& screen, bool aboutAdd)
{
    std::vector<QuestionKind> kinds;
    if (!screen.isLoaded())
        return kinds;
    const ScreenId id = screen.id();
    const auto& files = screen.files();
    if (std::any_of(files.begin(), files.end(), [](const FileRecord& f) { return !dataBlocksOf(f).empty(); })) {
        kinds.insert(kinds.end(), {QuestionKind::ReadCount, QuestionKind::ReadPath, QuestionKind::HoldingBlock,
                                      QuestionKind::WholeReads, QuestionKind::WholeJumps});
    }
    if (id == ScreenId::Contiguous)
        kinds.insert(kinds.end(), {QuestionKind::AddAtStart, QuestionKind::LargestFile});
    if (id == ScreenId::Linked && std::any_of(files.begin(), files.end(), [](const FileRecord& f) { return f.complete; }))
        kinds.push_back(QuestionKind::ChainEnd);
    if (screen.mode() != Mode::Idle)
        kinds.push_back(QuestionKind::PressesLeft);
    if (id == ScreenId::IndexedL)
        kinds.push_back(QuestionKind::IndexBlocksFor);
    if (id == ScreenId::IndexedM)
        kinds.push_back(QuestionKind::SecondLevelFor);
    const EntryForm& fields = screen.form().fields;
    const bool typed = !fields.text(Control::txFile).empty() || !fields.text(Control::txLenght).empty();
    if (aboutAdd && typed && screen.mode() == Mode::Idle)
        kinds.push_back(QuestionKind::PredictAdd);
    return kinds;
}

std::optional<Question> ask(QuestionKind kind, Screen& screen, Share& share, const Pick& pick)
{
    if (!screen.isLoaded())
        return std::nullopt;
    const ScreenId id = screen.id();
    const auto& files = screen.files();
    const FileRecord* picked
        = pick.file >= 0 && pick.file < static_cast<int>(files.size()) ? &files[static_cast<std::size_t>(pick.file)]
                                                                       : nullptr;
    switch (kind) {
    case QuestionKind::ReadCount:
    case QuestionKind::ReadPath:
    case QuestionKind::HoldingBlock: {
        const auto read = picked != nullptr ? readBlock(id, *picked, pick.block) : std::nullopt;
        if (!read)
            return std::nullopt;
        const std::vector<int>& path = read->blocks;
        const std::string where = "block " + std::to_string(pick.block) + " of " + fileName(*picked);
        if (kind == QuestionKind::HoldingBlock) {
            return numberQuestion(kind, "Which disk block holds " + where + "?", path.back(),
                "Block " + std::to_string(pick.block) + " of the file is disk block " + std::to_string(path.back())
                    + "; reaching it takes " + readPathText(path) + ".",
                {path.back()});
        }
        if (kind == QuestionKind::ReadCount) {
            return numberQuestion(kind, "How many disk reads reach " + where + "?",
                static_cast<long long>(path.size()), readPathText(path) + ".", path);
        }
        return Question{kind, Question::Form::Blocks,
            "Which blocks are read, in order, to reach " + where + "? (numbers separated by commas)", {},
            listed(path), readPathText(path) + ".", path};
    }
    case QuestionKind::WholeReads:
    case QuestionKind::WholeJumps: {
        if (picked == nullptr || dataBlocksOf(*picked).empty())
            return std::nullopt;
        const WholeRead whole = readWholeFile(*picked);
        const std::string working = "Read from start to end: " + readPathText(whole.blocks) + "; the head jumps "
            + std::to_string(whole.jumps) + (whole.jumps == 1 ? " time" : " times")
            + ", wherever the next block is not the one right after.";
        if (kind == QuestionKind::WholeReads) {
            return numberQuestion(kind, "Reading " + fileName(*picked) + " from start to end: how many disk reads?",
                static_cast<long long>(whole.blocks.size()), working, whole.blocks);
        }
        return numberQuestion(kind,
            "Reading " + fileName(*picked) + " from start to end: how many jumps of the head?", whole.jumps, working,
            whole.blocks);
    }
    case QuestionKind::AddAtStart: {
        if (id != ScreenId::Contiguous || screen.mode() != Mode::Idle)
            return std::nullopt;
        const std::string outcome
            = tryAdd(screen, share, "x", std::to_string(pick.start), std::to_string(pick.length));
        std::vector<int> run;
        for (int b = std::max(pick.start, 0); b < std::min(pick.start + pick.length, BlockDisk::BLOCKS); ++b)
            run.push_back(b);
        return Question{kind, Question::Form::Choice,
            "Can a file of " + std::to_string(pick.length) + " blocks be added at start " + std::to_string(pick.start)
                + "? If not, which message will Add give?",
            addOutcomes(id), outcome,
            "Add: " + outcome + ". It needs blocks " + std::to_string(pick.start) + " to "
                + std::to_string(pick.start + pick.length - 1) + "; the free runs are "
                + freeRunsText(freeSpaceOf(screen.form().disk).runs) + ".",
            run};
    }
    case QuestionKind::LargestFile: {
        if (id != ScreenId::Contiguous)
            return std::nullopt;
        const FreeSpace space = freeSpaceOf(screen.form().disk);
        std::vector<int> run;
        for (const FreeRun& r : space.runs) {
            if (r.length == space.largestRun && run.empty()) {
                for (int b = r.start; b < r.start + r.length; ++b)
                    run.push_back(b);
            }
        }
        return numberQuestion(kind, "What is the largest file that Add can place now?", space.largestRun,
            "A file takes one unbroken run of free blocks; the free runs are " + freeRunsText(space.runs) + ".", run);
    }
    case QuestionKind::ChainEnd: {
        if (id != ScreenId::Linked || picked == nullptr || !picked->complete)
            return std::nullopt;
        std::vector<int> chain;
        for (const HeldBlock& b : picked->blocks)
            chain.push_back(b.block);
        return numberQuestion(kind,
            "The chain of " + fileName(*picked) + " starts at block " + std::to_string(chain.front())
                + ". In which block does it end?",
            chain.back(), "Following the numbers from the start: " + listed(chain) + ", and the last shows -1.", chain);
    }
    case QuestionKind::PressesLeft: {
        if (screen.mode() == Mode::Idle || files.empty())
            return std::nullopt;
        const int presses = pressesLeft(screen, share);
        return numberQuestion(kind, "How many more presses of Next Block will " + fileName(files.back()) + " take?",
            presses,
            "Each press places one block and the last one ends the placement: " + std::to_string(presses)
                + (presses == 1 ? " press." : " presses."));
    }
    case QuestionKind::IndexBlocksFor: {
        if (id != ScreenId::IndexedL || pick.length < 1)
            return std::nullopt;
        const int index = LinkedIndexScheme::blockCount(pick.length) - pick.length;
        return numberQuestion(kind,
            "How many index blocks (directory rows) will a file of " + std::to_string(pick.length)
                + " blocks take?",
            index,
            "Seven data blocks to an index block: " + std::to_string(pick.length) + " blocks need "
                + std::to_string(index) + ", so the file takes " + std::to_string(pick.length + index)
                + " blocks in all.");
    }
    case QuestionKind::SecondLevelFor: {
        if (id != ScreenId::IndexedM || pick.length < 1)
            return std::nullopt;
        const int second = MultilevelIndexScheme::secondLevelCount(pick.length);
        return numberQuestion(kind,
            "How many second-level index blocks will a file of " + std::to_string(pick.length) + " blocks take?",
            second,
            "Eight data blocks to a second-level block: " + std::to_string(second) + "; with one first-level block, "
                + std::to_string(1 + second + pick.length) + " blocks in all.");
    }
    case QuestionKind::PredictAdd: {
        if (screen.mode() != Mode::Idle)
            return std::nullopt;
        const EntryForm& fields = screen.form().fields;
        const std::string start = hasField(screen, Control::txStart) ? fields.text(Control::txStart) : "";
        const std::string outcome
            = tryAdd(screen, share, fields.text(Control::txFile), start, fields.text(Control::txLenght));
        return Question{kind, Question::Form::Choice,
            "What will Add do with what is typed now: place the file, or which message will it give first?",
            addOutcomes(id), outcome, "Add: " + outcome + ".", {}};
    }
    }
    return std::nullopt;
}

std::optional<Question> ExerciseGenerator::next(Screen& screen, Share& share, bool aboutAdd)
{
    const std::vector<QuestionKind> kinds = kindsFor(screen, aboutAdd);
    if (kinds.empty())
        return std::nullopt;
    const QuestionKind kind = kinds[static_cast<std::size_t>(below(static_cast<int>(kinds.size())))];
    // A file to ask about: one that holds data blocks, or, for the end of a chain, a finished one.
    std::vector<int> fitting;
    const auto& files = screen.files();
    for (std::size_t i = 0; i < files.size(); ++i) {
        const bool holds = !dataBlocksOf(files[i]).empty();
        if (kind == QuestionKind::ChainEnd ? files[i].complete : holds)
            fitting.push_back(static_cast<int>(i));
    }
    Pick pick;
    if (!fitting.empty()) {
        pick.file = fitting[static_cast<std::size_t>(below(static_cast<int>(fitting.size())))];
        const int held = static_cast<int>(dataBlocksOf(files[static_cast<std::size_t>(pick.file)]).size());
        pick.block = held > 0 ? below(held) : 0;
    }
    pick.start = below(BlockDisk::BLOCKS);
    pick.length = kind == QuestionKind::AddAtStart ? 1 + below(16) : 1 + below(56);
    return ask(kind, screen, share, pick);
}
