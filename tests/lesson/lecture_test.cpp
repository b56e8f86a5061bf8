#include "lesson/lecture.h"
#include "lesson/scenario.h"
#include "lesson/screens.h"

#include "support/plain_stage.h"

#include "sessions/model_observation.h"
#include "sessions/observed.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <variant>
#include <vector>

namespace {

// All a user could see of a screen and all it keeps, with where the stream stands.
struct Seen {
    Observed observed;
    std::vector<FileRecord> files;
    Mode mode;
    std::uint64_t position;
};
// `typing`: the fields' texts too, which a saved lecture does not keep unless Add read them.
Seen seen(const Screen& screen, const Share& share, bool typing = true)
{
    Observed observed = observeLoadedScreen(screen,
        {Control::txFile, Control::txStart, Control::txLenght, Control::cmAdd, Control::cmClear, Control::cmNext,
            Control::lbToGo, Control::lvDirectory, Control::lvIndex});
    if (!typing)
        observed.fields.clear();
    return {std::move(observed), screen.files(), screen.mode(), share.position()};
}
void expectSame(const Seen& expected, const Seen& actual, const std::string& what)
{
    for (const std::string& d : differences(expected.observed, actual.observed))
        ADD_FAILURE() << what << ": " << d;
    EXPECT_EQ(expected.files, actual.files) << what;
    EXPECT_EQ(expected.mode, actual.mode) << what;
    EXPECT_EQ(expected.position, actual.position) << what;
}

void add(Screen& screen, const std::string& name, const std::string& start, const std::string& length)
{
    struct : MessageSink {
        void show(const Message&) override {}
    } none;
    screen.type(Control::txFile, name);
    if (screen.id() == ScreenId::Contiguous || screen.id() == ScreenId::Linked)
        screen.type(Control::txStart, start);
    screen.type(Control::txLenght, length);
    screen.addFile(none);
}

void next(Screen& screen)
{
    struct : MessageSink {
        void show(const Message&) override {}
    } none;
    screen.nextBlock(none);
}

}  // namespace

TEST(StepBack, UndoesEveryKindOfActionOnEveryScreenSoThatRepeatingItRepeatsItsResult)
{
    struct Case {
        const char* what;
        std::function<void(Screen&)> before;  // brings the screen to where the action is done
        std::function<void(Screen&)> action;
        Control control;
    };
    const std::vector<Case> cases{
        {"an Add that places", [](Screen& s) { add(s, "a", "0", "3"); }, [](Screen& s) { add(s, "b", "20", "9"); },
            Control::cmAdd},
        {"an Add that is refused", [](Screen& s) { add(s, "a", "0", "3"); }, [](Screen& s) { add(s, "", "x", "99"); },
            Control::cmAdd},
        {"a Next Block", [](Screen& s) { add(s, "a", "5", "9"); }, [](Screen& s) { next(s); }, Control::cmNext},
        {"a Clear", [](Screen& s) { add(s, "a", "5", "1"); }, [](Screen& s) { s.clear(); }, Control::cmClear},
    };
    for (const ScreenId id : {ScreenId::Contiguous, ScreenId::Linked, ScreenId::IndexedL, ScreenId::IndexedM}) {
        for (const Case& c : cases) {
            const std::string what = std::string(formName(id)) + ", " + c.what;
            ProgramRandomStream stream;
            Share share(stream);
            PlainStage stage(share, id);
            Screen& screen = stage.screen();
            c.before(screen);
            const Seen start = seen(screen, share);
            stage.lecture.beforeAction(c.control, Control::txLenght);
            c.action(screen);
            const Seen done = seen(screen, share);
            ASSERT_TRUE(stage.lecture.stepBack()) << what;
            expectSame(start, seen(screen, share), what + ", stepped back");
            if (screen.form().fields.isEnabled(Control::txLenght)) {
                EXPECT_EQ(screen.takeFocusRequest(), Control::txLenght) << what << ": the focus goes back too";
            }
            c.action(screen);
            expectSame(done, seen(screen, share), what + ", done again");
            EXPECT_FALSE(stage.lecture.stepBack()) << what << ": one step only was recorded";
        }
    }
}

