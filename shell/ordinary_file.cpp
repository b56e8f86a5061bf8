#include "shell/system_info.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <filesystem>
#include <system_error>
#endif

bool isOrdinaryFile(const std::string& path)
{
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
#else
    // Where files have no such attributes, a name that begins with a dot is a hidden one.
    std::error_code error;
    const std::filesystem::path file(path);
    return std::filesystem::is_regular_file(file, error) && !file.filename().string().starts_with('.');
#endif
}
