#pragma once

#include "contiguous/contiguous_allocator.h"
#include "core/method_window.h"

class EntryFrameWidget;
class QLineEdit;
class QPushButton;
class ReportListWidget;

// The window "Contiguous Allocation": files are given by name, start block and length.
// Building the window loads the screen; destroying it unloads the screen.
class ContiguousWindow final : public MethodWindow {
    Q_OBJECT
public:
    explicit ContiguousWindow(ContiguousAllocator& screen);
    ~ContiguousWindow() override;

    void onAddClicked();
    void onClearClicked();

protected:
    EntryForm* entryForm() override;
    void onEnterPressed(Control field) override;
    void render() override;

private:
    void load();

    ContiguousAllocator& m_screen;
    EntryFrameWidget* Frame1 = nullptr;
    QLineEdit* txFile = nullptr;
    QLineEdit* txStart = nullptr;
    QLineEdit* txLenght = nullptr;
    QPushButton* cmClear = nullptr;
    QPushButton* cmAdd = nullptr;
    ReportListWidget* lvDirectory = nullptr;
};
