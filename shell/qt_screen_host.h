#pragma once

#include "shell/navigator.h"

#include <QObject>
#include <QPointer>

#include <map>
#include <memory>

class AboutDialog;
class ContiguousAllocator;
class LinkedAllocator;
class IndexedScreen;
class MethodWindow;
class ProgramStarter;
class Registry;
class Share;

// The program's windows: it keeps one screen object per screen for the whole run, builds a
// screen's window when the navigation loads it, and wires every window's commands back to the
// navigation.
class QtScreenHost final : public QObject, public ScreenHost {
    Q_OBJECT
public:
    explicit QtScreenHost(Share& share);
    // With its own ways of finding and starting the system information program.
    QtScreenHost(Share& share, std::unique_ptr<Registry> registry, std::unique_ptr<ProgramStarter> starter);
    ~QtScreenHost() override;

    Navigator& navigator() { return m_navigator; }
    // The loaded window of a screen, or null.
    MethodWindow* window(Screen screen) const;
    AboutDialog* about() const;
    // The screen objects made so far, for a look behind the windows; null before a screen's first use.
    const ContiguousAllocator* contiguousScreen() const { return m_contiguous.get(); }
    const LinkedAllocator* linkedScreen() const { return m_linked.get(); }
    const IndexedScreen* indexedScreen(Screen scheme) const
    {
        return scheme == Screen::IndexedM ? m_indexedM.get() : m_indexedL.get();
    }

    void createScreen(Screen screen) override;
    void loadScreen(Screen screen) override;
    void showScreen(Screen screen) override;
    void unloadScreen(Screen screen) override;
    void loadAbout() override;
    void showAbout() override;
    void endProgram() override;

private:
    MethodWindow* buildWindow(Screen screen);

    Share& m_share;
    std::unique_ptr<Registry> m_registry;
    std::unique_ptr<ProgramStarter> m_starter;
    Navigator m_navigator{*this};
    std::unique_ptr<ContiguousAllocator> m_contiguous;
    std::unique_ptr<LinkedAllocator> m_linked;
    std::unique_ptr<IndexedScreen> m_indexedL;
    std::unique_ptr<IndexedScreen> m_indexedM;
    // Windows on their way out are hidden at once and deleted when control is back in the event
    // loop, since a window may be unloaded from inside one of its own handlers.
    std::map<Screen, QPointer<MethodWindow>> m_windows;
    QPointer<AboutDialog> m_about;
};
