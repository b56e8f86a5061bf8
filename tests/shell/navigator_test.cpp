#include "shell/navigator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Keeps what the navigation asked for, in order, as "load Linked", "unload Indexed_L", ...
class RecordingHost final : public ScreenHost {
public:
    void createScreen(Screen s) override { log("create", s); }
    void loadScreen(Screen s) override { log("load", s); }
    void showScreen(Screen s) override { log("show", s); }
    void unloadScreen(Screen s) override { log("unload", s); }
    void loadAbout() override { calls.emplace_back("load About"); }
    void showAbout() override { calls.emplace_back("show About"); }
    void endProgram() override { calls.emplace_back("end"); }

    std::vector<std::string> take() { return std::exchange(calls, {}); }

    std::vector<std::string> calls;

private:
    void log(const char* what, Screen s) { calls.push_back(std::string(what) + " " + std::string(formName(s))); }
};

using Calls = std::vector<std::string>;

}  // namespace

TEST(Navigator, StartsOnTheFirstScreenAndCreatesNoOther)
{
    RecordingHost host;
    Navigator nav(host);
    nav.start(Screen::IndexedL);
    EXPECT_EQ(host.take(), (Calls{"create Indexed_L", "load Indexed_L", "show Indexed_L"}));
    EXPECT_EQ(nav.loaded(), Screen::IndexedL);
    EXPECT_FALSE(nav.exists(Screen::Contiguous));
    EXPECT_FALSE(nav.isAboutLoaded());
}

TEST(Navigator, ASwitchLoadsAndShowsTheTargetBeforeItUnloadsTheCurrentScreen)
{
    RecordingHost host;
    Navigator nav(host);
    nav.start(Screen::IndexedL);
    host.take();
    nav.switchTo(Screen::IndexedM);
    EXPECT_EQ(host.take(), (Calls{"create Indexed_M", "load Indexed_M", "show Indexed_M", "unload Indexed_L"}));
    nav.switchTo(Screen::IndexedL);  // the screen object exists already: no second one
    EXPECT_EQ(host.take(), (Calls{"load Indexed_L", "show Indexed_L", "unload Indexed_M"}));
    nav.switchTo(Screen::IndexedL);
    EXPECT_TRUE(host.take().empty());
    EXPECT_EQ(nav.loaded(), Screen::IndexedL);
}

TEST(Navigator, AboutOpensOnceAndOutlivesSwitches)
{
    RecordingHost host;
    Navigator nav(host);
    nav.start(Screen::Contiguous);
    host.take();
    nav.showAbout();
    nav.showAbout();
    EXPECT_EQ(host.take(), (Calls{"load About", "show About", "show About"}));
    nav.switchTo(Screen::Linked);
    EXPECT_TRUE(nav.isAboutLoaded());
    nav.aboutClosed();
    EXPECT_FALSE(nav.hasEnded());
    EXPECT_EQ(nav.loaded(), Screen::Linked);
}

TEST(Navigator, TheProgramEndsWhenNoWindowIsLeftEitherWay)
{
    {
        RecordingHost host;
        Navigator nav(host);
        nav.start(Screen::IndexedL);
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
        nav.start(Screen::IndexedL);
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
    nav.start(Screen::Linked);
    nav.showAbout();
    host.take();
    nav.exit();
    EXPECT_EQ(host.take(), (Calls{"end"}));
    nav.switchTo(Screen::Contiguous);
    nav.showAbout();
    nav.screenClosed();
    nav.exit();
    EXPECT_TRUE(host.take().empty());
}

TEST(Navigator, StartOptionsNameTheFourScreens)
{
    EXPECT_EQ(screenFromOption("contiguous"), Screen::Contiguous);
    EXPECT_EQ(screenFromOption("linked"), Screen::Linked);
    EXPECT_EQ(screenFromOption("indexed"), Screen::IndexedL);
    EXPECT_EQ(screenFromOption("multilevel"), Screen::IndexedM);
    for (const char* bad : {"", "Linked", "index", "linked ", "indexed_m"})
        EXPECT_FALSE(screenFromOption(bad).has_value()) << bad;
}
