#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

// A file to lay on the disks of a comparison: its name as typed on a screen and its length.
struct WorkloadFile {
    std::string name;
    int length = 0;

    friend bool operator==(const WorkloadFile&, const WorkloadFile&) = default;
};
using Workload = std::vector<WorkloadFile>;

// No more files than the disk has blocks.
inline constexpr std::size_t MAX_WORKLOAD_FILES = 64;

// A name that is not empty and a length that is a whole number from 1 to 64: the file, or why not.
std::variant<WorkloadFile, std::string> readWorkloadFile(std::string_view name, std::string_view length);
// "report:20,notes:8": the files in order, or why the text is not a workload. "" is no files.
std::variant<Workload, std::string> readWorkload(std::string_view text);
