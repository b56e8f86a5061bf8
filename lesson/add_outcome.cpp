#include "lesson/add_outcome.h"

#include "core/number_reading.h"
#include "indexed/indexed_screen.h"
#include "lesson/free_space.h"
#include "lesson/snapshot.h"

#include <numeric>

namespace {

const std::string PLACED = "It is placed";

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

// The name of the file that holds a block, if one does.
std::optional<std::string> holderOf(const Screen& screen, int block)
{
    for (const FileRecord& file : screen.files()) {
        for (const HeldBlock& held : file.blocks) {
            if (held.block == block)
                return file.name;
        }
    }
    return std::nullopt;
}

std::string blocksFromTo(int first, int last)
{
    return first == last ? "block " + std::to_string(first)
                         : "blocks " + std::to_string(first) + " to " + std::to_string(last);
}

// The blocks Add asks for on a screen where the file takes them from its start, and why they will not do.
std::string whyDenied(const Screen& screen, int start, int length)
{
    const bool run = factsOf(screen.id()).oneRun;
    const int last = run ? start + std::max(length, 1) - 1 : start;
    std::string why = run ? "It needs " + blocksFromTo(start, last) : "Its start block " + std::to_string(start);
    for (int b = start; b <= last && b < BlockDisk::BLOCKS; ++b) {
        if (const auto holder = holderOf(screen, b)) {
            why += (run ? ", and block " + std::to_string(b) + " is" : " is") + " taken by " + quoted(*holder);
            break;
        }
    }
    if (run)
        why += "; the free runs are " + freeRunsText(freeSpaceOf(screen.form().disk).runs);
    return why + ".";
}

const IndexScheme* schemeOf(const Screen& screen)
{
    const auto* indexed = dynamic_cast<const IndexedScreen*>(&screen);
    return indexed != nullptr ? &indexed->scheme() : nullptr;
}

std::string whyOverloaded(const Screen& screen, const std::optional<std::int32_t>& length, int start)
{
    if (!length || !fitsInt16(*length))
        return "The length is more than the length field holds.";
    const int free = freeSpaceOf(screen.form().disk).freeBlocks;
    if (factsOf(screen.id()).oneRun)
        return "It needs " + blocksFromTo(start, start + *length - 1) + ", and the disk ends at block 63.";
    if (const IndexScheme* scheme = schemeOf(screen))
        return "With its index blocks it needs " + std::to_string(scheme->add(*length).blocksNeeded) + " blocks, and "
            + std::to_string(free) + " are free.";
    return "The length " + std::to_string(*length) + " is more than Add takes.";
}

std::string whyPlaced(const Screen& screen, int start, std::int32_t length)
{
    const ScreenFacts& facts = factsOf(screen.id());
    if (facts.oneRun && length < 1)
        return "A length below 1 takes no block: the file is listed and holds none.";
    if (facts.oneRun)
        return "It needs " + blocksFromTo(start, start + length - 1) + ", and they are all free.";
    if (const IndexScheme* scheme = schemeOf(screen))
        return "The disk has room for its " + std::to_string(scheme->add(length).blocksNeeded)
            + " blocks, index blocks included; Next Block places them, one a press.";
    return "Its start block " + std::to_string(start)
        + " is free and the disk has room for the file: Add places the start block and Next Block the rest.";
}

}  // namespace

std::vector<AddOutcome> addOutcomes(ScreenId screen)
{
    std::vector<AddOutcome> outcomes{MessageId::None};
    for (const MessageId id : factsOf(screen).addMessages) {
        if (id != MessageId::None)
            outcomes.emplace_back(id);
    }
    return outcomes;
}

std::string outcomeText(const AddOutcome& outcome)
{
    return outcome == MessageId::None ? PLACED : messages::byId(outcome).text;
}

std::optional<AddOutcome> tryAdd(Screen& screen, Share& share, const AddRequest& request)
{
    struct Recorder final : MessageSink {
        std::vector<Message> shown;
        void show(const Message& m) override { shown.push_back(m); }
    } sink;
    const TrialGuard trial(screen, share);
    const std::size_t files = screen.files().size();
    screen.type(Control::txFile, request.name);
    if (factsOf(screen.id()).takesStart)
        screen.type(Control::txStart, request.start);
    screen.type(Control::txLenght, request.length);
    screen.addFile(sink);
    if (!sink.shown.empty())
        return sink.shown.front().id;
    if (screen.files().size() > files)
        return MessageId::None;
    return std::nullopt;
}

std::string addWorking(const Screen& screen, const AddOutcome& outcome, const AddRequest& request)
{
    const auto start = readNumber(request.start);
    const auto length = readNumber(request.length);
    const int first = start.value_or(0);
    std::string why;
    switch (outcome) {
    case MessageId::FilenameMissing: why = "Add checks the name first, and the name field is empty."; break;
    case MessageId::StartNotNumeric: why = "The start " + quoted(request.start) + " is not a number."; break;
    case MessageId::LenghtNotNumeric: why = "The length " + quoted(request.length) + " is not a number."; break;
    case MessageId::StartNotAllowed: why = "Start " + request.start + " is not a block: they run from 0 to 63."; break;
    case MessageId::LenghtOverloaded: why = whyOverloaded(screen, length, first); break;
    case MessageId::WriteDenied: why = whyDenied(screen, first, length.value_or(1)); break;
    case MessageId::SpaceNotEnough: {
        const auto& files = screen.files();
        const int used = std::accumulate(
            files.begin(), files.end(), 0, [](int sum, const FileRecord& f) { return sum + f.countedLength; });
        why = "It counts " + std::to_string(std::max(length.value_or(1), 1)) + " blocks, and " + std::to_string(used)
            + " of the 64 are in use already.";
        break;
    }
    case MessageId::FileNumbersUsedUp: why = "Every file number has been given since the last Clear."; break;
    case MessageId::None: why = whyPlaced(screen, first, length.value_or(1)); break;
    default: break;
    }
    std::string said = outcomeText(outcome);
    said.erase(said.find_last_not_of(' ') + 1);
    return "Add: " + said + "." + (why.empty() ? "" : " " + why);
}
