#include "indexed/indexed_screen.h"

#include "core/number_reading.h"

#include <algorithm>
#include <string>
#include <utility>

namespace {

ColourValue complementOf(const FileColour& c) { return packColour(255 - c.R, 255 - c.G, 255 - c.B); }

bool isIndexBlock(const HeldBlock& b) { return b.role != BlockRole::Data; }

}  // namespace

IndexedScreen::IndexedScreen(Share& share, std::unique_ptr<IndexScheme> scheme)
    : Screen(scheme->screen(), share), m_scheme(std::move(scheme))
{
}

void IndexedScreen::load()
{
    Form& f = startLoad({BlockDisk{}, EntryForm{{Control::txFile, Control::txLenght}},
                            {{Control::lvDirectory, ReportList{DIRECTORY_WIDTH}},
                                {Control::lvIndex, ReportList{INDEX_WIDTH}}},
                            {{Control::lbUsage, "Current Usage Block ="}, {Control::Label4, "Label4"}}})
                  .form;
    f.disk.reset();
    f.fields.clearFields();
    ReportList& directory = f.list(Control::lvDirectory);
    directory.addColumns({{"F", 7}, {"I", 7}, {"File", 35}, {"Block Index", 30}, {"Blocks", 19}});
    directory.clearRows();
    f.list(Control::lvIndex).addColumns({{"Index", 97}});
    f.list(Control::lvIndex).clearRows();
    f.fields.setEnabled(Control::cmNext, false);
    f.fields.setVisible(Control::cmNext, false);
    // A trace of every entry written to the index table; the label is never shown.
    f.fields.setVisible(Control::Label4, false);
}

void IndexedScreen::enterPressed(Control field, MessageSink& sink)
{
    if (!isLoaded())
        return;
    EntryForm& fields = loaded().form.fields;
    if (field == Control::txFile)
        m_state.fileName = fields.text(Control::txFile);
    m_entry.check(field, fields, sink);
}

std::int32_t IndexedScreen::takenCount() const
{
    const std::vector<bool> taken = takenBlocks();
    return static_cast<std::int32_t>(std::count(taken.begin(), taken.end(), true));
}

void IndexedScreen::addFile(MessageSink& sink)
{
    if (!isLoaded() || mode() == Mode::Placing)
        return;
    Loaded& l = loaded();
    Form& f = l.form;
    const bool passed = m_entry.openAdd(m_share, f.fields, sink);
    // The file-name check keeps the name, whatever the checks found.
    m_state.fileName = f.fields.text(Control::txFile);
    if (!passed)
        return;
    const std::int32_t length = readNumber(f.fields.text(Control::txLenght)).value_or(0);
    if (m_state.fileCount >= MAX_FILE_COUNT) {
        sink.show(messages::fileNumbersUsedUp());
        return;
    }
    // From here on a refused file keeps its number, so that no later file gets it.
    ++m_state.fileCount;
    const Reservation file = fitsInt16(length) ? m_scheme->add(length) : Reservation{};
    if (!fitsInt16(length) || !fitsInt16(file.totalBlocks)) {
        sink.show(messages::lenghtOverloaded());
        return;
    }
    m_state.fileLength = length;
    m_state.totalBlocks = file.totalBlocks;
    m_state.blocksToGo = file.totalBlocks;
    if (takenCount() + file.blocksNeeded > BlockDisk::BLOCKS) {
        sink.show(messages::lenghtOverloaded());
        return;
    }
    FileRecord& added = l.files.emplace_back();
    added.name = m_state.fileName;
    added.colour = m_entry.currentColour.packed();
    added.number = m_state.fileCount - 1;
    added.typedLength = length;
    added.countedLength = std::max(length, 0);
    added.complete = false;
    if (file.firstBlock && !place(*file.firstBlock)) {
        l.files.pop_back();
        sink.show(messages::lenghtOverloaded());
        return;
    }
    setPlacing(true);
}

