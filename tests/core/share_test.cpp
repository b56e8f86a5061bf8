#include "core/share.h"

#include "support/printers.h"
#include "support/scripted_stream.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <vector>
#include <limits>

TEST(Share, DrawsTakeTheFloorOfTheScaledValue)
{
    ScriptedStream stream({0.0, 0.5, 0.999999, 253.0 / 254.0, 0.0, 0.5, 0.999999, 63.0 / 64.0});
    Share share(stream);
    EXPECT_EQ(share.randomColourComponent(), 0);
    EXPECT_EQ(share.randomColourComponent(), 127);
    EXPECT_EQ(share.randomColourComponent(), 253);
    EXPECT_EQ(share.randomColourComponent(), 253);
    EXPECT_EQ(share.randomBlock(), 0);
    EXPECT_EQ(share.randomBlock(), 32);
    EXPECT_EQ(share.randomBlock(), 63);
    EXPECT_EQ(share.randomBlock(), 63);
}

TEST(Share, FileColourTakesThreeDrawsInTheOrderRedGreenBlue)
{
    auto script = colourDraws(10, 20, 30);
    script.push_back(0.25);
    ScriptedStream stream(script);
    Share share(stream);
    const FileColour c = share.drawFileColour();
    EXPECT_EQ(c, (FileColour{10, 20, 30}));
    EXPECT_EQ(c.packed(), packColour(10, 20, 30));
    EXPECT_EQ(stream.drawn(), 3U);
    EXPECT_EQ(share.randomBlock(), 16);  // the stream goes on where the colour left it
}

TEST(Share, StreamValuesOutsideTheUnitIntervalStillGiveValidDraws)
{
    ScriptedStream stream({1.0, -0.5, std::numeric_limits<double>::quiet_NaN(), 7.0});
    Share share(stream);
    EXPECT_EQ(share.randomColourComponent(), 253);
    EXPECT_EQ(share.randomColourComponent(), 0);
    EXPECT_EQ(share.randomBlock(), 0);
    EXPECT_EQ(share.randomBlock(), 63);
}

TEST(Share, TheGuardedDrawTakesTheFirstBlockThatPassesAndNeverSearchesInVain)
{
    const auto block = [](int b) { return (b + 0.5) / 64.0; };
    struct Case {
        std::vector<double> script;
        std::function<bool(int)> accepts;
        std::optional<std::int16_t> drawn;
        std::size_t draws;
    };
    const std::vector<Case> cases{
        {{block(5)}, [](int) { return true; }, 5, 1},
        // A miss costs one draw, as many as it takes.
        {{block(3), block(3), block(9), block(7)}, [](int b) { return b > 5; }, 9, 3},
        {{block(0)}, [](int) { return false; }, std::nullopt, 0},
        {{block(63)}, [](int b) { return b == 63; }, 63, 1},
    };
    for (const Case& c : cases) {
        ScriptedStream stream(c.script);
        Share share(stream);
        EXPECT_EQ(share.drawBlockWhere(c.accepts), c.drawn);
        EXPECT_EQ(stream.drawn(), c.draws);
    }
}

TEST(ProgramRandomStream, StartsFromTheSameStateInEveryRun)
{
    // The generator's sequence is fixed by the C++ standard, so these colours are the same on every
    // platform: the first files of a fresh run always get these.
    ProgramRandomStream first;
    Share share(first);
    EXPECT_EQ(share.drawFileColour(), (FileColour{199, 63, 180}));
    EXPECT_EQ(share.drawFileColour(), (FileColour{240, 4, 102}));
    EXPECT_EQ(share.drawFileColour(), (FileColour{63, 5, 132}));

    ProgramRandomStream a;
    ProgramRandomStream b;
    for (int i = 0; i < 10000; ++i) {
        const double v = a.next();
        ASSERT_EQ(v, b.next());
        ASSERT_GE(v, 0.0);
        ASSERT_LT(v, 1.0);
    }
}

TEST(ProgramRandomStream, ResolvesFinerThanSingleFloatPrecision)
{
    ProgramRandomStream stream;
    bool finer = false;
    for (int i = 0; i < 100 && !finer; ++i) {
        const double v = stream.next();
        finer = std::ldexp(v, 24) != std::floor(std::ldexp(v, 24));
    }
    EXPECT_TRUE(finer);
}
