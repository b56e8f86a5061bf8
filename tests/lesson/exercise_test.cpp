#include "lesson/exercise.h"
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
