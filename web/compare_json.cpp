#include "web/compare_json.h"

#include "core/screen.h"
#include "web/form_json.h"

#include <algorithm>

std::string compareJson(const Comparison& comparison, std::size_t file, std::optional<int> k)
{
    const Workload& workload = comparison.workload();
    if (file >= workload.size())
        file = 0;
    const int length = file < workload.size() ? workload[file].length : 1;
    const int block = std::clamp(k.value_or(length - 1), 0, length - 1);

    std::string out = "{\"files\":[";
    for (std::size_t i = 0; i < workload.size(); ++i) {
        const WorkloadFile& f = workload[i];
        out += std::string(i == 0 ? "" : ",") + "{\"name\":" + jsonString(f.name) + ",\"length\":"
            + std::to_string(f.length) + ",\"label\":"
            + jsonString(f.name + " (" + std::to_string(f.length) + (f.length == 1 ? " block)" : " blocks)")) + "}";
    }
    out += "],\"file\":" + std::to_string(file) + ",\"k\":" + std::to_string(block) + ",\"rows\":[";
    const auto rows = comparisonTable(comparison, file, block);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        out += r == 0 ? "[" : ",[";
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            out += (c == 0 ? "" : ",") + jsonString(rows[r][c]);
        out += "]";
    }
    out += "],\"text\":" + jsonString(tabSeparated(rows)) + ",\"methods\":[";
    bool firstMethod = true;
    for (const ScreenId method : COMPARED_METHODS) {
        const MethodFigures figures = comparison.figures(method, file, block);
        const BlockDisk& disk = comparison.screen(method).form().disk;
        out += std::string(firstMethod ? "" : ",") + "{\"name\":" + jsonString(methodName(method)) + ",\"cells\":[";
        firstMethod = false;
        for (int i = 0; i < BlockDisk::BLOCKS; ++i) {
            const BlockDisk::Cell& cell = disk.cell(i);
            out += std::string(i == 0 ? "" : ",") + "{\"colour\":" + jsonString(cssColour(cell.colour))
                + ",\"text\":" + jsonString(cell.text) + ",\"textColour\":"
                + (cell.textColour ? jsonString(cssColour(*cell.textColour)) : std::string("null")) + "}";
        }
        out += "],\"marks\":[";
        if (figures.path) {
            for (std::size_t i = 0; i < figures.path->blocks.size(); ++i)
                out += (i == 0 ? "" : ",") + std::to_string(figures.path->blocks[i]);
        }
        out += "],\"path\":"
            + (figures.path ? jsonString(readPathText(figures.path->blocks)) : std::string("null")) + ",\"reads\":[";
        const auto reads = comparison.readsByBlock(method, file);
        for (std::size_t i = 0; i < reads.size(); ++i)
            out += (i == 0 ? "" : ",") + (reads[i] ? std::to_string(*reads[i]) : std::string("null"));
        out += "]}";
    }
    return out + "]}";
}
