#include "web/web_session.h"

#include "core/form_layout.h"
#include "shell/screens.h"
#include "web/form_json.h"

#include <algorithm>
#include <random>
#include <utility>

WebSession::WebSession(std::optional<std::uint64_t> seed, ScreenId first)
    : m_stream(seed.value_or(std::mt19937_64::default_seed))
{
    m_navigator.start(first);
}

void WebSession::createScreen(ScreenId id) { screen(id) = makeScreen(id, m_share); }
void WebSession::loadScreen(ScreenId id) { screen(id)->load(); }
void WebSession::unloadScreen(ScreenId id) { screen(id)->unload(); }

WebSession::Recorder& WebSession::fresh()
{
    m_sink.shown.clear();
    return m_sink;
}

bool WebSession::canUse(Control control)
{
    const EntryForm& fields = loaded().form().fields;
    return fields.isEnabled(control) && fields.isVisible(control);
}

void WebSession::type(Control field, std::string text)
{
    fresh();
    loaded().type(field, std::move(text));
}

void WebSession::enter(Control field) { loaded().enterPressed(field, fresh()); }
void WebSession::add() { loaded().addFile(fresh()); }
void WebSession::next() { loaded().nextBlock(fresh()); }

void WebSession::clear()
{
    fresh();
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

bool WebSession::pressNext()
{
    if (!form_layout::layoutOf(loadedId()).next || !canUse(Control::cmNext))
        return false;
    loaded().nextBlock(m_sink);
    return true;
}

void WebSession::perform(const ScenarioStep& step, bool freshMessages)
{
    if (freshMessages)
        fresh();
    switch (step.kind) {
    case ScenarioStep::Kind::Screen: m_navigator.switchTo(step.screen); break;
    case ScenarioStep::Kind::Add: {
        const auto& fields = loaded().form().fields.fields();
        for (const auto& [control, text] :
            {std::pair{Control::txFile, &step.name}, {Control::txStart, &step.start}, {Control::txLenght, &step.length}}) {
            if (std::find(fields.begin(), fields.end(), control) != fields.end() && canUse(control))
                loaded().type(control, *text);
        }
        if (canUse(Control::cmAdd))
            loaded().addFile(m_sink);
        break;
    }
    case ScenarioStep::Kind::Next:
        for (int n = 0; n < step.count && pressNext(); ++n) {
        }
        break;
    case ScenarioStep::Kind::NextAll:
        for (int n = 0; n < 1000 && pressNext(); ++n) {
        }
        break;
    case ScenarioStep::Kind::Clear:
        if (canUse(Control::cmClear))
            loaded().clear();
        break;
    case ScenarioStep::Kind::Row:
        if (step.count >= 1 && static_cast<std::size_t>(step.count) <= loaded().form().list(Control::lvDirectory).rowCount())
            loaded().clickRow(static_cast<std::size_t>(step.count - 1));
        break;
    }
}

std::string WebSession::stateJson()
{
    Screen& s = loaded();
    const auto focus = s.takeFocusRequest();
    return formJson(s, focus, m_sink.shown);
}
