#include "sessions/screen_adapter.h"

#include "sessions/invariants.h"
#include "sessions/model_observation.h"

Observed observeScreen(const ContiguousScreen& screen)
{
    return observeLoadedScreen(screen,
        {Control::txFile, Control::txStart, Control::txLenght, Control::cmAdd, Control::cmClear, Control::lvDirectory});
}

const Vocabulary& contiguousVocabulary()
{
    static const Vocabulary vocabulary = vocabularyOf(
        {nameField(), numberField(Control::txStart), numberField(Control::txLenght)},
        {{Control::cmAdd, 36}, {Control::cmClear, 1}}, {.type = 60, .enter = 8, .click = 30, .row = 0, .reload = 1, .back = 1, .restart = 1});
    return vocabulary;
}

std::vector<std::string> screenInvariants(const ContiguousScreen& screen)
{
    std::vector<std::string> breaches;
    const Form& form = screen.form();
    const ReportList& list = form.list(Control::lvDirectory);
    if (list.columns().size() != 3)
        breaches.push_back("the directory has " + std::to_string(list.columns().size()) + " columns");
    const auto& files = screen.files();
    if (list.rows().size() != files.size())
        breaches.push_back(std::to_string(list.rows().size()) + " directory rows for " + std::to_string(files.size())
            + " files");
    for (std::size_t i = 0; i < files.size(); ++i) {
        const FileRecord& file = files[i];
        const std::string where = "file " + std::to_string(i);
        const std::vector<std::string> shown{file.name, std::to_string(file.start.value_or(-1)),
            std::to_string(file.typedLength)};
        if (i < list.rows().size() && (list.rows()[i].cells != shown || list.rows()[i].colour != file.colour))
            breaches.push_back(where + ": its directory row shows something else");
        const auto wanted = static_cast<std::size_t>(std::max(file.typedLength, 0));
        bool run = file.blocks.size() == wanted && file.countedLength == static_cast<int>(wanted) && file.complete;
        for (std::size_t b = 0; run && b < file.blocks.size(); ++b)
            run = file.blocks[b] == HeldBlock{*file.start + static_cast<int>(b), BlockRole::Data};
        if (!run)
            breaches.push_back(where + ": its blocks are not the run from its start for its length");
    }
    for (auto& breach : checkBlockOwnership(form.disk, extentsOf(screen)))
        breaches.push_back(std::move(breach));
    return breaches;
}
