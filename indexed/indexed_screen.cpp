#include "indexed/indexed_screen.h"

#include "core/number_reading.h"

#include <array>
#include <charconv>
#include <utility>

namespace {

constexpr std::array<std::pair<const char*, int>, 5> DIRECTORY_COLUMNS{
    {{"F", 7}, {"I", 7}, {"File", 35}, {"Block Index", 30}, {"Blocks", 19}}};

// A directory cell as the number it shows; -1, which names no entry, when it shows none.
int readCell(const std::vector<std::string>& cells, std::size_t column)
{
    int value = -1;
    if (column < cells.size()) {
        const std::string& text = cells[column];
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc{} || end != text.data() + text.size())
            value = -1;
    }
    return value;
}

ColourValue complementOf(const FileColour& c) { return packColour(255 - c.R, 255 - c.G, 255 - c.B); }

}  // namespace

IndexedScreen::IndexedScreen(Share& share, std::unique_ptr<IndexScheme> scheme)
    : MethodScreen(share), m_scheme(std::move(scheme))
{
}

bool IndexedScreen::isEnabled(Control control) const { return isLoaded() && form().fields.isEnabled(control); }

bool IndexedScreen::isPlacing() const { return isEnabled(Control::cmNext); }

void IndexedScreen::load()
{
    Form& f = buildForm();
    f.disk.reset();
    clearFields();
    f.lvDirectory.setReportView();
    for (const auto& [caption, percent] : DIRECTORY_COLUMNS)
        f.lvDirectory.addColumn(caption, f.lvDirectory.percentOfWidth(percent));
    f.lvDirectory.clearRows();
    f.lvIndex.setReportView();
    addIndexColumn();
    f.lvIndex.clearRows();
    f.fields.setEnabled(Control::cmNext, false);
    f.fields.setVisible(Control::cmNext, false);
    m_scheme->resetIndexTable();
    f.Label4.visible = false;
}

void IndexedScreen::addIndexColumn() { form().lvIndex.addColumn("Index", form().lvIndex.percentOfWidth(97)); }

void IndexedScreen::enterPressed(Control field, MessageSink& sink)
{
    if (isLoaded() && field == Control::txFile)
        m_state.fileName = form().fields.text(Control::txFile);
    MethodScreen::enterPressed(field, sink);
}

void IndexedScreen::addFile(MessageSink& sink)
{
    if (!isEnabled(Control::cmAdd) || !drawColourAndCheckFields(sink))
        return;
    const std::int32_t length = readNumber(form().fields.text(Control::txLenght)).value_or(0);
    if (m_state.fileCount >= MAX_FILE_COUNT) {
        sink.show(FILE_NUMBERS_USED_UP);
        return;
    }
    // From here on a refused file keeps its number, so that no later file gets it.
    ++m_state.fileCount;
    const Reservation file = fitsInt16(length) ? m_scheme->add(length) : Reservation{};
    if (!fitsInt16(length) || !fitsInt16(file.totalBlocks)) {
        sink.show(messages::LENGHT_OVERLOADED);
        return;
    }
    m_state.fileLength = length;
    m_state.totalBlocks = file.totalBlocks;
    m_state.blocksToGo = file.totalBlocks;
    if (form().disk.usedCount() + file.blocksNeeded > BlockDisk::BLOCKS) {
        sink.show(messages::LENGHT_OVERLOADED);
        return;
    }
    if (file.firstBlock && !place(*file.firstBlock)) {
        sink.show(messages::LENGHT_OVERLOADED);
        return;
    }
    setPlacing(true);
}

void IndexedScreen::nextBlock(MessageSink& sink)
{
    if (!isPlacing())
        return;
    const auto at = m_scheme->nextBlock(m_state);
    if (!at) {
        setPlacing(false);
        return;
    }
    if (!place(*at)) {
        // The space check of Add rules this out; should it ever fail, the file ends where it stands.
        setPlacing(false);
        sink.show(messages::LENGHT_OVERLOADED);
        return;
    }
    refreshUsage();
    --m_state.blocksToGo;
}

bool IndexedScreen::place(const Placement& at)
{
    const auto block = m_scheme->drawFreeBlock(m_share);
    if (!block)
        return false;
    Form& f = form();
    m_state.currentBlock = *block;
    const std::int32_t file = m_state.fileCount - 1;
    if (at.newColour)
        m_currentColour = m_share.drawFileColour();
    if (at.row) {
        f.lvDirectory.appendRow({{std::to_string(file), at.row->index, m_state.fileName + at.row->fileSuffix,
                                     std::to_string(*block), at.row->blocks},
            m_currentColour.packed()});
    }
    m_scheme->record(file, at, *block);
    f.Label4.caption += withNumber("(", file) + withNumber(",", at.tracedOrdinal) + withNumber(",", at.slot)
        + withNumber(") = ", *block);
    if (m_scheme->complementaryText())
        f.disk.setTextColour(*block, complementOf(m_currentColour));
    f.disk.setText(*block, at.text);
    f.disk.paint(*block, m_currentColour.packed());
    return true;
}

void IndexedScreen::clear()
{
    if (!isEnabled(Control::cmClear))
        return;
    Form& f = form();
    m_scheme->resetIndexTable();
    f.disk.reset();
    f.disk.clearTexts();
    f.lvDirectory.clearRows();
    f.lvIndex.removeColumn(0);
    addIndexColumn();
    f.lvIndex.clearRows();
    m_state.fileCount = 0;
    clearFields();
    // Otherwise the label would go on showing the count from before.
    refreshUsage();
}

void IndexedScreen::showIndex(std::size_t row)
{
    if (!isLoaded() || row >= form().lvDirectory.rowCount())
        return;
    Form& f = form();
    const auto& cells = f.lvDirectory.rows()[row].cells;
    const IndexView view = m_scheme->indexView(readCell(cells, 0), readCell(cells, 1));
    f.lvIndex.setReportView();
    f.lvIndex.removeColumn(0);
    f.lvIndex.addColumn(view.header, f.lvIndex.percentOfWidth(95));
    f.lvIndex.clearRows();
    for (const std::string& entry : view.entries)
        f.lvIndex.appendRow({{entry}, std::nullopt});
}

void IndexedScreen::refreshUsage() { form().lbUsage = withNumber("Current Usage Blocks =", form().disk.usedCount()); }

void IndexedScreen::setPlacing(bool placing)
{
    EntryForm& fields = form().fields;
    if (placing)
        clearFields();
    fields.setEnabled(Control::cmNext, placing);
    fields.setVisible(Control::cmNext, placing);
    for (const Control c : {Control::cmAdd, Control::cmClear, Control::txLenght, Control::txFile})
        fields.setEnabled(c, !placing);
    fields.moveFocus(placing ? Control::cmNext : Control::txFile);
    refreshUsage();
}
