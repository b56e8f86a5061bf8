#pragma once

#include "core/messages.h"

#include <functional>

class QWidget;

// Shows each message as a modal box with one OK button over the given window, and waits.
// Before a box opens, the window is brought up to date so that the user sees what led to it.
class MessageBoxDialog final : public MessageSink {
public:
    MessageBoxDialog(QWidget* parent, std::function<void()> beforeShow)
        : m_parent(parent), m_beforeShow(std::move(beforeShow))
    {
    }

    void show(const Message& message) override;

private:
    QWidget* m_parent;
    std::function<void()> m_beforeShow;
};
