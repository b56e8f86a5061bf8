#pragma once

#include <cstdint>
#include <string>
#include <string_view>

enum class MessageIcon { None, Information, Critical };

// Which message a box shows, whatever numbers its text carries.
enum class MessageId {
    None,
    FilenameMissing,
    StartNotNumeric,
    LenghtNotNumeric,
    StartNotAllowed,
    LenghtOverloaded,
    WriteDenied,
    SpaceNotEnough,
    ChainCutShort,
    FileNumbersUsedUp,
    SysInfoUnavailable,
};

// One modal message box: a message, a title, an icon and a single OK button.
struct Message {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::Critical;
    MessageId id = MessageId::None;

    // Two messages are the same box when they show the same; the id is for the program's own use.
    friend bool operator==(const Message& a, const Message& b)
    {
        return a.text == b.text && a.title == b.title && a.icon == b.icon;
    }
};

// Where the screens send their message boxes, in the order the flow raises them.
// The program shows each one modally and waits; tests record them.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void show(const Message& message) = 0;
};

// A caption or message that carries a count: the text followed directly by the number in plain
// decimal ("Current Usage Blocks =" and 12 give "Current Usage Blocks =12").
std::string withNumber(std::string_view text, std::int64_t number);

// Every message the program shows, letter for letter.
namespace messages {

// The field checks.
Message filenameMissing();
Message startNotNumeric();
Message lenghtNotNumeric();
// Add on the screens.
Message startNotAllowed();
Message lenghtOverloaded();
Message writeDenied();
// `total` is the sum in plain decimal, however large it is.
Message spaceNotEnough(std::string_view total);
Message chainCutShort(int lastBlock);
Message fileNumbersUsedUp();
// The About dialog.
Message sysInfoUnavailable();

// The message of an id as a list of what may happen shows it: a count it carries in words.
Message byId(MessageId id);

}  // namespace messages
