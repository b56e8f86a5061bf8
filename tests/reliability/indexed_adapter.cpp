#include "reliability/screen_adapter.h"

#include "reliability/invariants.h"
#include "reliability/model_observation.h"

#include <map>

Observed observeScreen(const IndexedScreen& screen)
{
    Observed o;
    o.loaded = screen.isLoaded();
    o.variables["currentColour"] = describeFileColour(screen.currentColour());
    o.variables["fileCount"] = std::to_string(screen.state().fileCount);
    if (!o.loaded)
        return o;
    const IndexedForm& form = screen.form();
    o.disk = observeDisk(form.disk);
    o.lists[Control::lvDirectory] = observeList(form.lvDirectory);
    o.lists[Control::lvIndex] = observeList(form.lvIndex);
    o.labels = {{"lbUsage", form.lbUsage}, {"Label4", form.Label4.caption}};
    observeForm(form.fields,
        {Control::txFile, Control::txLenght, Control::cmAdd, Control::cmClear, Control::cmNext, Control::lvDirectory,
            Control::lvIndex},
        o);
    return o;
}

const Vocabulary& indexedVocabulary()
{
    // Lengths at the schemes' edges: a group just filled or just begun, a disk filled exactly or
    // missed by one, and the negative lengths that place nothing.
    static const std::vector<std::string> lengths{
        "0", "1", "2", "3", "5", "7", "8", "9", "14", "16", "20", "47", "48", "49", "56", "57", "-1", "-2", "-8", "-9"};
    // A file takes a press of Next per block and one more, so Next is pressed most. Clear comes seldom
    // enough that file numbers pass 32 between two of them, and a reload (which keeps the numbers)
    // now and then gives those files an empty disk.
    static const Vocabulary vocabulary = vocabularyOf({nameField(), numberField(Control::txLenght, {{&lengths, 14}})},
        {{Control::cmAdd, 144}, {Control::cmNext, 720}, {Control::cmClear, 1}},
        {.type = 360, .enter = 60, .click = 720, .row = 72, .reload = 2}, {Control::lvDirectory});
    return vocabulary;
}

namespace {

// A group's blocks from the table, by file and ordinal; blocks that the table holds only once.
template <typename Table> void collectGroups(const Table& table, std::map<std::pair<int, int>, FileExtent>& groups)
{
    for (const auto& [file, ordinals] : table.files()) {
        for (int j = 0; j < Table::ORDINALS; ++j) {
            for (int k = 0; k < Table::SLOTS; ++k) {
                const std::int16_t block = ordinals[static_cast<std::size_t>(j)][static_cast<std::size_t>(k)];
                if (block != Table::NO_BLOCK)
                    groups[{file, j}].blocks.push_back(block);
            }
        }
    }
}

}  // namespace

std::vector<std::string> screenInvariants(const IndexedScreen& screen)
{
    std::vector<std::string> breaches;
    const IndexedForm& form = screen.form();
    std::map<std::pair<int, int>, FileExtent> groups;
    if (const auto* linked = dynamic_cast<const LinkedIndexScheme*>(&screen.scheme()))
        collectGroups(linked->table(), groups);
    else if (const auto* multilevel = dynamic_cast<const MultilevelIndexScheme*>(&screen.scheme()))
        collectGroups(multilevel->table(), groups);

    std::map<std::pair<int, int>, std::size_t> rowOf;
    const auto& rows = form.lvDirectory.rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& cells = rows[i].cells;
        const std::string where = "directory row " + std::to_string(i);
        const auto file = cells.size() == 5 ? plainNumber(cells[0]) : std::nullopt;
        const auto ordinal = cells.size() == 5 ? plainNumber(cells[1]) : std::nullopt;
        const auto it = file && ordinal ? groups.find({*file, *ordinal}) : groups.end();
        if (it == groups.end() || !rows[i].colour) {
            breaches.push_back(where + " names no group of the index table");
            continue;
        }
        if (!rowOf.emplace(it->first, i).second)
            breaches.push_back(where + " names a group that another row names too");
        it->second.name = "file " + cells[0] + " group " + cells[1];
        it->second.colour = *rows[i].colour;
        if (cells[3] != std::to_string(it->second.blocks.front()))
            breaches.push_back(where + " names block " + cells[3] + " where the table holds "
                + std::to_string(it->second.blocks.front()));
    }
    std::vector<FileExtent> files;
    for (auto& [key, group] : groups) {
        if (!rowOf.contains(key))
            breaches.push_back("file " + std::to_string(key.first) + " group " + std::to_string(key.second)
                + " of the index table has no directory row");
        else
            files.push_back(group);
    }
    for (auto& breach : checkBlockOwnership(form.disk, files))
        breaches.push_back(std::move(breach));
    const bool unrefreshed = form.lbUsage == "Current Usage Block =" && form.disk.usedCount() == 0;
    if (!unrefreshed && form.lbUsage != "Current Usage Blocks =" + std::to_string(form.disk.usedCount()))
        breaches.push_back(
            "\"" + form.lbUsage + "\" with " + std::to_string(form.disk.usedCount()) + " blocks coloured");
    return breaches;
}
