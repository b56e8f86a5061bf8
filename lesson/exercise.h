#pragma once

#include "core/random_stream.h"
#include "core/screen.h"
#include "core/share.h"
#include "lesson/add_outcome.h"
#include "lesson/answer.h"
#include "lesson/question.h"

#include <cstdint>
#include <optional>
#include <vector>

// Exercises on the disk on screen: a question, the answer a student gives, and the worked answer.
// The answers come from the lesson's own answers (reading, free space) and, for what Add would do,
// from the screen itself, tried on a saved copy that is put back at once. Each worked answer says
// why: the method's rule, then the numbers. The questions are drawn from a generator of their own,
// never from the program's random stream.

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
