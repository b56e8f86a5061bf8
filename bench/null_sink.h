#pragma once

#include "core/messages.h"

// Drops every message, so that a benchmark measures the screen and not a dialog.
class NullSink final : public MessageSink {
public:
    void show(const Message&) override {}
};