TEST(Lecture, RestartIsUndoneLikeAnyActionAndTheScenarioGoesOnAcrossScreens)
{
    ProgramRandomStream stream;
    Share share(stream);
    PlainStage stage(share, ScreenId::Contiguous);
    const auto steps = readScenario("add notes 0 8\nadd lab 10 5\nscreen linked\nadd chain 3 6\nnext all\n"
                                    "add bad 3 2\nrow 1\nclear\n",
        ScreenId::Contiguous);
    stage.lecture.setScenario(std::get<std::vector<ScenarioStep>>(steps));
    for (int n = 0; n < 4; ++n)
        ASSERT_TRUE(stage.lecture.performNextStep());
    EXPECT_EQ(stage.screen().id(), ScreenId::Linked);
    ASSERT_TRUE(stage.lecture.performNextStep());  // next all: the chain placed to its end
    ASSERT_EQ(stage.screen().files().size(), 1U);
    EXPECT_TRUE(stage.screen().files()[0].complete);
    EXPECT_EQ(stage.screen().files()[0].blocks.size(), 6U);
    ASSERT_TRUE(stage.lecture.performNextStep());  // refused: block 3 is taken
    ASSERT_EQ(stage.raised.size(), 1U);
    EXPECT_EQ(stage.raised[0].id, MessageId::WriteDenied);

    const Seen before = seen(stage.screen(), share);
    const std::vector<FileRecord> chain = stage.screen().files();
    stage.lecture.restart(Control::txFile);
    EXPECT_TRUE(stage.screen().files().empty());
    EXPECT_EQ(share.position(), 0U);
    ASSERT_TRUE(stage.lecture.stepBack());
    expectSame(before, seen(stage.screen(), share), "a Restart stepped back");
    // Run to end in batches gives what stepping one by one gives.
    stage.lecture.runToEnd();
    while (stage.lecture.runSome(1)) {
    }
    EXPECT_FALSE(stage.lecture.stepsLeft());
    EXPECT_TRUE(stage.screen().files().empty());  // the last step cleared the disk
    EXPECT_FALSE(stage.lecture.performNextStep());
    ASSERT_TRUE(stage.lecture.stepBack());
    EXPECT_EQ(stage.screen().files(), chain);
}

TEST(Lecture, PlayOnPressesUntilTheFileIsPlacedAndAUsersActionStopsIt)
{
    ProgramRandomStream stream;
    Share share(stream);
    PlainStage stage(share, ScreenId::IndexedL);
    add(stage.screen(), "a", "", "5");
    stage.lecture.play();
    int presses = 0;
    while (stage.lecture.tick())
        ++presses;
    EXPECT_EQ(presses, 7);  // an index block, five data blocks, and the press that ends the file
    EXPECT_FALSE(stage.lecture.isPlaying());
    EXPECT_EQ(stage.lecture.depth(), 7U);
    add(stage.screen(), "b", "", "5");
    stage.lecture.play();
    stage.lecture.beforeAction(Control::cmNext, std::nullopt);
    EXPECT_FALSE(stage.lecture.tick());
}

TEST(Lecture, AQuestionIsWithdrawnOnceItsDiskChanges)
{
    ProgramRandomStream stream;
    Share share(stream);
    PlainStage stage(share, ScreenId::Contiguous);
    for (const auto& [name, start, length] : {std::tuple{"notes", "0", "8"}, {"lab", "10", "5"}, {"data", "20", "6"}}) {
        stage.lecture.beforeAction(Control::cmAdd, std::nullopt);
        add(stage.screen(), name, start, length);
    }
    ExerciseSession& exercises = stage.lecture.exercises();
    const std::uint64_t position = share.position();
    ASSERT_TRUE(exercises.ask(stage.screen(), share, false).has_value());
    EXPECT_EQ(share.position(), position);
    EXPECT_FALSE(exercises.follow(&stage.screen()));  // typing leaves a question about the disk standing
    stage.screen().type(Control::txFile, "x");
    EXPECT_FALSE(exercises.follow(&stage.screen()));
    ASSERT_TRUE(stage.lecture.stepBack());
    EXPECT_TRUE(exercises.follow(&stage.screen()));
    EXPECT_TRUE(exercises.withdrawn());
    EXPECT_FALSE(exercises.question().has_value());
    EXPECT_FALSE(exercises.check("4").has_value());
    EXPECT_EQ(exercises.tried(), 0);
}

