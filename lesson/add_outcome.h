#pragma once

#include "core/screen.h"
#include "core/share.h"

#include <optional>
#include <string>
#include <vector>

// What Add does: places the file (MessageId::None), or shows a message first.
using AddOutcome = MessageId;
// What Add may do on a screen, in the order its checks come, placing the file first.
std::vector<AddOutcome> addOutcomes(ScreenId screen);
std::string outcomeText(const AddOutcome& outcome);

// The fields as Add reads them; no start on the screens that take none.
struct AddRequest {
    std::string name, start, length;
};

// What Add would do on this screen with these texts typed, tried on the screen and undone; nothing
// when it would neither place the file nor say why.
std::optional<AddOutcome> tryAdd(Screen& screen, Share& share, const AddRequest& request);

// Why Add does that on the screen as it stands: "Add: not allow to insert. It needs blocks 20 to
// 25, and block 20 is taken by "data"; the free runs are ...".
std::string addWorking(const Screen& screen, const AddOutcome& outcome, const AddRequest& request);
