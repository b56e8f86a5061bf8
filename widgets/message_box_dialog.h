#pragma once

#include "core/messages.h"

#include <functional>

class QLabel;
class QMessageBox;
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

// The label in which a message box shows its icon. Qt offers no public way to it, so this is the
// one place that finds it, by the object name that Qt gives it; it is null should Qt ever rename it.
QLabel* messageBoxIconLabel(const QMessageBox& box);
