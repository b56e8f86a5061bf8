#include "lesson/comparison.h"

#include "core/random_stream.h"
#include "core/screen.h"
#include "core/share.h"
#include "lesson/free_space.h"
#include "lesson/screens.h"

#include <algorithm>
#include <cmath>

namespace {

class KeepingSink final : public MessageSink {
public:
    void show(const Message& message) override { shown.push_back(message); }
    std::vector<Message> shown;
};

// Far more presses than any file on 64 blocks takes.
constexpr int MOST_PRESSES = 1000;

std::string menuName(const MethodItem& item)
{
    std::string name(item.caption);
    std::erase(name, '&');
    return name;
}

// Where the contiguous screen is asked to put a file: the first free run that holds it.
int contiguousStart(const BlockDisk& disk, int length)
{
    const FreeSpace space = freeSpaceOf(disk);
    for (const FreeRun& run : space.runs) {
        if (run.length >= length)
            return run.start;
    }
    return space.runs.empty() ? 0 : space.runs.front().start;
}

int firstFree(const BlockDisk& disk)
{
    const FreeSpace space = freeSpaceOf(disk);
    return space.runs.empty() ? 0 : space.runs.front().start;
}

std::string decimal(double value)
{
    // Halves up, as a student rounds: 2.125 is 2.13. Written from whole hundredths, since the
    // page's C++ library has no to_chars for double.
    long long hundredths = std::llround(value * 100);
    std::string written = hundredths < 0 ? "-" : "";
    if (hundredths < 0)
        hundredths = -hundredths;
    const long long cents = hundredths % 100;
    written += std::to_string(hundredths / 100) + (cents < 10 ? ".0" : ".") + std::to_string(cents);
    while (written.back() == '0')
        written.pop_back();
    if (written.back() == '.')
        written.pop_back();
    return written;
}

}  // namespace

std::string methodName(ScreenId method)
{
    switch (method) {
    case ScreenId::Contiguous: return menuName(screen_table::CONTIGUOUS_ITEM);
    case ScreenId::Linked: return menuName(screen_table::LINKED_ITEM);
    case ScreenId::IndexedL: return menuName(screen_table::INDEXED_ITEM) + " (linked index scheme)";
    case ScreenId::IndexedM: return "Multilevel";
    }
    return {};
}

struct Comparison::Placed {
    explicit Placed(ScreenId method, std::optional<std::uint64_t> seed)
        : stream(seed ? ProgramRandomStream(*seed) : ProgramRandomStream()), screen(makeScreen(method, share))
    {
        screen->load();
    }

    ProgramRandomStream stream;
    Share share{stream};
    std::unique_ptr<Screen> screen;
    std::vector<std::optional<std::size_t>> records;  // for each workload file
    std::vector<FileMessage> messages;
};

Comparison::Comparison(std::optional<std::uint64_t> seed) : m_seed(seed) { place({}); }

Comparison::~Comparison() = default;

void Comparison::place(const Workload& workload)
{
    m_workload = workload;
    m_placed.clear();
    for (const ScreenId method : COMPARED_METHODS) {
        auto& p = *m_placed.emplace_back(std::make_unique<Placed>(method, m_seed));
        Screen& screen = *p.screen;
        for (std::size_t i = 0; i < workload.size(); ++i) {
            const WorkloadFile& file = workload[i];
            const BlockDisk& disk = screen.form().disk;
            screen.type(Control::txFile, file.name);
            screen.type(Control::txLenght, std::to_string(file.length));
            if (method == ScreenId::Contiguous)
                screen.type(Control::txStart, std::to_string(contiguousStart(disk, file.length)));
            else if (method == ScreenId::Linked)
                screen.type(Control::txStart, std::to_string(firstFree(disk)));
            const std::size_t before = screen.files().size();
            KeepingSink sink;
            screen.addFile(sink);
            for (int press = 0; press < MOST_PRESSES && screen.mode() != Mode::Idle; ++press)
                screen.nextBlock(sink);
            p.records.push_back(screen.files().size() > before ? std::optional(before) : std::nullopt);
            for (Message& message : sink.shown)
                p.messages.push_back({i, std::move(message)});
        }
    }
}

const Comparison::Placed& Comparison::placed(ScreenId method) const
{
    const auto at = std::find(COMPARED_METHODS.begin(), COMPARED_METHODS.end(), method);
    return *m_placed.at(static_cast<std::size_t>(at - COMPARED_METHODS.begin()));
}

const Screen& Comparison::screen(ScreenId method) const { return *placed(method).screen; }

const FileRecord* Comparison::placedFile(ScreenId method, std::size_t file) const
{
    const Placed& p = placed(method);
    if (file >= p.records.size() || !p.records[file])
        return nullptr;
    return &p.screen->files().at(*p.records[file]);
}

const std::vector<FileMessage>& Comparison::messages(ScreenId method) const { return placed(method).messages; }

