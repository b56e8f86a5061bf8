#pragma once

#include "shell/system_info.h"

#include <optional>
#include <string>
#include <vector>

// Stands in for the registry where there is none: the system information program's path is that of
// the first installed program among a few well-known ones, searched for along a PATH-style list of
// folders. There is no MSINFO32.EXE, so the look-up of its folder always fails.
class InstalledProgramRegistry final : public Registry {
public:
    // The programs tried, in order: hardware and system overviews first, a system monitor last.
    static const std::vector<std::string>& candidates();

    // searchPath: folders separated by ':', as in the PATH environment variable.
    explicit InstalledProgramRegistry(std::string searchPath);

    bool openKey(std::uint32_t rootKey, const std::string& keyPath, std::uint32_t access, Key& key) override;
    bool queryValue(Key key, const std::string& valueName, std::uint32_t& type, std::vector<char>& buffer,
        std::uint32_t& size) override;
    void closeKey(Key key) override;

    std::optional<std::string> findProgram() const;

private:
    static constexpr Key MSINFO = 1;

    std::string m_searchPath;
};
