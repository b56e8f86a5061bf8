#pragma once

#include "lesson/exercise.h"

#include <array>
#include <optional>
#include <string_view>

// A student's run of exercises: the question standing, whether it has been answered, and the
// score. What is not an answer is refused without a try. A first wrong answer may get a second
// try before the answer is shown; a question counts once, as right only when the try that ended it
// was right. A question belongs to the disk it was asked about: once that screen shows other files, or
// other fields for a question about what Add will do, the question is withdrawn.
class ExerciseSession {
public:
    explicit ExerciseSession(std::uint64_t seed = ExerciseGenerator::DEFAULT_SEED) : m_generator(seed) {}

    // The next question about the screen; none when there is nothing to ask about yet. The screen
    // and the stream are left as they were.
    const std::optional<Question>& ask(Screen& screen, Share& share, bool aboutAdd);
    struct Attempt {
        Verdict verdict = Verdict::Wrong;
        // NotAnAnswer: what is expected; a first wrong answer with a second try to come: the hint.
        std::string hint;
        // The question is answered: the answer and its working may be shown.
        bool ended = false;
    };
    // Judges an answer to the standing question: nothing when none stands or it was answered.
    // `secondTry`: a first wrong answer leaves the question open for one more.
    std::optional<Attempt> check(std::string_view answer, bool secondTry = true);
    // Withdraws the question when the screen no longer shows what it was asked about; true then.
    bool follow(const Screen* screen);
    // Back to the first question and no score, as Restart does.
    void restart();

    const std::optional<Question>& question() const { return m_question; }
    bool answered() const { return m_answered; }
    // The last question was withdrawn because its screen's disk changed.
    bool withdrawn() const { return m_withdrawn; }
    // Wrong answers given to the standing question.
    int wrongTries() const { return m_wrongTries; }
    int tried() const { return m_tried; }
    int answeredRight() const { return m_right; }

private:
    // What a question was asked on.
    struct Asked {
        const Screen* screen = nullptr;
        std::vector<FileRecord> files;
        Mode mode = Mode::Idle;
        std::array<std::string, 3> typed;

        friend bool operator==(const Asked&, const Asked&) = default;
    };
    static Asked askedOn(const Screen& screen);

    ExerciseGenerator m_generator;
    std::optional<Question> m_question;
    Asked m_asked;
    bool m_answered = false;
    bool m_withdrawn = false;
    int m_wrongTries = 0;
    int m_tried = 0;
    int m_right = 0;
};
