#include "sessions/generator.h"

#include "sessions/text_pools.h"

#include <stdexcept>

namespace {

// Index of the entry that a draw over the summed weights lands on.
template <typename T, typename Weight>
std::size_t pickWeighted(Chooser& chooser, const std::vector<T>& items, Weight weight)
{
    std::size_t total = 0;
    for (const T& item : items)
        total += weight(item);
    if (total == 0)
        throw std::logic_error("nothing to choose from");
    std::size_t draw = chooser.below(total);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (draw < weight(items[i]))
            return i;
        draw -= weight(items[i]);
    }
    return items.size() - 1;
}

std::string drawText(Chooser& chooser, const Vocabulary::Field& field)
{
    const WeightedPool& pool
        = field.pools[pickWeighted(chooser, field.pools, [](const WeightedPool& p) { return p.weight; })];
    const std::size_t choices = pool.texts->size() + (chooser.hasOwnTexts() ? 1 : 0);
    const std::size_t k = chooser.below(choices);
    return k < pool.texts->size() ? (*pool.texts)[k] : chooser.ownText();
}

}  // namespace

Vocabulary::Field nameField() { return {Control::txFile, {{&pools::names(), 9}, {&pools::hostileTexts(), 1}}}; }

Vocabulary::Field numberField(Control field, std::vector<WeightedPool> more)
{
    Vocabulary::Field f{field,
        {{field == Control::txStart ? &pools::startNumbers() : &pools::lengthNumbers(), 14}, {&pools::edgeNumbers(), 3},
            {&pools::hostileTexts(), 2}}};
    f.pools.insert(f.pools.end(), more.begin(), more.end());
    return f;
}

Vocabulary vocabularyOf(std::vector<Vocabulary::Field> fields, std::vector<Vocabulary::Button> buttons,
    ActionWeights weights, std::vector<Control> lists)
{
    Vocabulary v;
    v.fields = std::move(fields);
    v.buttons = std::move(buttons);
    v.lists = std::move(lists);
    v.typeWeight = weights.type;
    v.enterWeight = weights.enter;
    v.clickWeight = weights.click;
    v.rowWeight = weights.row;
    v.reloadWeight = weights.reload;
    v.backWeight = weights.back;
    v.restartWeight = weights.restart;
    return v;
}

Action nextAction(Chooser& chooser, const Vocabulary& v)
{
    struct Kind {
        ActionKind kind;
        unsigned weight;
    };
    const std::vector<Kind> kinds{
        {ActionKind::Type, v.fields.empty() ? 0U : v.typeWeight},
        {ActionKind::Enter, v.fields.empty() ? 0U : v.enterWeight},
        {ActionKind::Click, v.buttons.empty() ? 0U : v.clickWeight},
        {ActionKind::ClickRow, v.lists.empty() ? 0U : v.rowWeight},
        {ActionKind::Reload, v.reloadWeight},
        {ActionKind::StepBack, v.backWeight},
        {ActionKind::Restart, v.restartWeight},
    };
    switch (kinds[pickWeighted(chooser, kinds, [](const Kind& k) { return k.weight; })].kind) {
    case ActionKind::Type: {
        const auto& field = v.fields[chooser.below(v.fields.size())];
        return Action::type(field.field, drawText(chooser, field));
    }
    case ActionKind::Enter: return Action::enter(v.fields[chooser.below(v.fields.size())].field);
    case ActionKind::Click:
        return Action::click(
            v.buttons[pickWeighted(chooser, v.buttons, [](const Vocabulary::Button& b) { return b.weight; })].button);
    case ActionKind::ClickRow:
        return Action::clickRow(v.lists[chooser.below(v.lists.size())],
            static_cast<int>(chooser.below(static_cast<std::size_t>(v.rowsToClick))));
    case ActionKind::Reload: break;
    case ActionKind::StepBack: return Action::stepBack();
    case ActionKind::Restart: return Action::restart();
    }
    return Action::reload();
}

std::vector<Action> generateActions(std::uint64_t seed, const Vocabulary& vocabulary, std::size_t count)
{
    RandomChooser chooser(seed);
    std::vector<Action> actions;
    actions.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        actions.push_back(nextAction(chooser, vocabulary));
    return actions;
}
