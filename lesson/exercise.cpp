#include "lesson/exercise.h"

#include "indexed/indexed_screen.h"
#include "lesson/free_space.h"
#include "lesson/reading.h"
#include "lesson/snapshot.h"

#include <algorithm>

namespace {

std::string listed(const std::vector<int>& blocks)
{
    std::string text;
    for (const int b : blocks)
        text += (text.empty() ? "" : ", ") + std::to_string(b);
    return text;
}

// The presses of Next Block that the file being placed still takes and the blocks they place,
// counted by pressing them on the screen and putting it back.
std::pair<int, int> pressesLeft(Screen& screen, Share& share)
{
    struct : MessageSink {
        void show(const Message&) override {}
    } none;
    const TrialGuard trial(screen, share);
    const std::size_t held = screen.files().back().blocks.size();
    int presses = 0;
    while (screen.mode() != Mode::Idle && presses < 1000) {
        screen.nextBlock(none);
        ++presses;
    }
    return {presses, static_cast<int>(screen.files().back().blocks.size() - held)};
}

// A question of what Add does, its choices in the screen's order.
Question addQuestion(QuestionKind kind, ScreenId screen, std::string text, const AddOutcome& outcome,
    std::string working, std::vector<int> marks)
{
    const std::vector<AddOutcome> outcomes = addOutcomes(screen);
    Question q{kind, Question::Form::Choice, std::move(text), {}, outcomeText(outcome), -1, std::move(working),
        std::move(marks), false, {}};
    for (const AddOutcome& o : outcomes) {
        if (o == outcome)
            q.rightChoice = static_cast<int>(q.choices.size());
        q.choices.push_back(outcomeText(o));
    }
    return q;
}

Question numberQuestion(QuestionKind kind, std::string text, long long answer, std::string working,
    std::vector<int> marks = {}, bool isBlock = false)
{
    return {kind, Question::Form::Number, std::move(text), {}, std::to_string(answer), -1, std::move(working),
        std::move(marks), isBlock, {}};
}

int perIndexBlock(const Screen& screen)
{
    const auto* indexed = dynamic_cast<const IndexedScreen*>(&screen);
    return indexed != nullptr ? indexed->scheme().dataPerIndexBlock() : 1;
}

std::string plural(int n, const std::string& one, const std::string& many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::optional<Question> posed(QuestionKind kind, Screen& screen, Share& share, const Pick& pick)
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
        const std::string working = readingWorking(screen, *picked, pick.block, path);
        if (kind == QuestionKind::HoldingBlock)
            return numberQuestion(
                kind, "Which disk block holds " + where + "?", path.back(), working, {path.back()}, true);
        if (kind == QuestionKind::ReadCount)
            return numberQuestion(
                kind, "How many disk reads reach " + where + "?", static_cast<long long>(path.size()), working, path);
        return Question{kind, Question::Form::Blocks,
            "Which blocks are read, in order, to reach " + where + "? (numbers separated by commas)", {}, listed(path),
            -1, working, path, false, {}};
    }
    case QuestionKind::WholeReads:
    case QuestionKind::WholeJumps: {
        if (picked == nullptr || dataBlocksOf(*picked).empty())
            return std::nullopt;
        const WholeRead whole = readWholeFile(*picked);
        const std::string working = std::string("A reader of the whole file meets every block it holds once, in the "
                                                "order the file keeps them")
            + (facts.index != IndexLayout::None ? ", index blocks before the data they name" : "")
            + "; the head jumps wherever the next block is not the one right after. " + readPathText(whole.blocks)
            + "; " + plural(whole.jumps, "jump", "jumps") + ".";
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
        const AddRequest request{"x", std::to_string(pick.start), std::to_string(pick.length)};
        const auto outcome = tryAdd(screen, share, request);
        if (!outcome)
            return std::nullopt;
        std::vector<int> run;
        for (int b = std::max(pick.start, 0); b < std::min(pick.start + pick.length, BlockDisk::BLOCKS); ++b)
            run.push_back(b);
        return addQuestion(kind, id,
            "Can a file of " + std::to_string(pick.length) + " blocks be added at start " + std::to_string(pick.start)
                + "? If not, which message will Add give?",
            *outcome, addWorking(screen, *outcome, request), run);
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
            "A file takes one unbroken run of free blocks, so the longest run is the largest file. The free runs are "
                + freeRunsText(space.runs) + ": the longest holds " + plural(space.largestRun, "block.", "blocks."),
            run);
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
            chain.back(),
            "Each block of a chain shows the number of the next, and the last shows -1. Following them from the "
            "start: "
                + listed(chain) + "; block " + std::to_string(chain.back()) + " shows -1.",
            chain, true);
    }
    case QuestionKind::PressesLeft: {
        if (screen.mode() == Mode::Idle || files.empty())
            return std::nullopt;
        const auto [presses, blocks] = pressesLeft(screen, share);
        return numberQuestion(kind, "How many more presses of Next Block will " + fileName(files.back()) + " take?",
            presses,
            std::string("Each press places one block")
                + (facts.index != IndexLayout::None ? ", index blocks included," : "")
                + " and the press after the last block ends the placement: " + plural(blocks, "block is", "blocks are")
                + " still to place, so " + plural(presses, "press.", "presses."));
    }
    case QuestionKind::IndexBlocksFor: {
        if (facts.index != IndexLayout::Chained || pick.length < 1)
            return std::nullopt;
        const int index = LinkedIndexScheme::blockCount(pick.length) - pick.length;
        const std::string per = std::to_string(perIndexBlock(screen));
        return numberQuestion(kind,
            "How many index blocks (directory rows) will a file of " + std::to_string(pick.length) + " blocks take?",
            index,
            "Each index block names " + per + " data blocks and the next index block, so " + std::to_string(pick.length)
                + " data blocks need " + std::to_string(pick.length) + " / " + per
                + " rounded up = " + plural(index, "index block", "index blocks") + ": "
                + std::to_string(pick.length + index) + " blocks in all.");
    }
    case QuestionKind::SecondLevelFor: {
        if (facts.index != IndexLayout::TwoLevel || pick.length < 1)
            return std::nullopt;
        const int second = MultilevelIndexScheme::secondLevelCount(pick.length);
        const std::string per = std::to_string(perIndexBlock(screen));
        return numberQuestion(kind,
            "How many second-level index blocks will a file of " + std::to_string(pick.length) + " blocks take?",
            second,
            "The first-level block names the second-level blocks, and each of those names " + per + " data blocks, so "
                + std::to_string(pick.length) + " data blocks need " + std::to_string(pick.length) + " / " + per
                + " rounded up = " + std::to_string(second) + "; with the first-level block, "
                + std::to_string(1 + second + pick.length) + " blocks in all.");
    }
    case QuestionKind::PredictAdd: {
        if (screen.mode() != Mode::Idle)
            return std::nullopt;
        const EntryForm& fields = screen.form().fields;
        const AddRequest request{fields.text(Control::txFile), facts.takesStart ? fields.text(Control::txStart) : "",
            fields.text(Control::txLenght)};
        const auto outcome = tryAdd(screen, share, request);
        if (!outcome)
            return std::nullopt;
        return addQuestion(kind, id,
            "What will Add do with what is typed now: place the file, or which message will it give first?", *outcome,
            addWorking(screen, *outcome, request), {});
    }
    }
    return std::nullopt;
}

}  // namespace

std::vector<QuestionKind> kindsFor(const Screen& screen, bool aboutAdd)
{
    std::vector<QuestionKind> kinds;
    if (!screen.isLoaded())
        return kinds;
    const ScreenFacts& facts = factsOf(screen.id());
    const auto& files = screen.files();
    if (std::any_of(files.begin(), files.end(), [](const FileRecord& f) { return !dataBlocksOf(f).empty(); })) {
        kinds.insert(kinds.end(),
            {QuestionKind::ReadCount, QuestionKind::ReadPath, QuestionKind::HoldingBlock, QuestionKind::WholeReads,
                QuestionKind::WholeJumps});
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
    auto question = posed(kind, screen, share, pick);
    if (question)
        question->hint = hintFor(kind, factsOf(screen.id()));
    return question;
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
