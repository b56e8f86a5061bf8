#include "linked/linked_screen.h"

#include "core/number_reading.h"

#include <algorithm>
#include <string>

namespace {

constexpr std::int32_t LOWEST_LENGTH = -32768;  // the length field holds 16 bits
constexpr std::size_t LENGHT_COLUMN = 2;
constexpr std::size_t END_COLUMN = 3;

}  // namespace

void LinkedScreen::load()
{
    Form& f = startLoad({BlockDisk{}, EntryForm{{Control::txFile, Control::txStart, Control::txLenght}},
                            {{Control::lvDirectory, ReportList{DIRECTORY_WIDTH}}},
                            // As designed: the usage shows no number until the first Add or Clear.
                            {{Control::lbCurTotal, std::string(USAGE_CAPTION)}, {Control::lbToGo, "Blocks to Go"}}})
                  .form;
    f.disk.reset();
    f.fields.clearFields();
    m_walk.fileLength = 0;
    setWalking(false);
    ReportList& directory = f.list(Control::lvDirectory);
    directory.addColumns({{"File", 30}, {"Start", 21}, {"Lenght", 25}, {"End", 21}});
    directory.clearRows();
}

std::int32_t LinkedScreen::usedTotal() const
{
    std::int32_t total = 0;
    for (const FileRecord& file : files())
        total += file.countedLength;
    return total;
}

void LinkedScreen::setWalking(bool walking)
{
    Loaded& l = loaded();
    l.mode = walking ? Mode::Walking : Mode::Idle;
    EntryForm& fields = l.form.fields;
    for (const Control c : {Control::cmNext, Control::lbToGo}) {
        fields.setEnabled(c, walking);
        fields.setVisible(c, walking);
    }
    fields.setEnabled(Control::cmAdd, !walking);
}

void LinkedScreen::addFile(MessageSink& sink)
{
    if (!isLoaded() || mode() == Mode::Walking)
        return;
    Loaded& l = loaded();
    Form& f = l.form;
    const auto start = m_entry.openAddWithStart(m_share, f.fields, sink);
    if (!start)
        return;
    if (takenBlocks()[static_cast<std::size_t>(*start)]) {
        sink.show(messages::writeDenied());
        return;
    }
    const std::string& lengthText = f.fields.text(Control::txLenght);
    m_walk.fileLength = readNumber(lengthText).value_or(0);
    // The sum is shown as typed, however large; a length too long to write out is refused as one
    // below the field's range is.
    const auto exactLength = roundedDecimal(lengthText);
    if (m_walk.fileLength < LOWEST_LENGTH || !exactLength) {
        sink.show(messages::lenghtOverloaded());
        return;
    }
    // A file listed with a length below 1 still takes its start block, so it counts as one.
    const std::int32_t counted = std::max(m_walk.fileLength, std::int32_t{1});
    const std::int32_t used = usedTotal();
    const std::int64_t total = std::int64_t{counted} + used;
    if (total > BlockDisk::BLOCKS) {
        sink.show(messages::spaceNotEnough(
            m_walk.fileLength >= 1 ? addToDecimal(*exactLength, static_cast<unsigned>(used)) : std::to_string(total)));
        return;
    }
    f.captions[Control::lbCurTotal] = withNumber(USAGE_CAPTION, total);

    const ColourValue colour = m_entry.currentColour.packed();
    f.disk.paint(*start, colour);
    ReportList& directory = f.list(Control::lvDirectory);
    directory.setColumnPercent(END_COLUMN, directory.rowCount() > 8 ? 13 : 21);
    const std::string& name = f.fields.text(Control::txFile);
    directory.appendRow({{name, std::to_string(*start), std::to_string(m_walk.fileLength), ""}, colour});
    FileRecord& file = l.files.emplace_back();
    file.name = name;
    file.colour = colour;
    file.start = *start;
    file.typedLength = m_walk.fileLength;
    file.countedLength = counted;
    file.blocks = {{*start, BlockRole::Data}};
    f.fields.clearFields();
    if (m_walk.fileLength < 2) {
        f.disk.setText(*start, "-1");
        f.fields.moveFocus(Control::txFile);
        return;
    }
    setWalking(true);
    file.complete = false;
    f.captions[Control::lbToGo] = withNumber(TO_GO_CAPTION, m_walk.fileLength);
    f.fields.moveFocus(Control::cmNext);
    m_walk.curBlock = *start;
    --m_walk.fileLength;
}

void LinkedScreen::nextBlock(MessageSink& sink)
{
    if (mode() != Mode::Walking)
        return;
    Loaded& l = loaded();
    Form& f = l.form;
    FileRecord& file = l.files.back();
    if (m_walk.fileLength == 0) {
        closeChain();
        return;
    }
    // The block just drawn is the file's already, though it is painted only when the next is drawn.
    const std::vector<bool> taken = takenBlocks();
    const auto drawn = m_share.drawBlockWhere([&taken](int b) { return !taken[static_cast<std::size_t>(b)]; });
    if (!drawn) {
        // Only a disk that holds more than the directory accounts for gets here. The file keeps the
        // blocks it has, and its row says how many.
        file.countedLength = static_cast<std::int32_t>(file.blocks.size());
        file.cutShort = true;
        f.list(Control::lvDirectory).setCell(l.files.size() - 1, LENGHT_COLUMN, std::to_string(file.countedLength));
        m_walk.fileLength = 0;
        f.captions[Control::lbCurTotal] = withNumber(USAGE_CAPTION, usedTotal());
        closeChain();
        sink.show(messages::chainCutShort(m_walk.curBlock));
        return;
    }
    m_walk.nextBlock = *drawn;
    f.disk.setText(m_walk.curBlock, std::to_string(m_walk.nextBlock));
    f.disk.paint(m_walk.curBlock, m_entry.currentColour.packed());
    file.blocks.push_back({m_walk.nextBlock, BlockRole::Data});
    m_walk.curBlock = m_walk.nextBlock;
    f.captions[Control::lbToGo] = withNumber(TO_GO_CAPTION, m_walk.fileLength);
    --m_walk.fileLength;
}

void LinkedScreen::closeChain()
{
    Loaded& l = loaded();
    Form& f = l.form;
    setWalking(false);
    f.disk.setText(m_walk.curBlock, "-1");
    f.disk.paint(m_walk.curBlock, m_entry.currentColour.packed());
    f.list(Control::lvDirectory).setCell(l.files.size() - 1, END_COLUMN, std::to_string(m_walk.curBlock));
    l.files.back().complete = true;
    f.fields.moveFocus(Control::txFile);
}

void LinkedScreen::clear()
{
    if (!isLoaded())
        return;
    Loaded& l = loaded();
    Form& f = l.form;
    f.disk.reset();
    f.disk.clearTexts();
    f.fields.clearFields();
    setWalking(false);
    f.fields.moveFocus(Control::txFile);
    f.list(Control::lvDirectory).clearRows();
    l.files.clear();
    m_walk.fileLength = 0;
    m_walk.curBlock = 0;
    m_walk.nextBlock = 0;
    f.captions[Control::lbCurTotal] = withNumber(USAGE_CAPTION, usedTotal());
}

std::optional<std::vector<int>> LinkedScreen::readPath(const FileRecord& file, int k) const
{
    if (k < 0 || k >= static_cast<int>(file.blocks.size()))
        return std::nullopt;
    std::vector<int> path;
    for (int i = 0; i <= k; ++i)
        path.push_back(file.blocks[static_cast<std::size_t>(i)].block);
    return path;
}
