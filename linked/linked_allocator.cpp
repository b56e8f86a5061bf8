#include "linked/linked_allocator.h"

#include "core/number_reading.h"

#include <algorithm>

namespace {

constexpr std::int32_t LOWEST_LENGTH = -32768;  // the length field holds 16 bits

Message spaceNotEnough(std::int64_t total)
{
    return {"Space not enough.total= " + std::to_string(total), "Write Denied", MessageIcon::Critical};
}

Message chainCutShort(int lastBlock)
{
    return {"No free block left: the chain ends at block " + std::to_string(lastBlock), "Write Denied",
        MessageIcon::Critical};
}

// Whether the walk has a block to draw: a free one other than the block waiting for its successor.
bool hasCandidate(const BlockDisk& disk, int waiting)
{
    for (int b = 0; b < BlockDisk::BLOCKS; ++b) {
        if (b != waiting && disk.isFree(b))
            return true;
    }
    return false;
}

}  // namespace

void LinkedAllocator::load()
{
    Form& f = buildForm();
    f.disk.reset();
    clearFields();
    f.fileLength = 0;
    setWalking(false);
    f.directory.createColumns();
    f.directory.clear();
}

bool LinkedAllocator::isWalking() const { return isLoaded() && form().fields.isEnabled(Control::cmNext); }

std::int32_t LinkedAllocator::usedTotal() const { return isLoaded() ? form().directory.blocksListed() : 0; }

void LinkedAllocator::setWalking(bool walking)
{
    EntryForm& fields = form().fields;
    for (const Control c : {Control::cmNext, Control::lbToGo}) {
        fields.setEnabled(c, walking);
        fields.setVisible(c, walking);
    }
    fields.setEnabled(Control::cmAdd, !walking);
}

void LinkedAllocator::addFile(MessageSink& sink)
{
    if (isWalking())  // as the disabled button cannot be pressed
        return;
    const auto start = drawColourAndReadStart(sink);
    if (!start)
        return;
    Form& f = form();
    if (!f.disk.isFree(*start)) {
        sink.show(messages::WRITE_DENIED);
        return;
    }
    f.fileLength = readNumber(f.fields.text(Control::txLenght)).value_or(0);
    if (f.fileLength < LOWEST_LENGTH) {
        sink.show(messages::LENGHT_OVERLOADED);
        return;
    }
    // A file listed with a length below 1 still takes its start block, so it counts as one.
    const std::int64_t total = std::int64_t{std::max(f.fileLength, std::int32_t{1})} + usedTotal();
    if (total > BlockDisk::BLOCKS) {
        sink.show(spaceNotEnough(total));
        return;
    }
    f.lbCurTotal = Form::USAGE_CAPTION + std::to_string(total);

    const ColourValue colour = m_currentColour.packed();
    f.disk.paint(*start, colour);
    f.directory.fitEndColumn();
    f.directory.append(f.fields.text(Control::txFile), *start, f.fileLength, colour);
    clearFields();
    if (f.fileLength < 2) {
        f.disk.setText(*start, "-1");
        f.fields.moveFocus(Control::txFile);
        return;
    }
    setWalking(true);
    f.lbToGo = Form::TO_GO_CAPTION + std::to_string(f.fileLength);
    f.fields.moveFocus(Control::cmNext);
    m_curBlock = *start;
    --f.fileLength;
}

void LinkedAllocator::nextBlock(MessageSink& sink)
{
    if (!isWalking())
        return;
    Form& f = form();
    if (f.fileLength == 0) {
        closeChain();
        return;
    }
    if (!hasCandidate(f.disk, m_curBlock)) {
        // Only a disk that holds more than the directory accounts for gets here. The file keeps the
        // blocks it has, and its row says how many.
        f.directory.shortenLast(f.fileLength);
        f.fileLength = 0;
        f.lbCurTotal = Form::USAGE_CAPTION + std::to_string(usedTotal());
        closeChain();
        sink.show(chainCutShort(m_curBlock));
        return;
    }

    do {
        m_nextBlock = m_share.randomBlock();
    } while (!f.disk.isFree(m_nextBlock) || m_nextBlock == m_curBlock);
    f.disk.setText(m_curBlock, std::to_string(m_nextBlock));
    f.disk.paint(m_curBlock, m_currentColour.packed());
    m_curBlock = m_nextBlock;
    f.lbToGo = Form::TO_GO_CAPTION + std::to_string(f.fileLength);
    --f.fileLength;
}

void LinkedAllocator::closeChain()
{
    Form& f = form();
    setWalking(false);
    f.disk.setText(m_curBlock, "-1");
    f.disk.paint(m_curBlock, m_currentColour.packed());
    f.directory.setLastEnd(m_curBlock);
    f.fields.moveFocus(Control::txFile);
}

void LinkedAllocator::clear()
{
    if (!isLoaded())
        return;
    Form& f = form();
    f.disk.reset();
    f.disk.clearTexts();
    clearFields();
    setWalking(false);
    f.fields.moveFocus(Control::txFile);
    f.directory.clear();
    f.fileLength = 0;
    m_curBlock = 0;
    m_nextBlock = 0;
    f.lbCurTotal = Form::USAGE_CAPTION + std::to_string(usedTotal());
}
