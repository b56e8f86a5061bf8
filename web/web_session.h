#pragma once

#include "core/messages.h"
#include "core/random_stream.h"
#include "core/screen.h"
#include "core/share.h"
#include "lesson/scenario.h"
#include "shell/navigator.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// What the browser page holds of a run, in plain C++: the one random stream, the four screen
// objects (made on first use and kept for the run), which screen is loaded, and the message boxes
// that the last action raised, in order. The page sends the user's events here and renders what
// stateJson() says; the scenario tool does the same without a page.
class WebSession final : private ScreenHost {
public:
    explicit WebSession(std::optional<std::uint64_t> seed = std::nullopt, ScreenId first = ScreenId::IndexedL);

    // Each action starts a fresh list of messages.
    void type(Control field, std::string text);
    void enter(Control field);
    void add();
    void next();
    void clear();
    void clickRow(int row);
    void switchTo(ScreenId target);
    // One line of a scenario, done as the controls would do it: a disabled field is not typed in
    // and a disabled button is not pressed. Its messages follow those before it unless `fresh`.
    void perform(const ScenarioStep& step, bool freshMessages = true);
    // Presses Next Block if it is there to press.
    bool pressNext();

    ScreenId loadedId() const { return *m_navigator.loaded(); }
    Screen& loaded() { return *screen(loadedId()); }
    const std::vector<Message>& messages() const { return m_sink.shown; }

    // The loaded screen's form, its focus request (handed out once) and the last action's
    // messages, as one JSON object.
    std::string stateJson();

private:
    struct Recorder final : MessageSink {
        std::vector<Message> shown;
        void show(const Message& message) override { shown.push_back(message); }
    };

    void createScreen(ScreenId id) override;
    void loadScreen(ScreenId id) override;
    void showScreen(ScreenId) override {}
    void unloadScreen(ScreenId id) override;
    void loadAbout() override {}
    void showAbout() override {}
    void endProgram() override {}

    std::unique_ptr<Screen>& screen(ScreenId id) { return m_screens.at(static_cast<std::size_t>(id)); }
    Recorder& fresh();
    bool canUse(Control control);

    ProgramRandomStream m_stream;
    Share m_share{m_stream};
    std::array<std::unique_ptr<Screen>, 4> m_screens;
    Navigator m_navigator{*this};
    Recorder m_sink;
};
