#pragma once

#include "core/file_record.h"
#include "core/messages.h"
#include "core/screen_table.h"
#include "lesson/reading.h"
#include "lesson/workload.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class Screen;

// The methods side by side, in the order of the Method menu with the multilevel scheme last.
inline constexpr std::array<ScreenId, 4> COMPARED_METHODS{
    ScreenId::Contiguous, ScreenId::Linked, ScreenId::IndexedL, ScreenId::IndexedM};

// "Contiguous", "Linked", "Indexed (linked index scheme)", "Multilevel".
std::string methodName(ScreenId method);

// A message that a screen gave while it took a file of the workload.
struct FileMessage {
    std::size_t file = 0;  // its place in the workload
    Message message;
};

// What one method made of the workload, and of one block of one of its files.
struct MethodFigures {
    int blocksUsed = 0;
    int indexBlocks = 0;  // of those used
    int freeBlocks = 0;
    int largestFreeRun = 0;
    int filesRefused = 0;
    // For the chosen file; nothing where the screen refused it or it holds no block k.
    std::optional<ReadPath> path;
    std::optional<double> averageReads;  // over each data block it holds
    std::optional<WholeRead> whole;
};

// A workload laid on four fresh method screens, one per method, each drawing from a random stream
// of its own that starts as the program's does, so that the program's stream and screens are left
// alone and the same workload always gives the same disks. Each file is typed and added as a user
// would: on the contiguous screen at the start of the first free run that fits (the first free
// block when none does, which the screen then refuses), on the linked screen with its chain from
// the first free block and Next Block to its end, on the indexed screens Add and Next Block to the
// end.
class Comparison {
public:
    // The streams start from `seed`, or from their fixed state without one.
    explicit Comparison(std::optional<std::uint64_t> seed = std::nullopt);
    ~Comparison();
    Comparison(const Comparison&) = delete;
    Comparison& operator=(const Comparison&) = delete;

    // Starts again from four empty screens.
    void place(const Workload& workload);
    const Workload& workload() const { return m_workload; }

    // Loaded, with the workload on it; throws for a method not compared.
    const Screen& screen(ScreenId method) const;
    // The screen's record of a file of the workload; null where the screen refused it.
    const FileRecord* placedFile(ScreenId method, std::size_t file) const;
    // In the order the screen gave them.
    const std::vector<FileMessage>& messages(ScreenId method) const;

    // The figures of a method, with the reads of data block k of workload file `file`.
    MethodFigures figures(ScreenId method, std::size_t file, int k) const;
    // The reads that reach each block 0..length-1 of the file; nothing where there is no answer.
    std::vector<std::optional<int>> readsByBlock(ScreenId method, std::size_t file) const;

private:
    struct Placed;
    const Placed& placed(ScreenId method) const;

    std::optional<std::uint64_t> m_seed;
    Workload m_workload;
    std::vector<std::unique_ptr<Placed>> m_placed;
};

// The comparison as a table, a header row and one row per method, for the window and to copy.
std::vector<std::vector<std::string>> comparisonTable(const Comparison& comparison, std::size_t file, int k);
// Cells separated by tabs and rows ended by newlines, as spreadsheets paste them.
std::string tabSeparated(const std::vector<std::vector<std::string>>& rows);
// Files by name and length from a screen's records, those whose length a workload can take.
Workload workloadFrom(const std::vector<FileRecord>& files);
