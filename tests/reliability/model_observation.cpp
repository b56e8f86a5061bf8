#include "reliability/model_observation.h"

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
