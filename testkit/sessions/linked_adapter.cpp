#include "sessions/screen_adapter.h"

#include "sessions/invariants.h"
#include "sessions/model_observation.h"

#include <algorithm>
#include <set>

Observed observeScreen(const LinkedScreen& screen)
{
    Observed o = observeLoadedScreen(screen,
        {Control::txFile, Control::txStart, Control::txLenght, Control::cmAdd, Control::cmClear, Control::cmNext,
            Control::lbToGo, Control::lvDirectory});
    o.variables["curBlock"] = std::to_string(screen.curBlock());
    o.variables["nextBlock"] = std::to_string(screen.drawnBlock());
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
            {.type = 600, .enter = 96, .click = 540, .row = 0, .reload = 1, .back = 40, .restart = 1});
    return vocabulary;
}

std::vector<std::string> screenInvariants(const LinkedScreen& screen)
{
    std::vector<std::string> breaches;
    const Form& form = screen.form();
    const BlockDisk& disk = form.disk;
    const auto& rows = form.list(Control::lvDirectory).rows();
    const auto& files = screen.files();
    const bool walking = screen.mode() == Mode::Walking;
    if (rows.size() != files.size())
        breaches.push_back(std::to_string(rows.size()) + " directory rows for " + std::to_string(files.size()) + " files");
    if (walking != (!files.empty() && !files.back().complete))
        breaches.push_back("the walk is open for no file, or a file is open outside a walk");
    std::vector<FileExtent> extents = extentsOf(screen);
    for (std::size_t i = 0; i < files.size(); ++i) {
        const FileRecord& file = files[i];
        const std::string where = "file " + std::to_string(i);
        if (file.blocks.empty() || file.blocks.front().block != file.start) {
            breaches.push_back(where + " does not begin at its start block");
            continue;
        }
        // The chain as the block texts tell it: each block names the next, the last "-1"; the open
        // walk's last block waits for its successor, white but for the start block.
        const bool open = !file.complete;
        for (std::size_t b = 0; b < file.blocks.size(); ++b) {
            const int block = file.blocks[b].block;
            const std::string wanted = b + 1 < file.blocks.size() ? std::to_string(file.blocks[b + 1].block)
                : open                                           ? ""
                                                                 : "-1";
            if (disk.cell(block).text != wanted)
                breaches.push_back(where + ": block " + std::to_string(block) + " shows \"" + disk.cell(block).text
                    + "\" where the chain wants \"" + wanted + "\"");
        }
        if (open && file.blocks.size() > 1)
            extents[i].blocks.pop_back();
        const std::int32_t counted = file.cutShort ? static_cast<std::int32_t>(file.blocks.size())
                                                   : std::max(file.typedLength, std::int32_t{1});
        if (file.countedLength != counted || (!open && file.blocks.size() != static_cast<std::size_t>(counted)))
            breaches.push_back(where + ": " + std::to_string(file.blocks.size()) + " blocks, counted as "
                + std::to_string(file.countedLength) + ", for a Lenght of " + std::to_string(file.typedLength));
        if (i < rows.size()) {
            const std::string end = !open && (file.typedLength >= 2 || file.cutShort)
                ? std::to_string(file.blocks.back().block)
                : "";
            const std::vector<std::string> shown{file.name, std::to_string(*file.start),
                std::to_string(file.cutShort ? file.countedLength : file.typedLength), end};
            if (rows[i].cells != shown || rows[i].colour != file.colour)
                breaches.push_back(where + ": its directory row shows something else");
        }
    }
    for (auto& breach : checkBlockOwnership(disk, extents))
        breaches.push_back(std::move(breach));
    if (!walking && screen.usedTotal() != disk.usedCount())
        breaches.push_back("the directory accounts for " + std::to_string(screen.usedTotal()) + " blocks, the disk has "
            + std::to_string(disk.usedCount()) + " coloured");
    const std::string usage(LinkedScreen::USAGE_CAPTION);
    const std::string& label = form.caption(Control::lbCurTotal);
    if (label != usage && label != usage + std::to_string(screen.usedTotal()))
        breaches.push_back("\"" + label + "\" while the directory accounts for " + std::to_string(screen.usedTotal())
            + " blocks");
    return breaches;
}