void IndexedScreen::nextBlock(MessageSink& sink)
{
    if (mode() != Mode::Placing)
        return;
    const auto at = m_scheme->nextBlock(m_state);
    if (!at) {
        loaded().files.back().complete = true;
        setPlacing(false);
        return;
    }
    if (!place(*at)) {
        // The space check of Add rules this out; should it ever fail, the file ends where it stands.
        loaded().files.back().complete = true;
        setPlacing(false);
        sink.show(messages::lenghtOverloaded());
        return;
    }
    refreshUsage();
    --m_state.blocksToGo;
}

bool IndexedScreen::place(const Placement& at)
{
    const std::vector<bool> taken = takenBlocks();
    const auto block = m_share.drawBlockWhere([&taken](int b) { return !taken[static_cast<std::size_t>(b)]; });
    if (!block)
        return false;
    Loaded& l = loaded();
    Form& f = l.form;
    FileRecord& file = l.files.back();
    m_state.currentBlock = *block;
    const std::int32_t number = m_state.fileCount - 1;
    if (at.newColour)
        m_entry.currentColour = m_share.drawFileColour();
    const ColourValue colour = m_entry.currentColour.packed();
    if (at.row) {
        f.list(Control::lvDirectory)
            .appendRow({{std::to_string(number), at.row->index, m_state.fileName + at.row->fileSuffix,
                           std::to_string(*block), at.row->blocks},
                colour});
    }
    if (file.blocks.empty())
        file.colour = colour;
    file.blocks.push_back({*block, at.role});
    f.captions[Control::Label4] += withNumber("(", number) + withNumber(",", at.tracedOrdinal)
        + withNumber(",", at.slot) + withNumber(") = ", *block);
    if (m_scheme->complementaryText())
        f.disk.setTextColour(*block, complementOf(m_entry.currentColour));
    f.disk.setText(*block, at.text);
    f.disk.paint(*block, colour);
    return true;
}

void IndexedScreen::clear()
{
    if (!isLoaded() || mode() == Mode::Placing)
        return;
    Loaded& l = loaded();
    Form& f = l.form;
    l.files.clear();
    f.disk.reset();
    f.disk.clearTexts();
    f.list(Control::lvDirectory).clearRows();
    resetIndexList();
    m_state.fileCount = 0;
    f.fields.clearFields();
    // Otherwise the label would go on showing the count from before.
    refreshUsage();
}

void IndexedScreen::resetIndexList()
{
    ReportList& index = loaded().form.list(Control::lvIndex);
    index.removeColumn(0);
    index.addColumn("Index", index.percentOfWidth(97));
    index.clearRows();
}

void IndexedScreen::clickRow(std::size_t row)
{
    if (!isLoaded())
        return;
    // Rows are listed in the order their index blocks were placed, file after file.
    for (const FileRecord& file : files()) {
        int ordinal = 0;
        for (const HeldBlock& b : file.blocks) {
            if (!isIndexBlock(b))
                continue;
            if (row-- == 0) {
                const IndexView view = m_scheme->indexView(file, ordinal);
                ReportList& index = loaded().form.list(Control::lvIndex);
                index.setReportView();
                index.removeColumn(0);
                index.addColumn(view.header, index.percentOfWidth(95));
                index.clearRows();
                for (const std::string& entry : view.entries)
                    index.appendRow({{entry}, std::nullopt});
                return;
            }
            ++ordinal;
        }
    }
}

void IndexedScreen::refreshUsage()
{
    Form& f = loaded().form;
    f.captions[Control::lbUsage] = withNumber("Current Usage Blocks =", takenCount());
}

void IndexedScreen::setPlacing(bool placing)
{
    Loaded& l = loaded();
    l.mode = placing ? Mode::Placing : Mode::Idle;
    EntryForm& fields = l.form.fields;
    if (placing)
        fields.clearFields();
    fields.setEnabled(Control::cmNext, placing);
    fields.setVisible(Control::cmNext, placing);
    for (const Control c : {Control::cmAdd, Control::cmClear, Control::txLenght, Control::txFile})
        fields.setEnabled(c, !placing);
    fields.moveFocus(placing ? Control::cmNext : Control::txFile);
    refreshUsage();
}
