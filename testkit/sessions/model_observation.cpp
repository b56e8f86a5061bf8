#include "sessions/model_observation.h"

#include "sessions/action.h"
#include "sessions/invariants.h"

#include <charconv>

std::vector<Observed::Cell> observeDisk(const BlockDisk& disk)
{
    std::vector<Observed::Cell> cells;
    for (int i = 0; i < BlockDisk::BLOCKS; ++i) {
        const BlockDisk::Cell& c = disk.cell(i);
        cells.push_back({c.colour, c.text, c.textColour, disk.label(i)});
    }
    return cells;
}

Observed::List observeList(const ReportList& list)
{
    Observed::List observed;
    observed.reportView = list.isReportView();
    for (const auto& c : list.columns())
        observed.columns.push_back({c.caption, c.width});
    for (const auto& r : list.rows())
        observed.rows.push_back({r.cells, r.colour});
    return observed;
}

void observeForm(const EntryForm& form, std::initializer_list<Control> controls, Observed& into)
{
    for (const Control f : form.fields())
        into.fields[f] = form.text(f);
    for (const Control c : controls) {
        into.enabled[c] = form.isEnabled(c);
        into.visible[c] = form.isVisible(c);
    }
}

std::string describeFileColour(const FileColour& c)
{
    return std::to_string(c.R) + ' ' + std::to_string(c.G) + ' ' + std::to_string(c.B);
}

std::optional<int> plainNumber(const std::string& text)
{
    int value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    const std::size_t firstDigit = !text.empty() && text.front() == '-' ? 1 : 0;
    if (ec != std::errc{} || ptr != text.data() + text.size() || text.empty() || text == "-0"
        || (text.size() > firstDigit + 1 && text[firstDigit] == '0'))
        return std::nullopt;
    return value;
}

Observed observeLoadedScreen(const Screen& screen, std::initializer_list<Control> controls)
{
    Observed o;
    o.loaded = screen.isLoaded();
    o.variables["currentColour"] = describeFileColour(screen.currentColour());
    if (!o.loaded)
        return o;
    const Form& form = screen.form();
    o.disk = observeDisk(form.disk);
    for (const auto& [control, list] : form.lists)
        o.lists[control] = observeList(list);
    for (const auto& [control, caption] : form.captions)
        o.labels[controlName(control)] = caption;
    observeForm(form.fields, controls, o);
    return o;
}

std::vector<FileExtent> extentsOf(const Screen& screen)
{
    std::vector<FileExtent> extents;
    for (const FileRecord& file : screen.files()) {
        FileExtent extent{file.name, file.colour, {}};
        for (const HeldBlock& b : file.blocks)
            extent.blocks.push_back(b.block);
        extents.push_back(std::move(extent));
    }
    return extents;
}

std::vector<Message> applyToScreen(Screen& screen, const Action& action, std::optional<Control>& focus)
{
    struct Recorder final : MessageSink {
        std::vector<Message> shown;
        void show(const Message& m) override { shown.push_back(m); }
    } sink;
    switch (action.kind) {
    case ActionKind::Type: screen.type(action.control, action.text); break;
    case ActionKind::Enter: screen.enterPressed(action.control, sink); break;
    case ActionKind::Click:
        if (action.control == Control::cmAdd)
            screen.addFile(sink);
        else if (action.control == Control::cmClear)
            screen.clear();
        else if (action.control == Control::cmNext)
            screen.nextBlock(sink);
        break;
    case ActionKind::ClickRow:
        if (action.control == Control::lvDirectory && action.row >= 0)
            screen.clickRow(static_cast<std::size_t>(action.row));
        break;
    case ActionKind::Reload:
        screen.unload();
        screen.load();
        break;
    // The adapter does these, with the program's history and its own screen object.
    case ActionKind::StepBack:
    case ActionKind::Restart: break;
    }
    focus = screen.takeFocusRequest();
    return sink.shown;
}
