#include "sessions/action.h"
#include "sessions/chooser.h"
#include "sessions/generator.h"
#include "sessions/invariants.h"
#include "sessions/observed.h"
#include "sessions/reference_number.h"
#include "sessions/session.h"
#include "sessions/text_pools.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

namespace {

const Vocabulary& everyKind()
{
    static const Vocabulary vocabulary = [] {
        Vocabulary v;
        v.fields = {{Control::txFile, {{&pools::names(), 1}}},
            {Control::txLenght, {{&pools::edgeNumbers(), 1}, {&pools::hostileTexts(), 1}}}};
        v.buttons = {{Control::cmAdd, 3}, {Control::cmNext, 1}};
        v.lists = {Control::lvDirectory};
        v.typeWeight = v.enterWeight = v.clickWeight = v.rowWeight = v.reloadWeight = 1;
        return v;
    }();
    return vocabulary;
}

// A screen that counts its Adds. The faulty one miscounts when the name is "x", so that a failing
// list has exactly two actions that matter.
template <bool FAULTY> class Counter {
public:
    static constexpr const char* NAME = "counter";
    explicit Counter(RandomStream&) {}
    std::vector<Message> apply(const Action& a)
    {
        if (a.kind == ActionKind::Type && a.control == Control::txFile)
            m_name = a.text;
        if (a.kind == ActionKind::Click && a.control == Control::cmAdd)
            m_adds += FAULTY && m_name == "x" ? 2 : 1;
        return {};
    }
    Observed observe() const
    {
        Observed o;
        o.loaded = true;
        o.fields[Control::txFile] = m_name;
        o.enabled[Control::cmAdd] = true;
        o.variables["adds"] = std::to_string(m_adds);
        return o;
    }
    std::vector<std::string> invariants() const { return {}; }
    static const Vocabulary& vocabulary()
    {
        static const Vocabulary vocabulary = [] {
            Vocabulary v;
            static const std::vector<std::string> names{"a", "b", "x"};
            v.fields = {{Control::txFile, {{&names, 1}}}};
            v.buttons = {{Control::cmAdd, 1}};
            v.typeWeight = v.clickWeight = v.reloadWeight = 1;
            return v;
        }();
        return vocabulary;
    }

private:
    std::string m_name;
    int m_adds = 0;
};

}  // namespace

TEST(SessionActions, EveryActionReadsBackFromItsText)
{
    std::vector<Action> actions{Action::enter(Control::txStart), Action::click(Control::cmAdd),
        Action::clickRow(Control::lvIndex, 11), Action::reload(), Action::type(Control::txFile, "")};
    for (const auto* pool : {&pools::names(), &pools::edgeNumbers(), &pools::hostileTexts()})
        for (const std::string& text : *pool)
            actions.push_back(Action::type(Control::txStart, text));
    for (const Action& a : actions) {
        const std::string line = formatAction(a);
        EXPECT_EQ(line.find('\n'), std::string::npos) << line;
        EXPECT_EQ(parseAction(line), a) << line;
    }
    const Replay replay{42, actions};
    const auto back = parseReplay("# a comment\n\n" + formatReplay(replay));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->seed, 42U);
    EXPECT_EQ(back->actions, actions);

    EXPECT_EQ(formatAction(Action::type(Control::txStart, "1" + std::string(5000, '9') + ".5")),
        "type txStart \"1\" \"9\"*5000 \".5\"");
    EXPECT_EQ(formatAction(Action::type(Control::txFile, "a\t\"\\\xC3\xBC")), "type txFile \"a\\t\\\"\\\\\\xC3\\xBC\"");
    for (const char* bad : {"", "jump", "type txStart", "type txStart 5", "type txStart \"5", "click nowhere",
             "click cmAdd now", "row lvDirectory x", "type txFile \"a\"*", "type txFile \"\\q\"", "reload 2"}) {
        EXPECT_FALSE(parseAction(bad).has_value()) << bad;
    }
    EXPECT_FALSE(parseReplay("seed 1\nseed 2\n").has_value());
    EXPECT_FALSE(parseReplay("seed x\n").has_value());
}

