#include "reliability/contiguous_adapter.h"

#include "reliability/invariants.h"
#include "reliability/model_observation.h"
#include "reliability/text_pools.h"

#include <charconv>

namespace {

std::optional<int> plainNumber(const std::string& cell)
{
    int value = 0;
    const auto [ptr, ec] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
    if (ec != std::errc{} || ptr != cell.data() + cell.size() || cell.empty() || cell.front() == '+'
        || (cell.size() > 1 && cell.front() == '0') || cell == "-0")
        return std::nullopt;
    return value;
}

}  // namespace

ContiguousAdapter::ContiguousAdapter(RandomStream& stream) : m_share(stream), m_screen(m_share) { m_screen.load(); }

std::vector<Message> ContiguousAdapter::apply(const Action& action)
{
    struct Recorder final : MessageSink {
        std::vector<Message> shown;
        void show(const Message& m) override { shown.push_back(m); }
    } sink;
    switch (action.kind) {
    case ActionKind::Type: m_screen.form().fields.setText(action.control, action.text); break;
    case ActionKind::Enter: m_screen.enterPressed(action.control, sink); break;
    case ActionKind::Click:
        if (action.control == Control::cmAdd)
            m_screen.addFile(sink);
        else if (action.control == Control::cmClear)
            m_screen.clear();
        break;
    case ActionKind::ClickRow: break;
    case ActionKind::Reload:
        m_screen.unload();
        m_screen.load();
        break;
    }
    // As the window does when it renders: the focus request is taken and carried out.
    m_focus = m_screen.isLoaded() ? m_screen.form().fields.takeFocusRequest() : std::nullopt;
    return sink.shown;
}

Observed ContiguousAdapter::observe() const
{
    Observed o;
    o.loaded = m_screen.isLoaded();
    o.variables["currentColour"] = describeFileColour(m_screen.currentColour());
    if (!o.loaded)
        return o;
    const ContiguousForm& form = m_screen.form();
    o.disk = observeDisk(form.disk);
    o.lists[Control::lvDirectory] = observeList(form.directory.list());
    observeForm(form.fields,
        {Control::txFile, Control::txStart, Control::txLenght, Control::cmAdd, Control::cmClear, Control::lvDirectory},
        o);
    o.focusRequest = m_focus;
    return o;
}

std::vector<std::string> ContiguousAdapter::invariants() const { return contiguousInvariants(m_screen); }

const Vocabulary& ContiguousAdapter::vocabulary()
{
    static const Vocabulary vocabulary = [] {
        Vocabulary v;
        v.fields = {
            {Control::txFile, {{&pools::names(), 9}, {&pools::hostileTexts(), 1}}},
            {Control::txStart, {{&pools::startNumbers(), 14}, {&pools::edgeNumbers(), 3}, {&pools::hostileTexts(), 2}}},
            {Control::txLenght,
                {{&pools::lengthNumbers(), 14}, {&pools::edgeNumbers(), 3}, {&pools::hostileTexts(), 2}}},
        };
        v.buttons = {{Control::cmAdd, 12}, {Control::cmClear, 1}};
        v.typeWeight = 60;
        v.enterWeight = 8;
        v.clickWeight = 30;
        v.reloadWeight = 1;
        return v;
    }();
    return vocabulary;
}

std::vector<std::string> contiguousInvariants(const ContiguousAllocator& screen)
{
    if (!screen.isLoaded())
        return {};
    std::vector<std::string> breaches;
    const ContiguousForm& form = screen.form();
    const ReportList& list = form.directory.list();
    if (list.columns().size() != 3)
        breaches.push_back("the directory has " + std::to_string(list.columns().size()) + " columns");
    std::vector<FileExtent> files;
    for (std::size_t i = 0; i < list.rows().size(); ++i) {
        const ReportList::Row& row = list.rows()[i];
        const auto where = [i] { return "directory row " + std::to_string(i); };
        if (row.cells.size() != 3 || !row.colour) {
            breaches.push_back(
                where() + " has " + std::to_string(row.cells.size()) + " cells" + (row.colour ? "" : " and no colour"));
            continue;
        }
        const auto start = plainNumber(row.cells[1]);
        const auto length = plainNumber(row.cells[2]);
        if (!start || !length) {
            breaches.push_back(
                where() + " shows \"" + row.cells[1] + "\", \"" + row.cells[2] + "\", not plain numbers");
            continue;
        }
        if (*start < 0 || *start > 63 || *start + *length - 1 > 63 || *length < -32768)
            breaches.push_back(where() + " runs from " + row.cells[1] + " for " + row.cells[2] + ", off the disk");
        FileExtent file{row.cells[0], *row.colour, {}};
        for (int b = *start; b < *start + *length && b < 64; ++b)
            file.blocks.push_back(b);
        files.push_back(std::move(file));
    }
    for (auto& breach : checkBlockOwnership(form.disk, files))
        breaches.push_back(std::move(breach));
    return breaches;
}
