#include "sessions/screen_adapter.h"

#include "sessions/invariants.h"
#include "sessions/model_observation.h"

#include <string>
#include <vector>

Observed observeScreen(const IndexedScreen& screen)
{
    Observed o = observeLoadedScreen(screen,
        {Control::txFile, Control::txLenght, Control::cmAdd, Control::cmClear, Control::cmNext, Control::lvDirectory,
            Control::lvIndex});
    o.variables["fileCount"] = std::to_string(screen.state().fileCount);
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
        {.type = 360, .enter = 60, .click = 720, .row = 72, .reload = 2, .back = 40, .restart = 1},
        {Control::lvDirectory});
    return vocabulary;
}

std::vector<std::string> screenInvariants(const IndexedScreen& screen)
{
    std::vector<std::string> breaches;
    const Form& form = screen.form();
    const auto& rows = form.list(Control::lvDirectory).rows();
    // Each index block heads a group of the data blocks that follow it, and has a directory row, in
    // the order the blocks were placed, file after file.
    std::vector<FileExtent> groups;
    std::size_t row = 0;
    for (const FileRecord& file : screen.files()) {
        const std::string where = "file " + std::to_string(file.number.value_or(-1));
        int ordinal = 0;
        for (const HeldBlock& b : file.blocks) {
            if (b.role == BlockRole::Data) {
                if (groups.empty())
                    breaches.push_back(where + " holds a data block before any index block");
                else
                    groups.back().blocks.push_back(b.block);
                continue;
            }
            const std::vector<std::string> shown{std::to_string(file.number.value_or(-1)), std::to_string(ordinal),
                rows.size() > row ? rows[row].cells.at(2) : "", std::to_string(b.block),
                rows.size() > row ? rows[row].cells.at(4) : ""};
            if (row >= rows.size() || rows[row].cells != shown || !rows[row].colour)
                breaches.push_back(where + " index block " + std::to_string(ordinal) + " has no directory row of its own");
            groups.push_back({where + " group " + std::to_string(ordinal),
                row < rows.size() ? rows[row].colour.value_or(FREE_COLOUR) : FREE_COLOUR, {b.block}});
            ++ordinal;
            ++row;
        }
        if (!file.complete && &file != &screen.files().back())
            breaches.push_back(where + " is still being placed, and it is not the last file");
    }
    if (row != rows.size())
        breaches.push_back(std::to_string(rows.size()) + " directory rows for " + std::to_string(row) + " index blocks");
    for (auto& breach : checkBlockOwnership(form.disk, groups))
        breaches.push_back(std::move(breach));
    const std::string& usage = form.caption(Control::lbUsage);
    const bool unrefreshed = usage == "Current Usage Block =" && form.disk.usedCount() == 0;
    if (!unrefreshed && usage != "Current Usage Blocks =" + std::to_string(form.disk.usedCount()))
        breaches.push_back("\"" + usage + "\" with " + std::to_string(form.disk.usedCount()) + " blocks coloured");
    return breaches;
}
