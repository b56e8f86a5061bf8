#include "shell/system_info.h"

#include <charconv>
#include <stdexcept>

namespace {

// Closes the key however the read ends.
class OpenKey {
public:
    OpenKey(Registry& registry, Registry::Key key) : m_registry(registry), m_key(key) {}
    ~OpenKey() { m_registry.closeKey(m_key); }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

private:
    Registry& m_registry;
    Registry::Key m_key;
};

// The text a number written as "&h" and hexadecimal digits formats to: its decimal value. A text
// too long for 64 bits stays as it is.
std::string formatHexNumber(const std::string& digits)
{
    std::uint64_t value = 0;
    const char* end = digits.data() + digits.size();
    const auto [ptr, ec] = std::from_chars(digits.data(), end, value, 16);
    if (digits.empty() || ec != std::errc{} || ptr != end)
        return "&h" + digits;
    return std::to_string(value);
}

std::string hexWithoutLeadingZeros(unsigned char code)
{
    static constexpr char DIGITS[] = "0123456789ABCDEF";
    std::string text;
    if (code >= 16)
        text += DIGITS[code / 16];
    text += DIGITS[code % 16];
    return text;
}

}  // namespace

bool getKeyValue(Registry& registry, std::uint32_t rootKey, const std::string& keyPath, const std::string& valueName,
    std::string& valueText)
{
    Registry::Key key = 0;
    if (!registry.openKey(rootKey, keyPath, registry::KEY_ACCESS, key)) {
        valueText.clear();
        return false;
    }
    const OpenKey closing(registry, key);

    std::vector<char> buffer(registry::BUFFER_SIZE, '\0');
    std::uint32_t type = 0;
    std::uint32_t size = registry::BUFFER_SIZE;
    if (!registry.queryValue(key, valueName, type, buffer, size)) {
        valueText.clear();
        return false;
    }

    // The size counts bytes, taken here as characters; a stored text may carry its terminating zero.
    if (size == 0 || size > buffer.size())
        throw std::runtime_error("registry value of unusable size");
    const std::size_t kept = buffer[size - 1] == '\0' ? size - 1 : size;
    const std::string value(buffer.data(), kept);

    if (type == registry::REG_SZ) {
        valueText = value;
    } else if (type == registry::REG_DWORD) {
        std::string digits = valueText;
        for (auto c = value.rbegin(); c != value.rend(); ++c)
            digits += hexWithoutLeadingZeros(static_cast<unsigned char>(*c));
        valueText = formatHexNumber(digits);
    }
    return true;
}

void startSysInfo(Registry& registry, ProgramStarter& starter, MessageSink& sink)
{
    try {
        std::string path;
        std::string program;
        if (getKeyValue(registry, registry::HKEY_LOCAL_MACHINE, registry::MSINFO_KEY, registry::MSINFO_VALUE, path)) {
            program = path;
        } else if (getKeyValue(
                       registry, registry::HKEY_LOCAL_MACHINE, registry::LOCATION_KEY, registry::LOCATION_VALUE, path)
            && starter.isOrdinaryFile(path + registry::PROGRAM_FILE)) {
            program = path + registry::PROGRAM_FILE;
        }
        if (!program.empty() && starter.start(program))
            return;
    } catch (...) {  // any failure on the way ends in the message
    }
    sink.show(messages::sysInfoUnavailable());
}
