#pragma once

#include "shell/system_info.h"

// The registry of Windows, read through the 8-bit calls of the system's code page.
class WindowsRegistry final : public Registry {
public:
    bool openKey(std::uint32_t rootKey, const std::string& keyPath, std::uint32_t access, Key& key) override;
    bool queryValue(Key key, const std::string& valueName, std::uint32_t& type, std::vector<char>& buffer,
        std::uint32_t& size) override;
    void closeKey(Key key) override;
};
