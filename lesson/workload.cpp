#include "lesson/workload.h"

#include "core/block_disk.h"

#include <charconv>

std::variant<WorkloadFile, std::string> readWorkloadFile(std::string_view name, std::string_view length)
{
    if (name.empty())
        return std::string("a file needs a name");
    int blocks = 0;
    const auto [end, problem] = std::from_chars(length.data(), length.data() + length.size(), blocks);
    if (length.empty() || problem != std::errc{} || end != length.data() + length.size() || blocks < 1
        || blocks > BlockDisk::BLOCKS)
        return "the length of '" + std::string(name) + "' must be a whole number from 1 to 64";
    return WorkloadFile{std::string(name), blocks};
}

std::variant<Workload, std::string> readWorkload(std::string_view text)
{
    Workload workload;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
        // The last colon, so that a name may hold one.
        const std::size_t colon = item.rfind(':');
        if (colon == std::string_view::npos)
            return "'" + std::string(item) + "' is not NAME:LENGTH";
        auto file = readWorkloadFile(item.substr(0, colon), item.substr(colon + 1));
        if (const auto* why = std::get_if<std::string>(&file))
            return *why;
        if (workload.size() == MAX_WORKLOAD_FILES)
            return std::string("at most 64 files");
        workload.push_back(std::get<WorkloadFile>(std::move(file)));
        if (comma != std::string_view::npos && text.empty())
            return std::string("a file is missing after the last comma");
    }
    return workload;
}