TEST(ProgramRandomStream, ASeedChoosesTheStartAndRewindingRepeatsEveryValue)
{
    ProgramRandomStream fixed;
    ProgramRandomStream seededAsBefore(5489);  // the engine's own fixed start
    ProgramRandomStream other(7);
    std::vector<double> first;
    for (int i = 0; i < 100; ++i) {
        first.push_back(fixed.next());
        EXPECT_EQ(first.back(), seededAsBefore.next());
    }
    EXPECT_NE(other.next(), first.front());
    fixed.rewindTo(40);
    EXPECT_EQ(fixed.position(), 40U);
    EXPECT_EQ(fixed.next(), first[40]);
    fixed.rewindTo(0);
    EXPECT_EQ(fixed.next(), first[0]);
}

TEST(Scenario, ReadsEveryActionAndNamesTheFirstLineItCannotRead)
{
    const auto read = readScenario("# a lecture\n\nscreen contiguous\nadd \"my file\" 3 5\nnext\nnext 4\n"
                                   "screen multilevel\nadd x 20\nnext all\nrow 2\nclear\n",
        ScreenId::IndexedL);
    const auto* steps = std::get_if<std::vector<ScenarioStep>>(&read);
    ASSERT_NE(steps, nullptr);
    ASSERT_EQ(steps->size(), 9U);
    EXPECT_EQ((*steps)[1].name, "my file");
    EXPECT_EQ((*steps)[1].start, "3");
    EXPECT_EQ((*steps)[1].line, 4);
    EXPECT_EQ((*steps)[3].count, 4);
    EXPECT_EQ((*steps)[5].length, "20");
    EXPECT_EQ((*steps)[6].kind, ScenarioStep::Kind::NextAll);
    EXPECT_EQ((*steps)[7].count, 2);

    const struct {
        const char* text;
        int line;
        const char* expected;
    } errors[]{
        {"screen disk", 1, "one screen after 'screen'"},
        {"add a 5 7", 1, "a name and a length after 'add' on an indexed screen"},
        {"screen linked\nadd a 5", 2, "a name, a start and a length after 'add' on this screen"},
        {"next 0", 1, "a number of presses from 1 to 1000, or 'all', after 'next'"},
        {"next many", 1, "a number of presses"},
        {"\n\nclear now", 3, "nothing after 'clear'"},
        {"row 0", 1, "a row number from 1 after 'row'"},
        {"add \"open 5", 1, "a closing quote"},
        {"jump", 1, "screen, add, next, clear or row"},
        {"\xEF\xBB\xBF# after a mark\njump", 2, "screen, add, next, clear or row"},
        {"# \xC0\xAF overlong", 1, "UTF-8 text"},
        {"add \xED\xA0\x80 5", 1, "UTF-8 text"},
        {"add \xF4\x90\x80\x80 5", 1, "UTF-8 text"},
        {"clear\nadd \xE2\x82", 2, "UTF-8 text"},
    };
    for (const auto& e : errors) {
        const auto result = readScenario(e.text, ScreenId::IndexedL);
        const auto* error = std::get_if<ScenarioError>(&result);
        ASSERT_NE(error, nullptr) << e.text;
        EXPECT_EQ(error->line, e.line) << e.text;
        EXPECT_EQ(error->expected.find(e.expected), 0U) << e.text << ": " << error->expected;
    }
}

TEST(Scenario, WrittenStepsReadBackAsTheyWereWithTheirNotes)
{
    const auto read
        = readScenario("# heading, passed over\n\nscreen contiguous\n# two lines\n# of a note\n"
                       "add \"lab report\" \"\" 5\nadd \"\\\"q\" \"a\\\\\"b\" x\nnext 3\n# placed\nnext all\n"
                       "row 2\nscreen indexed\nadd \"\" \" 7\"\nclear\n",
            ScreenId::IndexedL);
    const auto& steps = std::get<std::vector<ScenarioStep>>(read);
    EXPECT_EQ(steps[0].note, "");
    EXPECT_EQ(steps[1].note, "two lines of a note");
    EXPECT_EQ(steps[2].start, "a\\\"b");
    const std::string text = writeScenario(steps, ScreenId::Linked, "saved");
    EXPECT_EQ(text.find("# saved\n\nscreen contiguous\n# two lines of a note\n"), 0U) << text;
    const auto again = std::get<std::vector<ScenarioStep>>(readScenario(text, ScreenId::Linked));
    ASSERT_EQ(again.size(), steps.size());
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const auto& [a, b] = std::pair{steps[i], again[i]};
        EXPECT_TRUE(a.kind == b.kind && a.screen == b.screen && a.name == b.name && a.start == b.start
            && a.length == b.length && a.count == b.count && a.note == b.note)
            << a.text << " / " << b.text;
    }
    // Presses in a row are one line; a note starts a line of its own.
    const auto presses
        = std::get<std::vector<ScenarioStep>>(readScenario("next\nnext\nnext 2\n# on\nnext", ScreenId::Linked));
    EXPECT_EQ(writeScenario(presses, ScreenId::Linked), "next 4\n# on\nnext\n");
}