TEST(SessionGenerator, ASeedAlwaysGivesTheSameActionsAndCoversEveryKind)
{
    const auto first = generateActions(5, everyKind(), 400);
    EXPECT_EQ(first, generateActions(5, everyKind(), 400));
    EXPECT_NE(first, generateActions(6, everyKind(), 400));
    std::set<ActionKind> kinds;
    std::set<Control> clicked;
    for (const Action& a : first) {
        kinds.insert(a.kind);
        if (a.kind == ActionKind::Click)
            clicked.insert(a.control);
        if (a.kind == ActionKind::ClickRow) {
            EXPECT_LT(a.row, everyKind().rowsToClick);
        }
    }
    EXPECT_EQ(kinds.size(), 5U);
    EXPECT_EQ(clicked, (std::set<Control>{Control::cmAdd, Control::cmNext}));
}

TEST(SessionGenerator, BytesDecodeIntoActionsAndRunOutIntoZeros)
{
    const auto names = static_cast<std::uint8_t>(pools::names().size());
    const std::uint8_t bytes[] = {0, 0, 0, 0, 0, 0, 1, 2, /* seed */ 0, 0, 0, names, 2, 'h', 'i', 'x', 9, 9};
    ByteChooser chooser(bytes, sizeof bytes);
    EXPECT_EQ(chooser.takeSeed(), 0x0102U);
    // Type (the first kind), the first field, its first pool, past the pool's end: the chooser's own text.
    const Action typed = nextAction(chooser, everyKind());
    EXPECT_EQ(typed.kind, ActionKind::Type);
    EXPECT_EQ(typed.control, Control::txFile);
    EXPECT_EQ(typed.text, "hi");
    std::size_t count = 0;
    while (!chooser.exhausted() && count < 100) {
        nextAction(chooser, everyKind());
        ++count;
    }
    EXPECT_TRUE(chooser.exhausted());
    EXPECT_EQ(chooser.below(7), 0U);
    EXPECT_EQ(chooser.ownText(), "");

    const std::uint8_t own[] = {2, 'o', 'k', 200, 'z'};
    ByteChooser texts(own, sizeof own);
    EXPECT_EQ(texts.ownText(), "ok");
    EXPECT_EQ(texts.ownText(), "z");  // cut short where the bytes end
}

TEST(SessionReferenceNumbers, ReadDecimalTextsExactly)
{
    const std::pair<const char*, std::int32_t> cases[] = {{"0", 0}, {"7", 7}, {" 7 ", 7}, {"\t7", 7}, {"+3", 3},
        {"-4", -4}, {"2.5", 2}, {"3.5", 4}, {"-0.5", 0}, {"-1.5", -2}, {"-2.5", -2}, {"62.5", 62}, {"63.5", 64},
        {"0.5", 0}, {".5", 0}, {"5.", 5}, {"1e1", 10}, {"1E1", 10}, {"6.3e1", 63}, {"630e-1", 63}, {"0.00063e5", 63},
        {"1e-400", 0}, {"-0", 0}, {"0.4999", 0}, {"0.51", 1}, {"-0.51", -1}, {"32767", 32767}, {"32768", 32768},
        {"-32769", -32769}, {"1.49999999999999999999", 1}, {"2.50000000000000000001", 3},
        {"0.50000000000000000000001", 1}, {"2147483647", INT32_MAX}, {"2147483646.5", 2147483646},
        {"2147483647.5", INT32_MAX}, {"2147483648", INT32_MAX}, {"-2147483648", INT32_MIN},
        {"-2147483648.5", INT32_MIN}, {"-2147483649", INT32_MIN}, {"1e309", INT32_MAX}, {"-1e309", INT32_MIN},
        {"9999999999", INT32_MAX}, {"1e99999999999999999999", INT32_MAX}, {"00000000000000000000005", 5}};
    for (const auto& [text, value] : cases) {
        EXPECT_TRUE(reference::isDecimalNumber(text)) << '"' << text << '"';
        EXPECT_EQ(reference::roundedValue(text), value) << '"' << text << '"';
    }
    EXPECT_EQ(reference::roundedValue(std::string(5000, '9')), INT32_MAX);
    EXPECT_EQ(reference::roundedValue("1" + std::string(400, '0') + "e-399"), 10);
    EXPECT_EQ(reference::roundedValue("-" + std::string(5000, '9')), INT32_MIN);
    EXPECT_EQ(reference::roundedValue("0." + std::string(5000, '0') + "1"), 0);
    for (const char* text : {"", " ", "\t ", "12abc", "1 2", ".", "-", "+", "+-1", "--1", "1..2", "1.2.3", "e5", "1e",
             "1e+", "1e5.5", "1,000", "1,5", "0x10", "&H10", "$5", "nan", "inf", "1_000", "- 1", "\xD9\xA1\xD9\xA2",
             "\xEF\xBC\x91\xEF\xBC\x92", "12\xC2\xA0",
             "\xE2\x80\x87"
             "5",
             "\r7", "7\n", "1e5e5"}) {
        EXPECT_FALSE(reference::isDecimalNumber(text)) << quoteText(text);
        EXPECT_FALSE(reference::roundedValue(text).has_value()) << quoteText(text);
    }
    EXPECT_FALSE(reference::isDecimalNumber(std::string("7\0", 2)));
}

