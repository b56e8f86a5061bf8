#include "contiguous/contiguous_screen.h"

#include "core/number_reading.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr int LAST_BLOCK = BlockDisk::BLOCKS - 1;
constexpr std::size_t LENGHT_COLUMN = 2;

}  // namespace

void ContiguousScreen::load()
{
    Form& f = startLoad({BlockDisk{}, EntryForm{{Control::txFile, Control::txStart, Control::txLenght}},
                            {{Control::lvDirectory, ReportList{DIRECTORY_WIDTH}}}, {}})
                  .form;
    f.disk.reset();
    f.fields.clearFields();
    ReportList& directory = f.list(Control::lvDirectory);
    directory.addColumns({{"File", 40}, {"Start", 29}, {"Lenght", 29}});
    directory.clearRows();
}

void ContiguousScreen::addFile(MessageSink& sink)
{
    if (!isLoaded())
        return;
    Loaded& l = loaded();
    Form& f = l.form;
    const auto start = m_entry.openAddWithStart(m_share, f.fields, sink);
    if (!start)
        return;
    const std::int32_t length = readNumber(f.fields.text(Control::txLenght)).value_or(0);
    // The length field holds 16 bits: a value below its range is refused like one above it.
    const std::int64_t end = std::int64_t{*start} + length - 1;
    if (end > LAST_BLOCK || !fitsInt16(length)) {
        sink.show(messages::lenghtOverloaded());
        return;
    }
    const std::vector<bool> taken = takenBlocks();
    for (int b = *start; b <= end; ++b) {
        if (taken[static_cast<std::size_t>(b)]) {
            sink.show(messages::writeDenied());
            return;
        }
    }
    const ColourValue colour = m_entry.currentColour.packed();
    FileRecord file;
    file.name = f.fields.text(Control::txFile);
    file.colour = colour;
    file.start = *start;
    file.typedLength = length;
    file.countedLength = std::max(length, 0);
    for (int b = *start; b <= end; ++b) {
        f.disk.paint(b, colour);
        file.blocks.push_back({b, BlockRole::Data});
    }

    ReportList& directory = f.list(Control::lvDirectory);
    // With eight rows listed, a scroll bar is about to appear: the ninth row narrows "Lenght".
    directory.setColumnPercent(LENGHT_COLUMN, directory.rowCount() == 8 ? 21 : 29);
    directory.appendRow({{file.name, std::to_string(*start), std::to_string(length)}, colour});
    l.files.push_back(std::move(file));
    f.fields.clearFields();
    f.fields.moveFocus(Control::txFile);
}

void ContiguousScreen::clear()
{
    if (!isLoaded())
        return;
    Loaded& l = loaded();
    l.form.disk.reset();
    l.form.fields.clearFields();
    l.form.list(Control::lvDirectory).clearRows();
    l.files.clear();
}

std::optional<std::vector<int>> ContiguousScreen::readPath(const FileRecord& file, int k) const
{
    if (k < 0 || k >= static_cast<int>(file.blocks.size()))
        return std::nullopt;
    return std::vector<int>{file.blocks[static_cast<std::size_t>(k)].block};
}
