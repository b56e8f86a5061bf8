#include "lesson/scenario_file.h"

#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <fstream>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

using std::filesystem::file_type;

// The file's bytes, no more than a block past the limit; or why they cannot be had.
struct Contents {
    std::string bytes;
    std::string problem;
};

std::string cannotRead(const std::error_code& error) { return "cannot be read (" + error.message() + ")"; }

std::string notAFile(file_type type)
{
    switch (type) {
    case file_type::directory: return "is a directory, not a scenario file";
    case file_type::fifo: return "is a named pipe, not a scenario file";
    case file_type::character:
    case file_type::block: return "is a device, not a scenario file";
    case file_type::socket: return "is a socket, not a scenario file";
    default: return "is not a regular file";
    }
}

constexpr const char* TOO_LARGE = "is larger than 1 MiB, the most a scenario file may hold";
constexpr std::size_t BLOCK = 64 * 1024;

#ifdef _WIN32

Contents readBytes(const std::string& path)
{
    std::error_code error;
    if (std::filesystem::file_size(path, error) > MOST_SCENARIO_BYTES && !error)
        return {{}, TOO_LARGE};
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return {{}, "cannot be read"};
    Contents contents;
    std::string block(BLOCK, '\0');
    while (contents.bytes.size() <= MOST_SCENARIO_BYTES) {
        file.read(block.data(), static_cast<std::streamsize>(block.size()));
        contents.bytes.append(block.data(), static_cast<std::size_t>(file.gcount()));
        if (!file)
            break;
    }
    if (file.bad())
        return {{}, "cannot be read"};
    return contents;
}

#else

file_type typeOf(mode_t mode)
{
    if (S_ISREG(mode))
        return file_type::regular;
    if (S_ISDIR(mode))
        return file_type::directory;
    if (S_ISFIFO(mode))
        return file_type::fifo;
    if (S_ISCHR(mode))
        return file_type::character;
    if (S_ISBLK(mode))
        return file_type::block;
    if (S_ISSOCK(mode))
        return file_type::socket;
    return file_type::unknown;
}

// Opened without waiting and judged by what was opened, in case a pipe took the file's place
// after its type was looked at.
Contents readBytes(const std::string& path)
{
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return {{}, cannotRead(std::error_code(errno, std::generic_category()))};
    struct Closer {
        int descriptor;
        ~Closer() { ::close(descriptor); }
    } closer{descriptor};
    struct stat info {};
    if (::fstat(descriptor, &info) != 0)
        return {{}, cannotRead(std::error_code(errno, std::generic_category()))};
    if (typeOf(info.st_mode) != file_type::regular)
        return {{}, notAFile(typeOf(info.st_mode))};
    if (static_cast<std::uintmax_t>(info.st_size) > MOST_SCENARIO_BYTES)
        return {{}, TOO_LARGE};
    // The size is checked again while reading: some files say 0 and hold more.
    Contents contents;
    std::string block(BLOCK, '\0');
    while (contents.bytes.size() <= MOST_SCENARIO_BYTES) {
        const ssize_t got = ::read(descriptor, block.data(), block.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return {{}, cannotRead(std::error_code(errno, std::generic_category()))};
        if (got == 0)
            break;
        contents.bytes.append(block.data(), static_cast<std::size_t>(got));
    }
    return contents;
}

#endif

ScenarioFileError failure(const std::string& path, const std::string& problem)
{
    return {"pellucor: " + path + ": " + problem};
}

}  // namespace

std::variant<std::vector<ScenarioStep>, ScenarioFileError> readScenarioFile(
    const std::string& path, ScreenId firstScreen)
{
    std::error_code error;
    const file_type type = std::filesystem::status(path, error).type();
    if (error)
        return failure(path, cannotRead(error));
    if (type != file_type::regular)
        return failure(path, notAFile(type));
    const Contents contents = readBytes(path);
    if (!contents.problem.empty())
        return failure(path, contents.problem);
    if (contents.bytes.size() > MOST_SCENARIO_BYTES)
        return failure(path, TOO_LARGE);
    auto read = readScenario(contents.bytes, firstScreen);
    if (const auto* wrong = std::get_if<ScenarioError>(&read))
        return ScenarioFileError{
            "pellucor: " + path + ":" + std::to_string(wrong->line) + ": expected " + wrong->expected};
    auto& steps = std::get<std::vector<ScenarioStep>>(read);
    if (steps.empty())
        return failure(path, "has no steps");
    return std::move(steps);
}