MethodFigures Comparison::figures(ScreenId method, std::size_t file, int k) const
{
    const Placed& p = placed(method);
    const BlockDisk& disk = p.screen->form().disk;
    const FreeSpace space = freeSpaceOf(disk);
    MethodFigures figures;
    figures.blocksUsed = disk.usedCount();
    figures.freeBlocks = space.freeBlocks;
    figures.largestFreeRun = space.largestRun;
    for (const FileRecord& record : p.screen->files())
        figures.indexBlocks += static_cast<int>(std::count_if(
            record.blocks.begin(), record.blocks.end(), [](const HeldBlock& b) { return b.role != BlockRole::Data; }));
    figures.filesRefused = static_cast<int>(std::count(p.records.begin(), p.records.end(), std::nullopt));
    const FileRecord* record = placedFile(method, file);
    if (record == nullptr)
        return figures;
    figures.path = readBlock(*p.screen, *record, k);
    const int held = static_cast<int>(dataBlocksOf(*record).size());
    if (held > 0) {
        int reads = 0;
        for (int block = 0; block < held; ++block) {
            if (const auto path = readBlock(*p.screen, *record, block))
                reads += static_cast<int>(path->blocks.size());
        }
        figures.averageReads = static_cast<double>(reads) / held;
    }
    figures.whole = readWholeFile(*record);
    return figures;
}

std::vector<std::optional<int>> Comparison::readsByBlock(ScreenId method, std::size_t file) const
{
    std::vector<std::optional<int>> reads;
    if (file >= m_workload.size())
        return reads;
    const FileRecord* record = placedFile(method, file);
    for (int k = 0; k < m_workload[file].length; ++k) {
        const auto path = record != nullptr ? readBlock(screen(method), *record, k) : std::nullopt;
        reads.push_back(path ? std::optional(static_cast<int>(path->blocks.size())) : std::nullopt);
    }
    return reads;
}

std::vector<std::vector<std::string>> comparisonTable(const Comparison& comparison, std::size_t file, int k)
{
    const Workload& workload = comparison.workload();
    const std::string of = file < workload.size() ? " of " + workload[file].name : "";
    std::vector<std::vector<std::string>> rows{{"Method", "Blocks used", "Index blocks", "Free blocks",
        "Largest free run", "Files refused", "Reads to block " + std::to_string(k) + of, "Average reads per block",
        "Reads of the whole file", "Head jumps over the whole file", "What the screen said"}};
    for (const ScreenId method : COMPARED_METHODS) {
        const MethodFigures f = comparison.figures(method, file, k);
        const bool chosen = file < workload.size();
        const bool refused = chosen && comparison.placedFile(method, file) == nullptr;
        const auto orElse = [chosen, refused](const std::optional<std::string>& cell) {
            return cell   ? *cell
                : !chosen ? std::string("no file")
                : refused ? std::string("refused")
                          : std::string("not held");
        };
        // Files that got the same message share it, the message first: "Lenght Overloaded: more, again".
        std::vector<std::pair<std::string, std::string>> byText;
        for (const FileMessage& m : comparison.messages(method)) {
            const auto same = std::find_if(
                byText.begin(), byText.end(), [&m](const auto& entry) { return entry.second == m.message.text; });
            if (same == byText.end())
                byText.emplace_back(workload.at(m.file).name, m.message.text);
            else
                same->first += ", " + workload.at(m.file).name;
        }
        std::string said;
        for (const auto& [names, message] : byText)
            said += (said.empty() ? "" : "; ") + message + ": " + names;
        rows.push_back({methodName(method), std::to_string(f.blocksUsed), std::to_string(f.indexBlocks),
            std::to_string(f.freeBlocks), std::to_string(f.largestFreeRun), std::to_string(f.filesRefused),
            orElse(f.path ? std::optional(std::to_string(f.path->blocks.size())) : std::nullopt),
            orElse(f.averageReads ? std::optional(decimal(*f.averageReads)) : std::nullopt),
            orElse(f.whole ? std::optional(std::to_string(f.whole->blocks.size())) : std::nullopt),
            orElse(f.whole ? std::optional(std::to_string(f.whole->jumps)) : std::nullopt),
            said.empty() ? "nothing" : said});
    }
    return rows;
}

std::string tabSeparated(const std::vector<std::vector<std::string>>& rows)
{
    std::string text;
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            std::string cell = row[i];
            std::replace_if(
                cell.begin(), cell.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
            text += (i == 0 ? "" : "\t") + cell;
        }
        text += '\n';
    }
    return text;
}

Workload workloadFrom(const std::vector<FileRecord>& files)
{
    Workload workload;
    for (const FileRecord& file : files) {
        if (workload.size() < MAX_WORKLOAD_FILES && !file.name.empty() && file.typedLength >= 1
            && file.typedLength <= BlockDisk::BLOCKS)
            workload.push_back({file.name, file.typedLength});
    }
    return workload;
}