TEST(SessionObserved, DifferencesNameWhatDiffers)
{
    Observed a;
    a.loaded = true;
    a.disk.resize(64);
    a.lists[Control::lvDirectory].columns = {{"File", 1398.0F}};
    a.lists[Control::lvDirectory].rows = {{{"a", "0", "1"}, 0x010203}};
    a.fields[Control::txFile] = "x";
    a.messages = {{"one", "One", MessageIcon::Critical}, {"two", "Two", MessageIcon::Critical}};
    EXPECT_TRUE(differences(a, a).empty());

    Observed b = a;
    b.disk[5].colour = 0x010203;
    b.lists[Control::lvDirectory].columns[0].width = 1013.55F;
    b.lists[Control::lvDirectory].rows[0].colour = std::nullopt;
    b.fields.erase(Control::txFile);
    b.labels["lbToGo"] = "3";
    std::swap(b.messages[0], b.messages[1]);
    b.focusRequest = Control::cmAdd;
    const auto d = differences(a, b);
    const auto has = [&d](const std::string& start) {
        return std::any_of(d.begin(), d.end(), [&](const std::string& line) { return line.starts_with(start); });
    };
    EXPECT_TRUE(has("block 5 colour: expected white, got (3, 2, 1)"));
    EXPECT_TRUE(has("lvDirectory column 0 width: expected 1398, got 1013.54999"));
    EXPECT_TRUE(has("lvDirectory row 0 colour"));
    EXPECT_TRUE(has("field txFile: expected \"x\", missing"));
    EXPECT_TRUE(has("label lbToGo: not expected"));
    EXPECT_TRUE(has("messages: expected [\"one\""));
    EXPECT_TRUE(has("focus request: expected none, got cmAdd"));
    EXPECT_EQ(d.size(), 7U);
    EXPECT_EQ(differences(a, Observed{}, 3).size(), 4U);  // three and a "..."
}

TEST(SessionObserved, OnlyWhatAUserCouldDoIsDone)
{
    Observed now;
    now.loaded = true;
    now.fields[Control::txFile] = "";
    now.enabled
        = {{Control::txFile, true}, {Control::cmAdd, false}, {Control::cmNext, true}, {Control::lvDirectory, true}};
    now.visible = {{Control::cmNext, false}};
    now.lists[Control::lvDirectory].rows.resize(2);
    EXPECT_TRUE(canBeDone(Action::type(Control::txFile, "a"), now));
    EXPECT_FALSE(canBeDone(Action::type(Control::txStart, "a"), now));  // no such field here
    EXPECT_FALSE(canBeDone(Action::click(Control::cmAdd), now));        // disabled
    EXPECT_FALSE(canBeDone(Action::click(Control::cmNext), now));       // hidden
    EXPECT_FALSE(canBeDone(Action::click(Control::cmdChg), now));       // not on this screen
    EXPECT_TRUE(canBeDone(Action::clickRow(Control::lvDirectory, 1), now));
    EXPECT_FALSE(canBeDone(Action::clickRow(Control::lvDirectory, 2), now));
    EXPECT_TRUE(canBeDone(Action::reload(), now));
}

