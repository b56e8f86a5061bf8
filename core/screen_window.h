#pragma once

#include "core/method_window.h"

// A method window bound to the screen object that it shows. The screen outlives the window:
// destroying the window unloads the screen. The entry fields and their Enter key reach the screen.
template <typename ScreenObject> class ScreenWindow : public MethodWindow {
public:
    ~ScreenWindow() override { m_screen.unload(); }

protected:
    ScreenWindow(const QString& caption, int clientWidth, int clientHeight, ScreenObject& screen)
        : MethodWindow(caption, clientWidth, clientHeight), m_screen(screen)
    {
    }

    EntryForm* entryForm() override { return m_screen.isLoaded() ? &m_screen.form().fields : nullptr; }
    void onEnterPressed(Control field) override { m_screen.enterPressed(field, messages()); }

    // Runs one of the screen's actions, then shows what it changed.
    void apply(void (ScreenObject::*action)(MessageSink&))
    {
        (m_screen.*action)(messages());
        render();
    }
    void apply(void (ScreenObject::*action)())
    {
        (m_screen.*action)();
        render();
    }

    ScreenObject& m_screen;
};
