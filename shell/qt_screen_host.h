#pragma once

#include "shell/navigator.h"

#include <QObject>
#include <QPointer>

#include <map>
#include <memory>

class ContiguousAllocator;
class IndexedScreen;
class MethodWindow;
class Share;

// The program's windows: it keeps one screen object per screen for the whole run, builds a
// screen's window when the navigation loads it, and wires every window's commands back to the
// navigation.
class QtScreenHost final : public QObject, public ScreenHost {
    Q_OBJECT
public:
    explicit QtScreenHost(Share& share);
    ~QtScreenHost() override;

    Navigator& navigator() { return m_navigator; }
    // The loaded window of a screen, or null.
    MethodWindow* window(Screen screen) const;

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
    Navigator m_navigator{*this};
    std::unique_ptr<ContiguousAllocator> m_contiguous;
    std::unique_ptr<IndexedScreen> m_indexedL;
    std::unique_ptr<IndexedScreen> m_indexedM;
    // Windows on their way out are hidden at once and deleted when control is back in the event
    // loop, since a window may be unloaded from inside one of its own handlers.
    std::map<Screen, QPointer<MethodWindow>> m_windows;
};
