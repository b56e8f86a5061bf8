#include "web/web_session.h"

#include "lesson/screens.h"
#include "web/form_json.h"

#include <random>
#include <utility>
#include <variant>

WebSession::WebSession(std::optional<std::uint64_t> seed, ScreenId first)
    : m_stream(seed.value_or(std::mt19937_64::default_seed))
{
    m_navigator.start(first);
}

void WebSession::createScreen(ScreenId id)
{
    screen(id) = makeScreen(id, m_share);
    m_lecture.screenMade(*screen(id));
}

void WebSession::loadScreen(ScreenId id)
{
    screen(id)->load();
    m_lecture.screenLoaded();
}

void WebSession::unloadScreen(ScreenId id) { screen(id)->unload(); }

Screen* WebSession::loadedScreen()
{
    const auto id = m_navigator.loaded();
    return id ? screen(*id).get() : nullptr;
}

std::vector<Screen*> WebSession::screens()
{
    std::vector<Screen*> made;
    for (const auto& s : m_screens) {
        if (s)
            made.push_back(s.get());
    }
    return made;
}

void WebSession::showChanges(std::optional<std::size_t> row)
{
    if (row)
        m_rowShown = row;
}

WebSession::Recorder& WebSession::fresh()
{
    m_sink.shown.clear();
    m_rowShown.reset();
    return m_sink;
}

void WebSession::type(Control field, std::string text)
{
    fresh();
    loaded().type(field, std::move(text));
}

void WebSession::enter(Control field) { loaded().enterPressed(field, fresh()); }

void WebSession::add(std::optional<Control> focus)
{
    fresh();
    m_lecture.beforeAction(focus);
    loaded().addFile(m_sink);
}

void WebSession::next(std::optional<Control> focus)
{
    fresh();
    m_lecture.beforeAction(focus);
    loaded().nextBlock(m_sink);
}

void WebSession::clear(std::optional<Control> focus)
{
    fresh();
    m_lecture.beforeAction(focus);
    loaded().clear();
}

void WebSession::clickRow(int row)
{
    fresh();
    if (row >= 0)
        loaded().clickRow(static_cast<std::size_t>(row));
}

void WebSession::switchTo(ScreenId target)
{
    fresh();
    m_navigator.switchTo(target);
}

void WebSession::restart(std::optional<Control> focus)
{
    fresh();
    m_lecture.restart(focus);
}

bool WebSession::stepBack()
{
    fresh();
    return m_lecture.stepBack();
}

bool WebSession::tick()
{
    fresh();
    return m_lecture.tick();
}

bool WebSession::performNextStep()
{
    fresh();
    return m_lecture.performNextStep();
}

bool WebSession::runSome(std::size_t most)
{
    fresh();
    return m_lecture.runSome(most);
}

std::optional<ScenarioError> WebSession::setScenario(std::string_view text)
{
    auto read = readScenario(text, loadedId());
    if (auto* error = std::get_if<ScenarioError>(&read))
        return *error;
    m_lecture.setScenario(std::get<std::vector<ScenarioStep>>(std::move(read)));
    return std::nullopt;
}

std::string WebSession::stateJson()
{
    Screen& s = loaded();
    const auto focus = s.takeFocusRequest();
    return formJson(s, focus, m_sink.shown, m_rowShown);
}
