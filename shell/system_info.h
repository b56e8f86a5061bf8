#pragma once

#include "core/messages.h"

#include <cstdint>
#include <string>
#include <vector>

// The few registry calls that finding the system information program needs. On Windows they are
// the real ones; elsewhere a stand-in answers them; tests use a fake.
class Registry {
public:
    using Key = std::uintptr_t;

    virtual ~Registry() = default;
    virtual bool openKey(std::uint32_t rootKey, const std::string& keyPath, std::uint32_t access, Key& key) = 0;
    // Reads a value into the buffer, whose size goes in as `size`; `size` comes back as the value's
    // size in bytes and `type` as its type.
    virtual bool queryValue(
        Key key, const std::string& valueName, std::uint32_t& type, std::vector<char>& buffer, std::uint32_t& size)
        = 0;
    virtual void closeKey(Key key) = 0;
};

// Starting another program, and the file test made before it.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // An ordinary file: not a folder, not hidden, not a system file.
    virtual bool isOrdinaryFile(const std::string& path) = 0;
    // Starts the program in a normal, activated window; false when it cannot be started.
    virtual bool start(const std::string& path) = 0;
};

namespace registry {

inline constexpr std::uint32_t HKEY_LOCAL_MACHINE = 0x80000002U;
// Read control with all six key rights.
inline constexpr std::uint32_t KEY_ACCESS = 0x2003FU;
inline constexpr std::uint32_t REG_SZ = 1;
inline constexpr std::uint32_t REG_DWORD = 4;
inline constexpr std::uint32_t BUFFER_SIZE = 1024;

inline const std::string MSINFO_KEY = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline const std::string MSINFO_VALUE = "PATH";
inline const std::string LOCATION_KEY = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline const std::string LOCATION_VALUE = "MSINFO";
inline const std::string PROGRAM_FILE = "\\MSINFO32.EXE";

}  // namespace registry

// Whether an ordinary file lies at the path: not a folder, not hidden, and on Windows not a system
// file either.
bool isOrdinaryFile(const std::string& path);

// Reads one registry value as text into valueText. True when the value was read; a value of a type
// other than text or number counts as read and leaves valueText as it was. Throws
// std::runtime_error for a value whose size cannot be cut (0, or beyond the buffer).
bool getKeyValue(Registry& registry, std::uint32_t rootKey, const std::string& keyPath, const std::string& valueName,
    std::string& valueText);

// Finds the system information program through the registry and starts it; when it cannot, says so
// in a message box.
void startSysInfo(Registry& registry, ProgramStarter& starter, MessageSink& sink);
