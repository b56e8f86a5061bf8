#include "sessions/linked_reference.h"

#include "sessions/reference_number.h"

#include <algorithm>

namespace {

const std::string USAGE = "Current Block Usage =";
const std::string TO_GO = "Blocks to Go =";

}  // namespace

LinkedReference::LinkedReference(RandomStream& stream) : ReferenceScreen(stream, WITH_START) { load(); }

void LinkedReference::load()
{
    resetDisk(true);
    emptyFields();
    m_fileLength = 0;
    m_walking = false;
    m_widths = {percentOf(FILE_LIST_WIDTH, 30), percentOf(FILE_LIST_WIDTH, 21), percentOf(FILE_LIST_WIDTH, 25),
        percentOf(FILE_LIST_WIDTH, 21)};
    m_rows.clear();
    m_lbCurTotal = USAGE;
    m_lbToGo = "Blocks to Go";
}

bool LinkedReference::canTakeFocus(Control control) const
{
    return (control != Control::cmAdd || !m_walking) && (control != Control::cmNext || m_walking);
}

// Every listed file holds at least its start block, whatever length it was given.
std::int64_t LinkedReference::usedTotal() const
{
    std::int64_t total = 0;
    for (const FileRow& r : m_rows)
        total += std::max<std::int64_t>(r.length, 1);
    return total;
}

void LinkedReference::add()
{
    if (m_walking || !drawColourAndCheckFields())
        return;

    const std::int64_t start = *reference::roundedValue(m_fields[Control::txStart]);
    if (start > 63 || start < 0) {
        m_shown.push_back(error("Start value not Allowed", "Wrong Start Value"));
        return;
    }
    if (m_colour[static_cast<std::size_t>(start)] != WHITE) {
        m_shown.push_back(error("not allow to insert", "Write Denied"));
        return;
    }
    const std::int64_t length = *reference::roundedValue(m_fields[Control::txLenght]);
    // A length too long to write out in the message is refused as one below the field's range.
    const auto written = reference::roundedMagnitudePlus(m_fields[Control::txLenght], usedTotal());
    if (length < -32768 || !written) {
        m_shown.push_back(error("Lenght Overloaded", "Lenght Overloaded"));
        return;
    }
    // The sum is shown as it is, however large the length.
    const std::int64_t total = std::max<std::int64_t>(length, 1) + usedTotal();
    if (total > 64) {
        m_shown.push_back(
            error("Space not enough.total= " + (length >= 1 ? *written : std::to_string(total)), "Write Denied"));
        return;
    }
    m_lbCurTotal = USAGE + std::to_string(total);
    m_colour[static_cast<std::size_t>(start)] = colour();
    m_widths[3] = percentOf(FILE_LIST_WIDTH, m_rows.size() > 8 ? 13 : 21);
    m_rows.push_back({m_fields[Control::txFile], static_cast<int>(start), length, "", colour()});
    emptyFields();
    if (length < 2) {
        m_text[static_cast<std::size_t>(start)] = "-1";
        focus(Control::txFile);
        return;
    }
    m_walking = true;
    m_lbToGo = TO_GO + std::to_string(length);
    focus(Control::cmNext);
    m_curBlock = static_cast<int>(start);
    m_fileLength = length - 1;
}

void LinkedReference::closeChain()
{
    m_walking = false;
    const auto last = static_cast<std::size_t>(m_curBlock);
    m_text[last] = "-1";
    m_colour[last] = colour();
    m_rows.back().end = std::to_string(m_curBlock);
    focus(Control::txFile);
}

void LinkedReference::next()
{
    if (!m_walking)
        return;
    if (m_fileLength == 0) {
        closeChain();
        return;
    }
    int candidates = 0;
    for (int b = 0; b < 64; ++b)
        candidates += b != m_curBlock && m_colour[static_cast<std::size_t>(b)] == WHITE ? 1 : 0;
    if (candidates == 0) {
        // The chain ends where it stands, and its row says how many blocks it got.
        m_rows.back().length -= m_fileLength;
        m_fileLength = 0;
        m_lbCurTotal = USAGE + std::to_string(usedTotal());
        closeChain();
        m_shown.push_back(
            error("No free block left: the chain ends at block " + std::to_string(m_curBlock), "Write Denied"));
        return;
    }
    do {
        m_nextBlock = draw(64);
    } while (m_colour[static_cast<std::size_t>(m_nextBlock)] != WHITE || m_nextBlock == m_curBlock);
    m_text[static_cast<std::size_t>(m_curBlock)] = std::to_string(m_nextBlock);
    m_colour[static_cast<std::size_t>(m_curBlock)] = colour();
    m_curBlock = m_nextBlock;
    m_lbToGo = TO_GO + std::to_string(m_fileLength);
    --m_fileLength;
}

void LinkedReference::clear()
{
    resetDisk(true);
    emptyFields();
    m_fileLength = 0;
    m_walking = false;
    focus(Control::txFile);
    m_rows.clear();
    m_curBlock = 0;
    m_nextBlock = 0;
    m_lbCurTotal = USAGE + "0";
}

void LinkedReference::observeMore(Observed& o) const
{
    o.variables["curBlock"] = std::to_string(m_curBlock);
    o.variables["nextBlock"] = std::to_string(m_nextBlock);
    Observed::List& list = o.lists[Control::lvDirectory];
    list.reportView = true;
    const char* captions[] = {"File", "Start", "Lenght", "End"};
    for (std::size_t c = 0; c < 4; ++c)
        list.columns.push_back({captions[c], m_widths[c]});
    for (const FileRow& r : m_rows)
        list.rows.push_back({{r.name, std::to_string(r.start), std::to_string(r.length), r.end}, r.colour});
    o.labels = {{"lbCurTotal", m_lbCurTotal}, {"lbToGo", m_lbToGo}};
    for (const Control c :
        {Control::txFile, Control::txStart, Control::txLenght, Control::cmClear, Control::lvDirectory}) {
        o.enabled[c] = true;
        o.visible[c] = true;
    }
    o.enabled[Control::cmAdd] = !m_walking;
    o.visible[Control::cmAdd] = true;
    for (const Control c : {Control::cmNext, Control::lbToGo}) {
        o.enabled[c] = m_walking;
        o.visible[c] = m_walking;
    }
}
