#include "lesson/exercise.h"
#include "lesson/exercise_session.h"
#include "lesson/reading.h"
#include "lesson/screens.h"

#include "support/recording_sink.h"
#include "support/scripted_stream.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

double block(int b) { return (b + 0.5) / 64.0; }

// A screen over its own stream, with files put on it as a user types them.
struct Desk {
    Desk(ScreenId id, std::unique_ptr<RandomStream> s) : stream(std::move(s)), share(*stream), screen(makeScreen(id, share))
    {
        screen->load();
    }
    void add(const std::string& name, const std::string& start, const std::string& length, int presses = 0)
    {
        RecordingSink sink;
        screen->type(Control::txFile, name);
        if (screen->id() == ScreenId::Contiguous || screen->id() == ScreenId::Linked)
            screen->type(Control::txStart, start);
        screen->type(Control::txLenght, length);
        screen->addFile(sink);
        for (int n = 0; n < presses; ++n)
            screen->nextBlock(sink);
    }
    std::unique_ptr<RandomStream> stream;
    Share share;
    std::unique_ptr<Screen> screen;
};

// The linked screen: file c from block 7 through 40 to 12, and d from block 20, its walk just opened.
std::unique_ptr<Desk> linkedDesk()
{
    std::vector<double> values = colourDraws(1, 2, 3);
    values.insert(values.end(), {block(40), block(12)});
    for (const double v : colourDraws(4, 5, 6))
        values.push_back(v);
    values.insert(values.end(), {block(50), block(51), block(52)});  // what d's walk would draw
    auto desk = std::make_unique<Desk>(ScreenId::Linked, std::make_unique<ScriptedStream>(values));
    desk->add("c", "7", "3", 3);
    desk->add("d", "20", "4");
    return desk;
}

}  // namespace

TEST(Exercises, EachKindOfQuestionHasItsRightAnswerAndAWrongOneIsJudgedWrong)
{
    std::map<ScreenId, std::unique_ptr<Desk>> desks;
    desks[ScreenId::Contiguous] = std::make_unique<Desk>(ScreenId::Contiguous, std::make_unique<ProgramRandomStream>());
    desks[ScreenId::Contiguous]->add("a", "3", "5");
    desks[ScreenId::Contiguous]->add("b", "12", "10");
    desks[ScreenId::Contiguous]->screen->type(Control::txLenght, "5");  // typed, no name yet
    desks[ScreenId::Linked] = linkedDesk();
    desks[ScreenId::IndexedL] = std::make_unique<Desk>(ScreenId::IndexedL, std::make_unique<ProgramRandomStream>());
    desks[ScreenId::IndexedM] = std::make_unique<Desk>(ScreenId::IndexedM, std::make_unique<ProgramRandomStream>());
    desks[ScreenId::IndexedM]->add("m", "", "9", 12);

    const struct {
        ScreenId screen;
        QuestionKind kind;
        Pick pick;
        const char* right;
        const char* wrong;
    } cases[]{
        {ScreenId::Contiguous, QuestionKind::ReadCount, {0, 2, 0, 1}, "1", "3"},
        {ScreenId::Contiguous, QuestionKind::ReadPath, {0, 2, 0, 1}, "5", "3, 4, 5"},
        {ScreenId::Contiguous, QuestionKind::HoldingBlock, {1, 9, 0, 1}, "21", "9"},
        {ScreenId::Contiguous, QuestionKind::WholeReads, {1, 0, 0, 1}, "10", "1"},
        {ScreenId::Contiguous, QuestionKind::WholeJumps, {1, 0, 0, 1}, "0", "9"},
        {ScreenId::Contiguous, QuestionKind::AddAtStart, {0, 0, 0, 5}, "not allow to insert", "It is placed"},
        {ScreenId::Contiguous, QuestionKind::AddAtStart, {0, 0, 60, 5}, "Lenght Overloaded", "not allow to insert"},
        {ScreenId::Contiguous, QuestionKind::AddAtStart, {0, 0, 30, 5}, "It is placed", "Lenght Overloaded"},
        {ScreenId::Contiguous, QuestionKind::LargestFile, {}, "42", "64"},
        {ScreenId::Contiguous, QuestionKind::PredictAdd, {}, "Please state the filename ", "It is placed"},
        {ScreenId::Linked, QuestionKind::ReadPath, {0, 2, 0, 1}, "7, 40, 12", "7, 12"},
        {ScreenId::Linked, QuestionKind::WholeJumps, {0, 0, 0, 1}, "2", "0"},
        {ScreenId::Linked, QuestionKind::ChainEnd, {0, 0, 0, 1}, "12", "7"},
        {ScreenId::Linked, QuestionKind::PressesLeft, {}, "4", "3"},
        {ScreenId::IndexedL, QuestionKind::IndexBlocksFor, {0, 0, 0, 20}, "3", "2"},
        {ScreenId::IndexedL, QuestionKind::IndexBlocksFor, {0, 0, 0, 7}, "1", "2"},
        {ScreenId::IndexedM, QuestionKind::SecondLevelFor, {0, 0, 0, 20}, "3", "4"},
        {ScreenId::IndexedM, QuestionKind::ReadCount, {0, 8, 0, 1}, "3", "9"},
    };
    for (const auto& c : cases) {
        Desk& desk = *desks.at(c.screen);
        const std::uint64_t position = desk.share.position();
        const auto question = ask(c.kind, *desk.screen, desk.share, c.pick);
        ASSERT_TRUE(question.has_value()) << static_cast<int>(c.kind);
        EXPECT_EQ(question->answer, c.right) << question->text;
        EXPECT_TRUE(isRight(*question, c.right)) << question->text;
        EXPECT_FALSE(isRight(*question, c.wrong)) << question->text;
        EXPECT_EQ(desk.share.position(), position) << question->text;
    }
    // Answers are read as a user writes them: a choice by its number too, blocks with blanks.
    Desk& linked = *desks.at(ScreenId::Linked);
    EXPECT_TRUE(isRight(*ask(QuestionKind::ReadPath, *linked.screen, linked.share, {0, 2, 0, 1}), " 7 40,12 "));
    const auto choice = ask(QuestionKind::AddAtStart, *desks.at(ScreenId::Contiguous)->screen,
        desks.at(ScreenId::Contiguous)->share, {0, 0, 30, 5});
    EXPECT_TRUE(isRight(*choice, "1"));
    EXPECT_FALSE(isRight(*choice, "2"));
    // A question the screen has nothing for is not asked.
    EXPECT_FALSE(ask(QuestionKind::ChainEnd, *linked.screen, linked.share, {1, 0, 0, 1}).has_value());
    EXPECT_FALSE(ask(QuestionKind::ReadCount, *linked.screen, linked.share, {0, 3, 0, 1}).has_value());
}

