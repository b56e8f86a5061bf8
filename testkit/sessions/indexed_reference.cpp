#include "sessions/indexed_reference.h"

#include "sessions/reference_number.h"

namespace {

constexpr float DIRECTORY_WIDTH = 4455.0F;
constexpr float INDEX_WIDTH = 2535.0F;

// A directory cell as a whole number, -1 when it is none.
std::int64_t cellNumber(const std::string& text)
{
    const auto value = reference::roundedValue(text);
    return value && text.find_first_not_of("-0123456789") == std::string::npos ? *value : -1;
}

}  // namespace

IndexedReference::IndexedReference(RandomStream& stream, Scheme scheme)
    : ReferenceScreen(stream, {Control::txFile, Control::txLenght}), m_scheme(scheme)
{
    load();
}

int IndexedReference::entry(std::int64_t file, int ordinal, int slot) const
{
    const auto it = m_table.find({file, ordinal, slot});
    return it == m_table.end() ? -1 : it->second;
}

// RandomBlock until a block comes up that no entry of the table holds.
int IndexedReference::drawBlock()
{
    for (;;) {
        const int block = draw(64);
        bool held = false;
        for (const auto& [where, b] : m_table)
            held = held || b == block;
        if (!held)
            return block;
    }
}

void IndexedReference::load()
{
    resetDisk(true);
    m_textColour.fill(std::nullopt);
    emptyFields();
    m_rows.clear();
    m_indexCaption = "Index";
    m_indexWidth = percentOf(INDEX_WIDTH, 97);
    m_indexRows.clear();
    m_placing = false;
    m_table.clear();
    m_lbUsage = "Current Usage Block =";
    m_label4 = "Label4";
}

void IndexedReference::refreshUsage() { m_lbUsage = "Current Usage Blocks =" + std::to_string(usedBlocks()); }

bool IndexedReference::canTakeFocus(Control control) const { return (control == Control::cmNext) == m_placing; }

void IndexedReference::setPlacing(bool placing)
{
    m_placing = placing;
    if (placing) {
        emptyFields();
        focus(Control::cmNext);
    } else {
        focus(Control::txFile);
    }
    refreshUsage();
}

void IndexedReference::enter(Control field)
{
    if (field == Control::txFile)
        m_fileName = m_fields[Control::txFile];
    ReferenceScreen::enter(field);
}

void IndexedReference::place(int block, int ordinal, int slot, int traced, const std::string& text)
{
    const std::int64_t file = m_fileCount - 1;
    m_table[{file, ordinal, slot}] = block;
    m_label4 += "(" + std::to_string(file) + "," + std::to_string(traced) + "," + std::to_string(slot)
        + ") = " + std::to_string(block);
    if (m_scheme == Scheme::Multilevel)
        m_textColour[static_cast<std::size_t>(block)]
            = static_cast<ColourValue>((255 - m_red) + 256 * (255 - m_green) + 65536 * (255 - m_blue));
    m_text[static_cast<std::size_t>(block)] = text;
    m_colour[static_cast<std::size_t>(block)] = colour();
}

void IndexedReference::add()
{
    if (m_placing || !drawColourAndCheckFields())
        return;
    const std::int64_t length = *reference::roundedValue(m_fields[Control::txLenght]);
    if (m_fileCount >= 32767) {
        m_shown.push_back(
            {"Every file number is in use; Clear starts them again", "No File Number Left", MessageIcon::Critical});
        return;
    }
    ++m_fileCount;
    const std::int64_t count = blockCount(length);
    if (length < -32768 || length > 32767 || count < -32768 || count > 32767) {
        m_shown.push_back(error("Lenght Overloaded", "Lenght Overloaded"));
        return;
    }
    m_fileLength = length;
    m_totalBlocks = count;
    m_blocksToGo = count;
    if (usedBlocks() + blocksNeeded(length, count) > 64) {
        m_shown.push_back(error("Lenght Overloaded", "Lenght Overloaded"));
        return;
    }
    if (m_scheme == Scheme::Multilevel) {
        // Add places the first-level index block in its own colour, with the file's first row.
        const std::int64_t secondLevel = length / 8 + (length % 8 != 0 ? 1 : 0);
        const int block = drawBlock();
        m_rows.push_back({{std::to_string(m_fileCount - 1), "0", m_fileName + ".Firs Level", std::to_string(block),
                              std::to_string(secondLevel)},
            colour()});
        place(block, 0, 0, 0, "1st");
    }
    setPlacing(true);
}

void IndexedReference::next()
{
    if (!m_placing)
        return;
    if (!placesABlock()) {
        setPlacing(false);
        return;
    }
    const int block = drawBlock();
    const Step at = step();
    if (at.row) {
        // Each group starts a colour of its own, drawn after its block.
        drawColour();
        m_rows.push_back({{std::to_string(m_fileCount - 1), (*at.row)[0], m_fileName + (*at.row)[1],
                              std::to_string(block), (*at.row)[2]},
            colour()});
    }
    place(block, at.ordinal, at.slot, at.traced, std::to_string(at.slot));
    refreshUsage();
    --m_blocksToGo;
}

