#include "shell/installed_program_registry.h"

#include <filesystem>
#include <string_view>
#include <system_error>

#include <unistd.h>

const std::vector<std::string>& InstalledProgramRegistry::candidates()
{
    static const std::vector<std::string> programs{"hardinfo2", "hardinfo", "kinfocenter", "gnome-system-monitor"};
    return programs;
}

InstalledProgramRegistry::InstalledProgramRegistry(std::string searchPath) : m_searchPath(std::move(searchPath)) {}

std::optional<std::string> InstalledProgramRegistry::findProgram() const
{
    for (const std::string& name : candidates()) {
        std::string_view rest = m_searchPath;
        while (true) {
            const auto colon = rest.find(':');
            const std::string_view folder = rest.substr(0, colon);
            if (!folder.empty()) {
                const std::filesystem::path candidate = std::filesystem::path(folder) / name;
                std::error_code error;
                if (std::filesystem::is_regular_file(candidate, error) && ::access(candidate.c_str(), X_OK) == 0)
                    return candidate.string();
            }
            if (colon == std::string_view::npos)
                break;
            rest.remove_prefix(colon + 1);
        }
    }
    return std::nullopt;
}

bool InstalledProgramRegistry::openKey(std::uint32_t rootKey, const std::string& keyPath, std::uint32_t, Key& key)
{
    if (rootKey != registry::HKEY_LOCAL_MACHINE || keyPath != registry::MSINFO_KEY)
        return false;
    key = MSINFO;
    return true;
}

bool InstalledProgramRegistry::queryValue(
    Key key, const std::string& valueName, std::uint32_t& type, std::vector<char>& buffer, std::uint32_t& size)
{
    if (key != MSINFO || valueName != registry::MSINFO_VALUE)
        return false;
    const auto program = findProgram();
    // Stored as the registry stores a text: with its terminating zero.
    if (!program || program->size() + 1 > buffer.size() || program->size() + 1 > size)
        return false;
    std::copy(program->begin(), program->end(), buffer.begin());
    buffer[program->size()] = '\0';
    type = registry::REG_SZ;
    size = static_cast<std::uint32_t>(program->size() + 1);
    return true;
}

void InstalledProgramRegistry::closeKey(Key) {}