TEST(Exercises, ARunOfQuestionsLeavesTheScreensAndTheirStreamAsTheyWereAndRepeatsAfterARestart)
{
    for (const ScreenId id : {ScreenId::Contiguous, ScreenId::Linked, ScreenId::IndexedL, ScreenId::IndexedM}) {
        Desk desk(id, std::make_unique<ProgramRandomStream>());
        desk.add("a", "3", "6", 2);  // on Linked and the indexed screens, a file still being placed
        const std::uint64_t position = desk.share.position();
        const std::vector<FileRecord> files = desk.screen->files();
        ExerciseGenerator generator(7);
        std::vector<std::string> asked;
        for (int n = 0; n < 50; ++n) {
            if (const auto q = generator.next(*desk.screen, desk.share, true))
                asked.push_back(q->text);
        }
        EXPECT_EQ(asked.size(), 50U) << formName(id);
        EXPECT_EQ(desk.share.position(), position) << formName(id);
        EXPECT_EQ(desk.screen->files(), files) << formName(id);
        generator.restart();
        EXPECT_EQ(generator.next(*desk.screen, desk.share, true)->text, asked.front()) << formName(id);
    }
}

TEST(Exercises, WhatIsNotAnAnswerIsRefusedWithAHintAndCostsNoTry)
{
    const Question count{QuestionKind::ReadCount, Question::Form::Number, "", {}, "4", -1, "", {}, false, "hint"};
    Question block = count;
    block.isBlock = true;
    block.answer = "15";
    const Question path{QuestionKind::ReadPath, Question::Form::Blocks, "", {}, "60, 54, 17", -1, "", {}, false, ""};
    const Question choice{QuestionKind::PredictAdd, Question::Form::Choice, "", {"It is placed", "Lenght Overloaded"},
        "Lenght Overloaded", 1, "", {}, false, ""};
    const struct {
        const Question& question;
        const char* given;
        Verdict verdict;
    } cases[]{
        {count, " 4 ", Verdict::Right}, {count, "5", Verdict::Wrong}, {count, "99999999999999999999", Verdict::Wrong},
        {count, "", Verdict::NotAnAnswer}, {count, "abc", Verdict::NotAnAnswer}, {count, "4.5", Verdict::NotAnAnswer},
        {count, "-1", Verdict::NotAnAnswer}, {block, "64", Verdict::NotAnAnswer}, {block, "0", Verdict::Wrong},
        {path, "60 54,17", Verdict::Right}, {path, "60, 54", Verdict::Wrong}, {path, "60,,54,,61", Verdict::NotAnAnswer},
        {path, "32,", Verdict::NotAnAnswer}, {path, ",60", Verdict::NotAnAnswer}, {path, "60, x", Verdict::NotAnAnswer},
        {path, "60, 99", Verdict::NotAnAnswer}, {path, "  ", Verdict::NotAnAnswer},
        {choice, "2", Verdict::Right}, {choice, "lenght overloaded", Verdict::Right}, {choice, "1", Verdict::Wrong},
        {choice, "3", Verdict::NotAnAnswer}, {choice, "Space", Verdict::NotAnAnswer},
    };
    for (const auto& c : cases) {
        const Judgement judged = judge(c.question, c.given);
        EXPECT_EQ(judged.verdict, c.verdict) << c.given;
        EXPECT_EQ(judged.hint.empty(), c.verdict != Verdict::NotAnAnswer) << c.given;
    }
}

