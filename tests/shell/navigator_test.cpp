#include "shell/navigator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Keeps what the navigation asked for, in order, as "load Linked", "unload Indexed_L", ...
class RecordingHost final : public ScreenHost {
public:
    void createScreen(ScreenId s) override { log("create", s); }
    void loadScreen(ScreenId s) override { log("load", s); }
    void showScreen(ScreenId s) override { log("show", s); }
    void unloadScreen(ScreenId s) override { log("unload", s); }
    void loadAbout() override { calls.emplace_back("load About"); }
    void showAbout() override { calls.emplace_back("show About"); }
    void endProgram() override { calls.emplace_back("end"); }

    std::vector<std::string> take() { return std::exchange(calls, {}); }

    std::vector<std::string> calls;

private:
    void log(const char* what, ScreenId s) { calls.push_back(std::string(what) + " " + std::string(formName(s))); }
};

using Calls = std::vector<std::string>;

}  // namespace

TEST(Navigator, StartsOnTheFirstScreenAndCreatesNoOther)
{
    RecordingHost host;
    Navigator nav(host);
    nav.start(ScreenId::IndexedL);
    EXPECT_EQ(host.take(), (Calls{"create Indexed_L", "load Indexed_L", "show Indexed_L"}));
    EXPECT_EQ(nav.loaded(), ScreenId::IndexedL);
    EXPECT_FALSE(nav.exists(ScreenId::Contiguous));
    EXPECT_FALSE(nav.isAboutLoaded());
}

TEST(Navigator, ASwitchLoadsAndShowsTheTargetBeforeItUnloadsTheCurrentScreen)
{
    RecordingHost host;
    Navigator nav(host);
    nav.start(ScreenId::IndexedL);
    host.take();
    nav.switchTo(ScreenId::IndexedM);
    EXPECT_EQ(host.take(), (Calls{"create Indexed_M", "load Indexed_M", "show Indexed_M", "unload Indexed_L"}));
    nav.switchTo(ScreenId::IndexedL);  // the screen object exists already: no second one
    EXPECT_EQ(host.take(), (Calls{"load Indexed_L", "show Indexed_L", "unload Indexed_M"}));
    nav.switchTo(ScreenId::IndexedL);
    EXPECT_TRUE(host.take().empty());
    EXPECT_EQ(nav.loaded(), ScreenId::IndexedL);
}

TEST(Navigator, AboutOpensOnceAndOutlivesSwitches)
{
    RecordingHost host;
    Navigator nav(host);
    nav.start(ScreenId::Contiguous);
    host.take();
    nav.showAbout();
    nav.showAbout();
    EXPECT_EQ(host.take(), (Calls{"load About", "show About", "show About"}));
    nav.switchTo(ScreenId::Linked);
    EXPECT_TRUE(nav.isAboutLoaded());
    nav.aboutClosed();
    EXPECT_FALSE(nav.hasEnded());
    EXPECT_EQ(nav.loaded(), ScreenId::Linked);
}

TEST(Navigator, TheProgramEndsWhenNoWindowIsLeftEitherWay)
{
    {
        RecordingHost host;
        Navigator nav(host);
        nav.start(ScreenId::IndexedL);
        nav.showAbout();
        host.take();
        nav.screenClosed();
        EXPECT_EQ(host.take(), (Calls{"unload Indexed_L"}));
        EXPECT_FALSE(nav.hasEnded());  // the About dialog is still open
        nav.aboutClosed();
        EXPECT_EQ(host.take(), (Calls{"end"}));
        EXPECT_TRUE(nav.hasEnded());
    }
    {
        RecordingHost host;
        Navigator nav(host);
        nav.start(ScreenId::IndexedL);
        nav.showAbout();
        nav.aboutClosed();
        host.take();
        nav.screenClosed();
        EXPECT_EQ(host.take(), (Calls{"unload Indexed_L", "end"}));
    }
}

TEST(Navigator, ExitEndsAtOnceEvenWithTheAboutDialogOpenAndNothingRunsAfter)
{
    RecordingHost host;
    Navigator nav(host);
    nav.start(ScreenId::Linked);
    nav.showAbout();
    host.take();
    nav.exit();
    EXPECT_EQ(host.take(), (Calls{"end"}));
    nav.switchTo(ScreenId::Contiguous);
    nav.showAbout();
    nav.screenClosed();
    nav.exit();
    EXPECT_TRUE(host.take().empty());
}

TEST(Navigator, StartOptionsNameTheFourScreens)
{
    EXPECT_EQ(screenFromOption("contiguous"), ScreenId::Contiguous);
    EXPECT_EQ(screenFromOption("linked"), ScreenId::Linked);
    EXPECT_EQ(screenFromOption("indexed"), ScreenId::IndexedL);
    EXPECT_EQ(screenFromOption("multilevel"), ScreenId::IndexedM);
    for (const char* bad : {"", "Linked", "index", "linked ", "indexed_m"})
        EXPECT_FALSE(screenFromOption(bad).has_value()) << bad;
}
