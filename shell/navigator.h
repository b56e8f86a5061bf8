#pragma once

#include "core/screen_table.h"

#include <optional>
#include <set>

// What the navigation needs done to windows. The program does it with Qt; tests record it.
class ScreenHost {
public:
    virtual ~ScreenHost() = default;
    // The screen object, which then lives for the rest of the run.
    virtual void createScreen(ScreenId screen) = 0;
    // Builds the screen's window and runs its load steps.
    virtual void loadScreen(ScreenId screen) = 0;
    // Shows the window, not modal and without an owner; it becomes the active window.
    virtual void showScreen(ScreenId screen) = 0;
    // Destroys the window and everything held in its controls; the screen object stays.
    virtual void unloadScreen(ScreenId screen) = 0;
    // Builds the About dialog and runs its load steps.
    virtual void loadAbout() = 0;
    // Shows the About dialog beside the screen, or brings it to the front when it is open already.
    virtual void showAbout() = 0;
    virtual void endProgram() = 0;
};

// Which screens exist and which one is loaded, and the order in which switching, closing and
// ending the program happen. Exactly one method screen is loaded at a time; the About dialog can be
// open beside it.
class Navigator {
public:
    explicit Navigator(ScreenHost& host) : m_host(host) {}

    // Creates, loads and shows the first screen.
    void start(ScreenId first);
    // Loads and shows the target before it unloads the current screen. Switching to the screen that
    // is loaded already does nothing.
    void switchTo(ScreenId target);
    void showAbout();
    // The method screen's close box: unloads it without opening another.
    void screenClosed();
    // The About dialog closed itself.
    void aboutClosed();
    // Ends the program at once, whatever is open.
    void exit();

    std::optional<ScreenId> loaded() const { return m_loaded; }
    bool exists(ScreenId screen) const { return m_created.contains(screen); }
    bool isAboutLoaded() const { return m_aboutLoaded; }
    bool hasEnded() const { return m_ended; }

private:
    void createIfNeeded(ScreenId screen);
    void endIfNoWindowIsLeft();

    ScreenHost& m_host;
    std::set<ScreenId> m_created;
    std::optional<ScreenId> m_loaded;
    bool m_aboutLoaded = false;
    bool m_ended = false;
};