TEST(Exercises, ASecondTryComesBeforeTheAnswerAndAQuestionCountsOnceByTheTryThatEndedIt)
{
    Desk desk(ScreenId::IndexedL, std::make_unique<ProgramRandomStream>());
    desk.add("a", "", "9", 12);
    const struct {
        bool secondTry;
        std::vector<std::string> tries;  // the last ends the question
        bool countedRight;
    } cases[]{
        {true, {"", "x", "wrong", "wrong"}, false},  // refused twice, then wrong twice
        {true, {"wrong", "right"}, true},
        {false, {"-3", "wrong"}, false},
        {true, {"right"}, true},
    };
    for (const auto& c : cases) {
        ExerciseSession session;
        const auto& question = session.ask(*desk.screen, desk.share, false);
        ASSERT_TRUE(question.has_value());
        ASSERT_NE(question->form, Question::Form::Choice);
        const long long n = question->form == Question::Form::Number ? std::stoll(question->answer) : 1;
        const std::string wrong = question->form == Question::Form::Blocks ? question->answer + ", 0"
                                                                           : std::to_string(n == 0 ? 1 : n - 1);
        for (std::size_t i = 0; i < c.tries.size(); ++i) {
            const std::string& t = c.tries[i];
            const auto attempt = session.check(t == "right" ? question->answer : t == "wrong" ? wrong : t, c.secondTry);
            ASSERT_TRUE(attempt.has_value());
            EXPECT_EQ(attempt->ended, i + 1 == c.tries.size()) << t;
            EXPECT_EQ(session.tried(), attempt->ended ? 1 : 0) << t;
            if (attempt->verdict == Verdict::Wrong && !attempt->ended) {
                EXPECT_EQ(attempt->hint, question->hint);
            }
        }
        EXPECT_EQ(session.answeredRight(), c.countedRight ? 1 : 0);
        EXPECT_FALSE(session.check(question->answer).has_value());
    }
}

TEST(Exercises, TheWorkedAnswerGivesTheRuleThenTheNumbers)
{
    Desk indexed(ScreenId::IndexedL, std::make_unique<ProgramRandomStream>());
    indexed.add("notes", "", "20", 24);
    const auto reads = ask(QuestionKind::ReadCount, *indexed.screen, indexed.share, {0, 15, 0, 1});
    ASSERT_TRUE(reads.has_value());
    const auto path = readBlock(*indexed.screen, indexed.screen->files()[0], 15)->blocks;
    EXPECT_EQ(reads->working.find(factsOf(ScreenId::IndexedL).readRule), 0U) << reads->working;
    EXPECT_NE(reads->working.find("(15 div 7 + 1 = 3 of them)"), std::string::npos) << reads->working;
    EXPECT_NE(reads->working.find(readPathText(path) + "."), std::string::npos) << reads->working;

    Desk contiguous(ScreenId::Contiguous, std::make_unique<ProgramRandomStream>());
    contiguous.add("data", "20", "6");
    const auto denied = ask(QuestionKind::AddAtStart, *contiguous.screen, contiguous.share, {0, 0, 18, 5});
    EXPECT_EQ(denied->working, "Add: not allow to insert. It needs blocks 18 to 22, and block 20 is taken by \"data\"; "
                               "the free runs are 0-19 (20), 26-63 (38).");
}
