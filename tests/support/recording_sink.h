#pragma once

#include "core/messages.h"

#include <vector>

// Keeps the messages a screen raised, in order, instead of showing them.
class RecordingSink final : public MessageSink {
public:
    void show(const Message& message) override { shown.push_back(message); }

    std::vector<Message> shown;
};