TEST(Lecture, ASavedLectureReplayedFromTheSameSeedGivesTheSameScreens)
{
    struct Run {
        ProgramRandomStream stream{7};
        Share share{stream};
        PlainStage stage{share, ScreenId::Contiguous};
        std::vector<Seen> before;  // each screen just before it is left, and the last one
        void switchTo(ScreenId id)
        {
            before.push_back(seen(stage.screen(), share, false));
            stage.switchTo(id);
        }
    };
    Run first;
    first.stage.lecture.seedWith(7);
    add(first.stage.screen(), "lost", "0", "4");  // before the Restart: not saved
    first.stage.lecture.restart(std::nullopt);
    first.stage.switchTo(ScreenId::Linked);  // switches with nothing done between them are one
    first.stage.switchTo(ScreenId::Contiguous);
    EXPECT_EQ(first.stage.lecture.journal().size(), 1U);
    // As a window does it: the fields typed, then the lecture told, then the button pressed.
    const auto act = [&](Control control, std::vector<std::string> typed = {}) {
        Screen& screen = first.stage.screen();
        for (std::size_t i = 0; i < typed.size(); ++i) {
            const Control field = std::array{Control::txFile, Control::txStart, Control::txLenght}[i];
            if (screen.form().fields.hasField(field))
                screen.type(field, typed[i]);
        }
        first.stage.lecture.beforeAction(control, std::nullopt);
        if (control == Control::cmAdd)
            screen.addFile(first.stage);
        else
            next(screen);
    };
    act(Control::cmAdd, {"my notes", "3", "5"});
    act(Control::cmAdd, {"undone", "20", "5"});
    ASSERT_TRUE(first.stage.lecture.stepBack());
    first.switchTo(ScreenId::IndexedL);
    act(Control::cmAdd, {"", "", "9"});  // refused, its colour drawn all the same
    act(Control::cmAdd, {"b", "", "9"});
    for (int n = 0; n < 4; ++n)
        act(Control::cmNext);
    first.stage.lecture.play();
    while (first.stage.lecture.tick()) {}
    first.stage.lecture.rowClicked(1);
    first.stage.screen().clickRow(1);
    first.switchTo(ScreenId::Linked);
    act(Control::cmAdd, {"c \"q\"", "9", "3"});
    act(Control::cmNext);
    first.before.push_back(seen(first.stage.screen(), first.share, false));

    const std::string text = first.stage.lecture.savedScenario();
    EXPECT_NE(text.substr(0, text.find('\n')).find("--seed 7"), std::string::npos) << text;
    // Replayed and saved again, it is the same file; a note on the screen it starts on is kept.
    std::string noted = text;
    noted.insert(noted.find("screen contiguous"), "# on the contiguous screen\n");
    Run second;
    second.stage.lecture.seedWith(7);
    second.stage.lecture.setScenario(std::get<std::vector<ScenarioStep>>(readScenario(noted, ScreenId::IndexedL)));
    second.before.clear();
    while (second.stage.lecture.stepsLeft()) {
        const auto& step = second.stage.lecture.scenario()[second.stage.lecture.nextStep()];
        if (step.kind == ScenarioStep::Kind::Screen && step.screen != second.stage.screen().id())
            second.before.push_back(seen(second.stage.screen(), second.share, false));
        second.stage.lecture.performNextStep();
    }
    second.before.push_back(seen(second.stage.screen(), second.share, false));
    EXPECT_EQ(second.stage.lecture.savedScenario(), noted);
    ASSERT_EQ(second.before.size(), first.before.size()) << text;
    for (std::size_t i = 0; i < first.before.size(); ++i)
        expectSame(first.before[i], second.before[i], "screen " + std::to_string(i) + " of\n" + text);
}
