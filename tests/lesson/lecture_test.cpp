#include "lesson/action_history.h"
#include "lesson/scenario.h"
#include "shell/screens.h"

#include "sessions/model_observation.h"
#include "sessions/observed.h"

#include <gtest/gtest.h>

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
Seen seen(const Screen& screen, const Share& share)
{
    return {observeLoadedScreen(screen,
                {Control::txFile, Control::txStart, Control::txLenght, Control::cmAdd, Control::cmClear,
                    Control::cmNext, Control::lbToGo, Control::lvDirectory, Control::lvIndex}),
        screen.files(), screen.mode(), share.position()};
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
    };
    const std::vector<Case> cases{
        {"an Add that places", [](Screen& s) { add(s, "a", "0", "3"); }, [](Screen& s) { add(s, "b", "20", "9"); }},
        {"an Add that is refused", [](Screen& s) { add(s, "a", "0", "3"); }, [](Screen& s) { add(s, "", "x", "99"); }},
        {"a Next Block", [](Screen& s) { add(s, "a", "5", "9"); }, [](Screen& s) { next(s); }},
        {"a Clear", [](Screen& s) { add(s, "a", "5", "1"); }, [](Screen& s) { s.clear(); }},
    };
    for (const ScreenId id : {ScreenId::Contiguous, ScreenId::Linked, ScreenId::IndexedL, ScreenId::IndexedM}) {
        for (const Case& c : cases) {
            const std::string what = std::string(formName(id)) + ", " + c.what;
            ProgramRandomStream stream;
            Share share(stream);
            const auto screen = makeScreen(id, share);
            screen->load();
            c.before(*screen);
            ActionHistory history;
            const Seen start = seen(*screen, share);
            history.record(*screen, share);
            c.action(*screen);
            const Seen done = seen(*screen, share);
            ASSERT_TRUE(history.stepBack(*screen, share)) << what;
            expectSame(start, seen(*screen, share), what + ", stepped back");
            c.action(*screen);
            expectSame(done, seen(*screen, share), what + ", done again");
            EXPECT_FALSE(history.stepBack(*screen, share)) << what << ": one step only was recorded";
        }
    }
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
