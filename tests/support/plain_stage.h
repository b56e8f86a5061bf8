#pragma once

#include "lesson/lecture.h"
#include "lesson/screens.h"

#include <map>
#include <memory>

// The screens as the shell keeps them, with no windows: one object per screen made on first use,
// one loaded at a time, every message recorded.
class PlainStage final : public Stage, public MessageSink {
    Share& m_share;
    std::map<ScreenId, std::unique_ptr<Screen>> m_screens;
    Screen* m_loaded = nullptr;

public:
    explicit PlainStage(Share& share, ScreenId first = ScreenId::Contiguous) : m_share(share) { switchTo(first); }

    Screen* loadedScreen() override { return m_loaded; }
    std::vector<Screen*> screens() override
    {
        std::vector<Screen*> all;
        for (const auto& [id, screen] : m_screens)
            all.push_back(screen.get());
        return all;
    }
    void switchTo(ScreenId id) override
    {
        auto& screen = m_screens[id];
        if (!screen) {
            screen = makeScreen(id, m_share);
            lecture.screenMade(*screen);
        }
        if (m_loaded == screen.get())
            return;
        screen->load();
        if (m_loaded != nullptr)
            m_loaded->unload();
        m_loaded = screen.get();
        lecture.screenLoaded();
    }
    MessageSink& messages() override { return *this; }
    void showChanges(std::optional<std::size_t>) override { ++shown; }
    void show(const Message& message) override { raised.push_back(message); }

    Screen& screen() { return *m_loaded; }

    Lecture lecture{*this, m_share};
    std::vector<Message> raised;
    int shown = 0;
};
