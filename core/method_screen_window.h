#pragma once

#include "core/entry_form.h"
#include "core/method_window.h"

// A method window over its screen object: it unloads the screen when it goes, forwards Enter in
// the fields, and turns Add and Clear into the screen's actions. Loading is the derived window's
// last step, once its controls stand.
template <typename ScreenObject> class MethodScreenWindow : public MethodWindow {
public:
    MethodScreenWindow(ScreenObject& screen, const QString& caption, int clientWidth, int clientHeight)
        : MethodWindow(caption, clientWidth, clientHeight), m_screen(screen)
    {
    }
    ~MethodScreenWindow() override { m_screen.unload(); }

    void onAddClicked()
    {
        m_screen.addFile(messages());
        render();
    }
    void onClearClicked()
    {
        m_screen.clear();
        render();
    }

protected:
    void load()
    {
        m_screen.load();
        render();
    }
    EntryForm* entryForm() override { return m_screen.isLoaded() ? &m_screen.form().fields : nullptr; }
    void onEnterPressed(Control field) override { m_screen.enterPressed(field, messages()); }

    ScreenObject& m_screen;
};
