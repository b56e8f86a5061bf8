#include "reliability/screen_adapter.h"

#include "reliability/invariants.h"
#include "reliability/model_observation.h"

#include <algorithm>
#include <set>

Observed observeScreen(const LinkedAllocator& screen)
{
    Observed o;
    o.loaded = screen.isLoaded();
    o.variables["currentColour"] = describeFileColour(screen.currentColour());
    o.variables["curBlock"] = std::to_string(screen.curBlock());
    o.variables["nextBlock"] = std::to_string(screen.drawnBlock());
    if (!o.loaded)
        return o;
    const LinkedForm& form = screen.form();
    o.disk = observeDisk(form.disk);
    o.lists[Control::lvDirectory] = observeList(form.directory.list());
    o.labels = {{"lbCurTotal", form.lbCurTotal}, {"lbToGo", form.lbToGo}};
    observeForm(form.fields,
        {Control::txFile, Control::txStart, Control::txLenght, Control::cmAdd, Control::cmClear, Control::cmNext,
            Control::lbToGo, Control::lvDirectory},
        o);
    return o;
}

const Vocabulary& linkedVocabulary()
{
    // Lengths beyond 16 bits, which the length field cannot hold, and sums beyond them.
    static const std::vector<std::string> huge{"-32769", "-40000", "-1e309", "32768", "1e309", "-2147483649"};
    // Next is pressed often enough that most walks end, and Clear and reloads come seldom enough that
    // the disk fills between them.
    static const Vocabulary vocabulary
        = vocabularyOf({nameField(), numberField(Control::txStart), numberField(Control::txLenght, {{&huge, 1}})},
            {{Control::cmAdd, 120}, {Control::cmNext, 192}, {Control::cmClear, 1}},
            {.type = 600, .enter = 96, .click = 540, .row = 0, .reload = 1});
    return vocabulary;
}

std::vector<std::string> screenInvariants(const LinkedAllocator& screen)
{
    std::vector<std::string> breaches;
    const LinkedForm& form = screen.form();
    const BlockDisk& disk = form.disk;
    const auto& rows = form.directory.list().rows();
    std::vector<FileExtent> files;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ReportList::Row& row = rows[i];
        const std::string where = "directory row " + std::to_string(i);
        const bool open = screen.isWalking() && i + 1 == rows.size();
        const auto start = row.cells.size() == 4 ? plainNumber(row.cells[1]) : std::nullopt;
        const auto length = row.cells.size() == 4 ? plainNumber(row.cells[2]) : std::nullopt;
        if (!start || !length || *start < 0 || *start > 63 || !row.colour) {
            breaches.push_back(where + " is not a file with a start on the disk and a length");
            continue;
        }
        FileExtent file{row.cells[0], *row.colour, {}};
        std::set<int> seen;
        int block = *start;
        for (;;) {
            if (!seen.insert(block).second) {
                breaches.push_back(where + ": its chain comes back to block " + std::to_string(block));
                break;
            }
            const std::string& text = disk.cell(block).text;
            if (text.empty()) {
                if (!open || block != screen.curBlock())
                    breaches.push_back(where + ": its chain stops at block " + std::to_string(block) + " with no text");
                if (!disk.isFree(block) || block == *start)
                    file.blocks.push_back(block);
                break;
            }
            file.blocks.push_back(block);
            if (text == "-1")
                break;
            const auto successor = plainNumber(text);
            if (!successor || *successor < 0 || *successor > 63) {
                breaches.push_back(where + ": block " + std::to_string(block) + " shows \"" + text + "\"");
                break;
            }
            block = *successor;
        }
        if (!open) {
            const std::size_t wanted = static_cast<std::size_t>(std::max(*length, 1));
            if (file.blocks.size() != wanted)
                breaches.push_back(where + ": its chain has " + std::to_string(file.blocks.size())
                    + " blocks for a Lenght of " + row.cells[2]);
            const std::string end = std::to_string(file.blocks.back());
            if (row.cells[3] != end && (*length >= 2 || !row.cells[3].empty()))
                breaches.push_back(where + ": End shows \"" + row.cells[3] + "\" where the chain ends at block "
                    + std::to_string(file.blocks.back()));
        }
        files.push_back(std::move(file));
    }
    for (auto& breach : checkBlockOwnership(disk, files))
        breaches.push_back(std::move(breach));
    if (!screen.isWalking() && screen.usedTotal() != disk.usedCount())
        breaches.push_back("the directory accounts for " + std::to_string(screen.usedTotal()) + " blocks, the disk has "
            + std::to_string(disk.usedCount()) + " coloured");
    const std::string usage = LinkedForm::USAGE_CAPTION;
    if (form.lbCurTotal != usage && form.lbCurTotal != usage + std::to_string(screen.usedTotal()))
        breaches.push_back("\"" + form.lbCurTotal + "\" while the directory accounts for "
            + std::to_string(screen.usedTotal()) + " blocks");
    return breaches;
}