TEST(SessionInvariants, OwnershipOfBlocks)
{
    BlockDisk disk;
    disk.reset();
    for (int b = 0; b < 3; ++b)
        disk.paint(b, 0x0000FF);
    disk.paint(9, 0x00FF00);
    std::vector<FileExtent> files{{"a", 0x0000FF, {0, 1, 2}}, {"b", 0x00FF00, {9}}};
    EXPECT_TRUE(checkBlockOwnership(disk, files).empty());

    files.push_back({"c", 0x00FF00, {9, 64}});
    disk.paint(30, 0x123456);
    files[0].blocks.push_back(3);
    const auto breaches = checkBlockOwnership(disk, files);
    ASSERT_EQ(breaches.size(), 4U);
    EXPECT_EQ(breaches[0], "file 0 \"a\" lists block 3, which is white instead of (255, 0, 0)");
    EXPECT_EQ(breaches[1], "file 2 \"c\" lists block 64, off the disk");
    EXPECT_EQ(breaches[2], "block 9 is given twice: to file 1 \"b\" and file 2 \"c\"");
    EXPECT_EQ(breaches[3], "block 30 is coloured but belongs to no listed file");
}

TEST(SessionRunner, ShrinksAFailureToTheActionsThatMatter)
{
    using Faulty = Session<Counter<true>, Counter<false>>;
    std::vector<Action> actions = generateActions(3, Counter<true>::vocabulary(), 300);
    const auto failure = Faulty::run(3, actions);
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->problems.at(1).find("variable adds"), std::string::npos) << failure->problems.at(1);
    const auto shortest = Faulty::shrink(3, actions, *failure);
    EXPECT_EQ(shortest, (std::vector<Action>{Action::type(Control::txFile, "x"), Action::click(Control::cmAdd)}));
    const std::string report = Faulty::report(3, actions, *failure);
    EXPECT_NE(report.find("Shrunk to 2 actions"), std::string::npos) << report;
    EXPECT_NE(report.find("seed 3\ntype txFile \"x\"\nclick cmAdd\n"), std::string::npos) << report;
    EXPECT_FALSE((Session<Counter<false>, Counter<false>>::run(3, actions)));
}

TEST(SessionPlans, FromTheEnvironment)
{
    const SessionPlan normal = planOf(1000);
    EXPECT_EQ(normal.seeds.size(), 4U);
    EXPECT_EQ(normal.plannedActions(), 1000U);
    EXPECT_EQ(normal.seeds.front(), 1U);

    ::setenv("PELLUCOR_SESSION_ACTIONS", "501", 1);
    ::setenv("PELLUCOR_FIRST_SEED", "100", 1);
    SessionPlan plan = planFromEnvironment(1000);
    EXPECT_EQ(plan.seeds, (std::vector<std::uint64_t>{100, 101, 102}));
    ::setenv("PELLUCOR_SESSION_SEED", "77", 1);
    plan = planFromEnvironment(1000);
    EXPECT_EQ(plan.seeds, (std::vector<std::uint64_t>{77}));
    ::setenv("PELLUCOR_SESSION_SEED", "seven", 1);
    EXPECT_FALSE(planFromEnvironment(1000).problem.empty());
    ::setenv("PELLUCOR_REPLAY", "/nonexistent/replay", 1);
    EXPECT_FALSE(planFromEnvironment(1000).problem.empty());
    for (const char* name :
        {"PELLUCOR_SESSION_ACTIONS", "PELLUCOR_FIRST_SEED", "PELLUCOR_SESSION_SEED", "PELLUCOR_REPLAY"})
        ::unsetenv(name);
    EXPECT_EQ(planFromEnvironment(1000).plannedActions(), 1000U);
}

TEST(SessionStreams, SameSeedSameValuesAllInRange)
{
    SessionStream a(9);
    SessionStream b(9);
    SessionStream c(10);
    bool differs = false;
    bool zeroSeen = false;
    for (int i = 0; i < 5000; ++i) {
        const double x = a.next();
        EXPECT_EQ(x, b.next());
        EXPECT_GE(x, 0.0);
        EXPECT_LT(x, 1.0);
        differs = differs || x != c.next();
        zeroSeen = zeroSeen || x == 0.0;
    }
    EXPECT_TRUE(differs);
    EXPECT_TRUE(zeroSeen);
}
