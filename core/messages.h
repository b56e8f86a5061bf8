#pragma once

#include <string>

enum class MessageIcon { None, Information, Critical };

// One modal message box: a message, a title, an icon and a single OK button.
struct Message {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::Critical;

    friend bool operator==(const Message&, const Message&) = default;
};

// Where the screens send their message boxes, in the order the flow raises them.
// The program shows each one modally and waits; tests record them.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void show(const Message& message) = 0;
};

// The program's own texts, letter for letter.
namespace messages {

inline const Message FILENAME_MISSING{"Please state the filename ", "Filename", MessageIcon::Information};
inline const Message START_NOT_NUMERIC{"Start value must be Numeric", "Wrong Start Value", MessageIcon::Critical};
inline const Message LENGHT_NOT_NUMERIC{"Lenght value must be Numeric", "Wrong Lenght Value", MessageIcon::Critical};
inline const Message START_NOT_ALLOWED{"Start value not Allowed", "Wrong Start Value", MessageIcon::Critical};
inline const Message LENGHT_OVERLOADED{"Lenght Overloaded", "Lenght Overloaded", MessageIcon::Critical};
inline const Message WRITE_DENIED{"not allow to insert", "Write Denied", MessageIcon::Critical};

}  // namespace messages
