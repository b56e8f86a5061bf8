#include "lesson/exercise.h"

#include "core/messages.h"
#include "indexed/index_scheme.h"
#include "lesson/free_space.h"
#include "lesson/reading.h"
#include "lesson/snapshot.h"

#include <algorithm>
#include <charconv>

namespace {

const std::string PLACED = "It is placed";

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

// The presses of Next Block that the file being placed still takes, counted by pressing them on the
// screen and putting it back.
int pressesLeft(Screen& screen, Share& share)
{
    struct : MessageSink {
        void show(const Message&) override {}
    } none;
    const TrialGuard trial(screen, share);
    int presses = 0;
    while (screen.mode() != Mode::Idle && presses < 1000) {
        screen.nextBlock(none);
        ++presses;
    }
    return presses;
}

// A question of what Add does, its choices in the screen's order.
Question addQuestion(QuestionKind kind, ScreenId screen, std::string text, const AddOutcome& outcome,
    std::string working, std::vector<int> marks)
{
    const std::vector<AddOutcome> outcomes = addOutcomes(screen);
    Question q{kind, Question::Form::Choice, std::move(text), {}, outcomeText(outcome), -1, std::move(working),
        std::move(marks)};
    for (const AddOutcome& o : outcomes) {
        if (o == outcome)
            q.rightChoice = static_cast<int>(q.choices.size());
        q.choices.push_back(outcomeText(o));
    }
    return q;
}

Question numberQuestion(QuestionKind kind, std::string text, long long answer, std::string working,
    std::vector<int> marks = {})
{
    return {kind, Question::Form::Number, std::move(text), {}, std::to_string(answer), -1, std::move(working),
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
        int chosen = -1;
        if (const auto n = numberIn(text); n && *n >= 1 && *n <= static_cast<long long>(question.choices.size()))
            chosen = static_cast<int>(*n - 1);
        for (std::size_t i = 0; chosen < 0 && !text.empty() && i < question.choices.size(); ++i) {
            if (trimmed(question.choices[i]) == text)
                chosen = static_cast<int>(i);
        }
        return chosen >= 0 && chosen == question.rightChoice;
    }
    }
    return false;
}

std::vector<AddOutcome> addOutcomes(ScreenId screen)
{
    std::vector<AddOutcome> outcomes{MessageId::None};
    for (const MessageId id : factsOf(screen).addMessages) {
        if (id != MessageId::None)
            outcomes.emplace_back(id);
    }
    return outcomes;
}

std::string outcomeText(const AddOutcome& outcome)
{
    return outcome == MessageId::None ? PLACED : messages::byId(outcome).text;
}

std::optional<AddOutcome> tryAdd(
    Screen& screen, Share& share, const std::string& name, const std::string& start, const std::string& length)
{
    struct Recorder final : MessageSink {
        std::vector<Message> shown;
        void show(const Message& m) override { shown.push_back(m); }
    } sink;
    const TrialGuard trial(screen, share);
    const std::size_t files = screen.files().size();
    screen.type(Control::txFile, name);
    if (factsOf(screen.id()).takesStart)
        screen.type(Control::txStart, start);
    screen.type(Control::txLenght, length);
    screen.addFile(sink);
    if (!sink.shown.empty())
        return sink.shown.front().id;
    if (screen.files().size() > files)
        return MessageId::None;
    return std::nullopt;
}

std::vector<QuestionKind> kindsFor(const Screen& screen, bool aboutAdd)
{
    std::vector<QuestionKind> kinds;
    if (!screen.isLoaded())
        return kinds;
    const ScreenFacts& facts = factsOf(screen.id());
    const auto& files = screen.files();
    if (std::any_of(files.begin(), files.end(), [](const FileRecord& f) { return !dataBlocksOf(f).empty(); })) {
        kinds.insert(kinds.end(), {QuestionKind::ReadCount, QuestionKind::ReadPath, QuestionKind::HoldingBlock,
                                      QuestionKind::WholeReads, QuestionKind::WholeJumps});
    }
    if (facts.oneRun)
        kinds.insert(kinds.end(), {QuestionKind::AddAtStart, QuestionKind::LargestFile});
    if (facts.chained && std::any_of(files.begin(), files.end(), [](const FileRecord& f) { return f.complete; }))
        kinds.push_back(QuestionKind::ChainEnd);
    if (screen.mode() != Mode::Idle)
        kinds.push_back(QuestionKind::PressesLeft);
    if (facts.index == IndexLayout::Chained)
        kinds.push_back(QuestionKind::IndexBlocksFor);
    if (facts.index == IndexLayout::TwoLevel)
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
    const ScreenFacts& facts = factsOf(id);
    const auto& files = screen.files();
    const FileRecord* picked
        = pick.file >= 0 && pick.file < static_cast<int>(files.size()) ? &files[static_cast<std::size_t>(pick.file)]
                                                                       : nullptr;
    switch (kind) {
    case QuestionKind::ReadCount:
    case QuestionKind::ReadPath:
    case QuestionKind::HoldingBlock: {
        const auto read = picked != nullptr ? readBlock(screen, *picked, pick.block) : std::nullopt;
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
            listed(path), -1, readPathText(path) + ".", path};
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
        if (!facts.oneRun || screen.mode() != Mode::Idle)
            return std::nullopt;
        const auto outcome = tryAdd(screen, share, "x", std::to_string(pick.start), std::to_string(pick.length));
        if (!outcome)
            return std::nullopt;
        std::vector<int> run;
        for (int b = std::max(pick.start, 0); b < std::min(pick.start + pick.length, BlockDisk::BLOCKS); ++b)
            run.push_back(b);
        return addQuestion(kind, id,
            "Can a file of " + std::to_string(pick.length) + " blocks be added at start " + std::to_string(pick.start)
                + "? If not, which message will Add give?",
            *outcome,
            "Add: " + outcomeText(*outcome) + ". It needs blocks " + std::to_string(pick.start) + " to "
                + std::to_string(pick.start + pick.length - 1) + "; the free runs are "
                + freeRunsText(freeSpaceOf(screen.form().disk).runs) + ".",
            run);
    }
    case QuestionKind::LargestFile: {
        if (!facts.oneRun)
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
        if (!facts.chained || picked == nullptr || !picked->complete)
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
        if (facts.index != IndexLayout::Chained || pick.length < 1)
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
        if (facts.index != IndexLayout::TwoLevel || pick.length < 1)
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
        const std::string start = facts.takesStart ? fields.text(Control::txStart) : "";
        const auto outcome = tryAdd(screen, share, fields.text(Control::txFile), start, fields.text(Control::txLenght));
        if (!outcome)
            return std::nullopt;
        return addQuestion(kind, id,
            "What will Add do with what is typed now: place the file, or which message will it give first?", *outcome,
            "Add: " + outcomeText(*outcome) + ".", {});
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
