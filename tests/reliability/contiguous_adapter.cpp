#include "reliability/screen_adapter.h"

#include "reliability/invariants.h"
#include "reliability/model_observation.h"

Observed observeScreen(const ContiguousAllocator& screen)
{
    Observed o;
    o.loaded = screen.isLoaded();
    o.variables["currentColour"] = describeFileColour(screen.currentColour());
    if (!o.loaded)
        return o;
    const ContiguousForm& form = screen.form();
    o.disk = observeDisk(form.disk);
    o.lists[Control::lvDirectory] = observeList(form.directory.list());
    observeForm(form.fields,
        {Control::txFile, Control::txStart, Control::txLenght, Control::cmAdd, Control::cmClear, Control::lvDirectory},
        o);
    return o;
}

const Vocabulary& contiguousVocabulary()
{
    static const Vocabulary vocabulary = vocabularyOf(
        {nameField(), numberField(Control::txStart), numberField(Control::txLenght)},
        {{Control::cmAdd, 12}, {Control::cmClear, 1}}, {.type = 60, .enter = 8, .click = 30, .row = 0, .reload = 1});
    return vocabulary;
}

std::vector<std::string> screenInvariants(const ContiguousAllocator& screen)
{
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
