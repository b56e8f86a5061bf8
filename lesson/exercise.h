#pragma once

#include "core/random_stream.h"
#include "core/screen.h"
#include "core/share.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Exercises on the disk on screen: a question, the answer a student gives, and the worked answer.
// The answers come from the lesson's own answers (reading, free space) and, for what Add would do,
// from the screen itself, tried on a saved copy that is put back at once. The questions are drawn
// from a generator of their own, never from the program's random stream.

enum class QuestionKind {
    ReadCount,       // how many disk reads reach block k of a file
    ReadPath,        // which blocks they are, in order
    HoldingBlock,    // which disk block holds block k of a file
    WholeReads,      // reading a file whole: how many reads
    WholeJumps,      // ... and how many jumps of the head
    AddAtStart,      // contiguous: what Add does with N blocks at start S
    LargestFile,     // contiguous: the largest file Add can place now
    ChainEnd,        // linked: the block a finished chain ends in
    PressesLeft,     // the presses of Next Block a file being placed still takes
    IndexBlocksFor,  // linked index scheme: index blocks (directory rows) of a file of N blocks
    SecondLevelFor,  // multilevel: second-level blocks of a file of N blocks
    PredictAdd,      // what Add will do with the fields as they are typed now
};

struct Question {
    enum class Form { Number, Blocks, Choice };

    QuestionKind kind = QuestionKind::ReadCount;
    Form form = Form::Number;
    std::string text;
    std::vector<std::string> choices;  // Choice only
    std::string answer;                // the right one: a number, blocks as "60, 54, 17", or a choice
    int rightChoice = -1;              // Choice only: which of the choices is right
    std::string working;               // how it is worked out
    std::vector<int> marks;            // the blocks the working points at, in order
};

// Whether an answer is right: a number as a number, blocks in order (separated by commas or blanks),
// a choice by its text or its number from 1.
bool isRight(const Question& question, std::string_view given);

// What Add does: places the file (MessageId::None), or shows a message first.
using AddOutcome = MessageId;
// What Add may do on a screen, in the order its checks come, placing the file first.
std::vector<AddOutcome> addOutcomes(ScreenId screen);
std::string outcomeText(const AddOutcome& outcome);
// What Add would do on this screen with these texts typed, tried on the screen and undone; nothing
// when it would neither place the file nor say why.
std::optional<AddOutcome> tryAdd(Screen& screen, Share& share, const std::string& name, const std::string& start,
    const std::string& length);

// What a question is about: a file (its place in the screen's files), a block of it (counted from 0
// among its data blocks), or a file of `length` blocks at `start` that Add might be asked to place.
struct Pick {
    int file = 0;
    int block = 0;
    int start = 0;
    int length = 1;
};

// The kinds of question that the screen as it stands has what it needs for.
std::vector<QuestionKind> kindsFor(const Screen& screen, bool aboutAdd);
// The question of that kind about the pick, with its answer; nothing when the screen does not have
// what the question needs (a file that holds no block k, a chain still open, ...).
std::optional<Question> ask(QuestionKind kind, Screen& screen, Share& share, const Pick& pick);

class ExerciseGenerator {
public:
    explicit ExerciseGenerator(std::uint64_t seed = DEFAULT_SEED) : m_stream(seed) {}

    // The next question about the screen, of a kind the screen has what it needs for; nothing
    // when there is nothing to ask about yet. `aboutAdd` lets it ask what Add will do with the
    // fields as typed (the student opts in to that).
    std::optional<Question> next(Screen& screen, Share& share, bool aboutAdd = false);
    // Back to the first question, as Restart does.
    void restart() { m_stream.rewindTo(0); }

    static constexpr std::uint64_t DEFAULT_SEED = 20261209;

private:
    int below(int n) { return static_cast<int>(m_stream.next() * n); }

    ProgramRandomStream m_stream;
};
