#pragma once

#include "core/messages.h"
#include "core/random_stream.h"
#include "core/screen.h"
#include "core/share.h"
#include "lesson/lecture.h"
#include "lesson/scenario.h"
#include "shell/navigator.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// What the browser page holds of a run, in plain C++: the one random stream, the four screen
// objects (made on first use and kept for the run), which screen is loaded, the lecture over them,
// and the message boxes that the last action raised, in order. The page sends the user's events
// here and renders what stateJson() says; the scenario tool does the same without a page.
class WebSession final : private ScreenHost, private Stage {
public:
    explicit WebSession(std::optional<std::uint64_t> seed = std::nullopt, ScreenId first = ScreenId::IndexedL);

    // Each action starts a fresh list of messages. Add, Next Block and Clear are told where the
    // focus was, so that Step back can put it there again.
    void type(Control field, std::string text);
    void enter(Control field);
    void add(std::optional<Control> focus);
    void next(std::optional<Control> focus);
    void clear(std::optional<Control> focus);
    void clickRow(int row);
    void switchTo(ScreenId target) override;

    Lecture& lecture() { return m_lecture; }
    // The lecture's own actions, each with a fresh list of messages.
    void restart(std::optional<Control> focus);
    bool stepBack();
    bool tick();
    bool performNextStep();
    bool runSome(std::size_t most);
    // The scenario to step through; the first line it cannot read is the error, and nothing changes.
    std::optional<ScenarioError> setScenario(std::string_view text);

    ScreenId loadedId() const { return *m_navigator.loaded(); }
    Screen& loaded() { return *screen(loadedId()); }
    const std::vector<Message>& messages() const { return m_sink.shown; }

    // The loaded screen's form, its focus request (handed out once), the row a scenario clicked and
    // the last action's messages, as one JSON object.
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

    Screen* loadedScreen() override;
    std::vector<Screen*> screens() override;
    MessageSink& messages() override { return m_sink; }
    void showChanges(std::optional<std::size_t> row) override;

    std::unique_ptr<Screen>& screen(ScreenId id) { return m_screens.at(static_cast<std::size_t>(id)); }
    Recorder& fresh();

    ProgramRandomStream m_stream;
    Share m_share{m_stream};
    std::array<std::unique_ptr<Screen>, 4> m_screens;
    Lecture m_lecture{*this, m_share};
    Navigator m_navigator{*this};
    Recorder m_sink;
    std::optional<std::size_t> m_rowShown;
};
