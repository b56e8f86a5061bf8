#include "core/messages.h"

std::string withNumber(std::string_view text, std::int64_t number)
{
    std::string result(text);
    result += std::to_string(number);
    return result;
}

namespace messages {

Message filenameMissing() { return {"Please state the filename ", "Filename", MessageIcon::Information, MessageId::FilenameMissing}; }
Message startNotNumeric() { return {"Start value must be Numeric", "Wrong Start Value", MessageIcon::Critical, MessageId::StartNotNumeric}; }
Message lenghtNotNumeric() { return {"Lenght value must be Numeric", "Wrong Lenght Value", MessageIcon::Critical, MessageId::LenghtNotNumeric}; }
Message startNotAllowed() { return {"Start value not Allowed", "Wrong Start Value", MessageIcon::Critical, MessageId::StartNotAllowed}; }
Message lenghtOverloaded() { return {"Lenght Overloaded", "Lenght Overloaded", MessageIcon::Critical, MessageId::LenghtOverloaded}; }
Message writeDenied() { return {"not allow to insert", "Write Denied", MessageIcon::Critical, MessageId::WriteDenied}; }

Message spaceNotEnough(std::string_view total)
{
    return {"Space not enough.total= " + std::string(total), "Write Denied", MessageIcon::Critical,
        MessageId::SpaceNotEnough};
}

Message chainCutShort(int lastBlock)
{
    return {withNumber("No free block left: the chain ends at block ", lastBlock), "Write Denied",
        MessageIcon::Critical, MessageId::ChainCutShort};
}

Message fileNumbersUsedUp()
{
    return {"Every file number is in use; Clear starts them again", "No File Number Left", MessageIcon::Critical,
        MessageId::FileNumbersUsedUp};
}

Message byId(MessageId id)
{
    switch (id) {
    case MessageId::None: break;
    case MessageId::FilenameMissing: return filenameMissing();
    case MessageId::StartNotNumeric: return startNotNumeric();
    case MessageId::LenghtNotNumeric: return lenghtNotNumeric();
    case MessageId::StartNotAllowed: return startNotAllowed();
    case MessageId::LenghtOverloaded: return lenghtOverloaded();
    case MessageId::WriteDenied: return writeDenied();
    case MessageId::SpaceNotEnough: return spaceNotEnough("(the sum)");
    case MessageId::ChainCutShort: {
        Message m = chainCutShort(0);
        m.text = "No free block left: the chain ends at its last block";
        return m;
    }
    case MessageId::FileNumbersUsedUp: return fileNumbersUsedUp();
    case MessageId::SysInfoUnavailable: return sysInfoUnavailable();
    }
    return {};
}

Message sysInfoUnavailable() { return {"System Information Is Unavailable At This Time", "Pellucor", MessageIcon::None,
        MessageId::SysInfoUnavailable}; }

}  // namespace messages