void IndexedReference::clear()
{
    if (m_placing)
        return;
    m_table.clear();
    resetDisk(true);
    m_rows.clear();
    m_indexCaption = "Index";
    m_indexWidth = percentOf(INDEX_WIDTH, 97);
    m_indexRows.clear();
    m_fileCount = 0;
    emptyFields();
    refreshUsage();
}

void IndexedReference::clickRow(int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= m_rows.size())
        return;
    const std::int64_t file = cellNumber(m_rows[static_cast<std::size_t>(row)].cells[0]);
    const std::int64_t ordinal = cellNumber(m_rows[static_cast<std::size_t>(row)].cells[1]);
    const int group = ordinal < 0 || ordinal > 8 ? -1 : static_cast<int>(ordinal);
    m_indexCaption = "BLock Index  " + std::to_string(entry(file, group, 0));
    m_indexWidth = percentOf(INDEX_WIDTH, 95);
    m_indexRows = view(file, group);
}

// The linked index scheme: L + ceil(L / 7) blocks, an index block heading every group of eight.
// The multilevel index scheme: T = trunc(L / 8) + L steps after the first-level block, which Add
// places; a second-level block heading every group of nine.
std::int64_t IndexedReference::blockCount(std::int64_t length) const
{
    if (m_scheme == Scheme::Linked)
        return length / 7 + length + (length % 7 != 0 ? 1 : 0);
    return length / 8 + length;
}

std::int64_t IndexedReference::blocksNeeded(std::int64_t length, std::int64_t count) const
{
    if (m_scheme == Scheme::Linked)
        return count;
    return length >= 1 ? 1 + (length / 8 + (length % 8 != 0 ? 1 : 0)) + length : 1;
}

// Whether this press of Next places a block; otherwise it ends the placement. A count below 0 ends
// at the first press on both schemes.
bool IndexedReference::placesABlock() const
{
    if (m_scheme == Scheme::Linked)
        return m_blocksToGo > 0;
    return (m_totalBlocks % 9 != 0 || m_blocksToGo != 0) && m_blocksToGo >= 0;
}

IndexedReference::Step IndexedReference::step() const
{
    const std::int64_t n = m_totalBlocks - m_blocksToGo;
    const std::int64_t toGo = m_blocksToGo;
    Step at;
    if (m_scheme == Scheme::Linked) {
        at.ordinal = static_cast<int>(n / 8);
        at.slot = static_cast<int>(n % 8);
        at.traced = at.ordinal;
        if (at.slot == 0)
            at.row = {{std::to_string(at.ordinal), "." + std::to_string((m_fileLength - toGo) / 7 + 1),
                toGo > 7 ? "7" : std::to_string(toGo - 1)}};
    } else {
        at.ordinal = static_cast<int>(n / 9 + 1);
        at.slot = static_cast<int>(n % 9);
        at.traced = static_cast<int>(n / 9);
        if (at.slot == 0)
            at.row = {{std::to_string(at.ordinal), "." + std::to_string((m_fileLength - toGo) / 8 + 1),
                toGo > 8 ? "8" : std::to_string(toGo)}};
    }
    return at;
}

std::vector<std::string> IndexedReference::view(std::int64_t file, int ordinal) const
{
    std::vector<std::string> entries;
    if (m_scheme == Scheme::Linked) {
        for (int k = 1; k <= 7; ++k)
            entries.push_back(std::to_string(entry(file, ordinal, k)));
        entries.push_back(std::to_string(entry(file, ordinal < 0 ? -1 : ordinal + 1, 0)) + " is the Next Index ");
    } else {
        for (int k = 1; k <= 8; ++k)
            entries.push_back(std::to_string(ordinal == 0 ? entry(file, k, 0) : entry(file, ordinal, k)));
    }
    return entries;
}

void IndexedReference::observeMore(Observed& o) const
{
    o.variables["fileCount"] = std::to_string(m_fileCount);
    Observed::List& directory = o.lists[Control::lvDirectory];
    directory.reportView = true;
    for (const auto& [caption, percent] :
        {std::pair{"F", 7}, {"I", 7}, {"File", 35}, {"Block Index", 30}, {"Blocks", 19}})
        directory.columns.push_back({caption, percentOf(DIRECTORY_WIDTH, percent)});
    for (const Row& r : m_rows)
        directory.rows.push_back({r.cells, r.colour});
    Observed::List& index = o.lists[Control::lvIndex];
    index.reportView = true;
    index.columns.push_back({m_indexCaption, m_indexWidth});
    for (const std::string& e : m_indexRows)
        index.rows.push_back({{e}, std::nullopt});
    o.labels = {{"lbUsage", m_lbUsage}, {"Label4", m_label4}};
    for (const Control c : {Control::txFile, Control::txLenght, Control::cmAdd, Control::cmClear}) {
        o.enabled[c] = !m_placing;
        o.visible[c] = true;
    }
    o.enabled[Control::cmNext] = m_placing;
    o.visible[Control::cmNext] = m_placing;
    for (const Control c : {Control::lvDirectory, Control::lvIndex}) {
        o.enabled[c] = true;
        o.visible[c] = true;
    }
}
