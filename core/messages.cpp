#include "core/messages.h"

std::string withNumber(std::string_view text, std::int64_t number)
{
    std::string result(text);
    result += std::to_string(number);
    return result;
}

namespace messages {

Message filenameMissing() { return {"Please state the filename ", "Filename", MessageIcon::Information}; }
Message startNotNumeric() { return {"Start value must be Numeric", "Wrong Start Value", MessageIcon::Critical}; }
Message lenghtNotNumeric() { return {"Lenght value must be Numeric", "Wrong Lenght Value", MessageIcon::Critical}; }
Message startNotAllowed() { return {"Start value not Allowed", "Wrong Start Value", MessageIcon::Critical}; }
Message lenghtOverloaded() { return {"Lenght Overloaded", "Lenght Overloaded", MessageIcon::Critical}; }
Message writeDenied() { return {"not allow to insert", "Write Denied", MessageIcon::Critical}; }

Message spaceNotEnough(std::string_view total)
{
    return {"Space not enough.total= " + std::string(total), "Write Denied", MessageIcon::Critical};
}

Message chainCutShort(int lastBlock)
{
    return {withNumber("No free block left: the chain ends at block ", lastBlock), "Write Denied",
        MessageIcon::Critical};
}

Message fileNumbersUsedUp()
{
    return {"Every file number is in use; Clear starts them again", "No File Number Left", MessageIcon::Critical};
}

Message sysInfoUnavailable() { return {"System Information Is Unavailable At This Time", "Pellucor", MessageIcon::None}; }

}  // namespace messages
