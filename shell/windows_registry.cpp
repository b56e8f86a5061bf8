#include "shell/windows_registry.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

bool WindowsRegistry::openKey(std::uint32_t rootKey, const std::string& keyPath, std::uint32_t access, Key& key)
{
    HKEY opened = nullptr;
    // Predefined root keys are handles made from small numbers, sign-extended on 64-bit Windows.
    const auto root = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(rootKey)));
    if (RegOpenKeyExA(root, keyPath.c_str(), 0, static_cast<REGSAM>(access), &opened) != ERROR_SUCCESS)
        return false;
    key = reinterpret_cast<Key>(opened);
    return true;
}

bool WindowsRegistry::queryValue(
    Key key, const std::string& valueName, std::uint32_t& type, std::vector<char>& buffer, std::uint32_t& size)
{
    DWORD valueType = 0;
    DWORD valueSize = size < buffer.size() ? size : static_cast<DWORD>(buffer.size());
    const LONG status = RegQueryValueExA(reinterpret_cast<HKEY>(key), valueName.c_str(), nullptr, &valueType,
        reinterpret_cast<LPBYTE>(buffer.data()), &valueSize);
    if (status != ERROR_SUCCESS)
        return false;
    type = valueType;
    size = valueSize;
    return true;
}

void WindowsRegistry::closeKey(Key key) { RegCloseKey(reinterpret_cast<HKEY>(key)); }
