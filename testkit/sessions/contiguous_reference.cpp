#include "sessions/contiguous_reference.h"

#include "sessions/reference_number.h"

ContiguousReference::ContiguousReference(RandomStream& stream) : ReferenceScreen(stream, WITH_START) { load(); }

void ContiguousReference::load()
{
    resetDisk(false);
    emptyFields();
    m_widths = {percentOf(FILE_LIST_WIDTH, 40), percentOf(FILE_LIST_WIDTH, 29), percentOf(FILE_LIST_WIDTH, 29)};
    m_rows.clear();
}

void ContiguousReference::add()
{
    if (!drawColourAndCheckFields())
        return;
    const long long start = *reference::roundedValue(m_fields[Control::txStart]);
    if (start > 63 || start < 0) {
        m_shown.push_back(error("Start value not Allowed", "Wrong Start Value"));
        return;
    }
    const long long length = *reference::roundedValue(m_fields[Control::txLenght]);
    const long long end = start + length - 1;
    // Below the 16-bit range a length is refused too: the screen must not take it, and this is
    // the message it gives.
    if (end > 63 || length < -32768) {
        m_shown.push_back(error("Lenght Overloaded", "Lenght Overloaded"));
        return;
    }
    for (long long b = start; b <= end; ++b) {
        if (m_colour[static_cast<std::size_t>(b)] != WHITE) {
            m_shown.push_back(error("not allow to insert", "Write Denied"));
            return;
        }
    }
    for (long long b = start; b <= end; ++b)
        m_colour[static_cast<std::size_t>(b)] = colour();

    m_widths[2] = percentOf(FILE_LIST_WIDTH, m_rows.size() == 8 ? 21 : 29);
    m_rows.push_back({m_fields[Control::txFile], static_cast<int>(start), length, "", colour()});
    emptyFields();
    focus(Control::txFile);
}

void ContiguousReference::clear()
{
    resetDisk(false);
    emptyFields();
    m_rows.clear();
}

void ContiguousReference::observeMore(Observed& o) const
{
    Observed::List& list = o.lists[Control::lvDirectory];
    list.reportView = true;
    const char* captions[] = {"File", "Start", "Lenght"};
    for (std::size_t c = 0; c < 3; ++c)
        list.columns.push_back({captions[c], m_widths[c]});
    for (const FileRow& r : m_rows)
        list.rows.push_back({{r.name, std::to_string(r.start), std::to_string(r.length)}, r.colour});
    for (const Control c : {Control::txFile, Control::txStart, Control::txLenght, Control::cmAdd, Control::cmClear,
             Control::lvDirectory}) {
        o.enabled[c] = true;
        o.visible[c] = true;
    }
}
