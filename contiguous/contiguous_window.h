#pragma once

#include "contiguous/contiguous_allocator.h"
#include "core/method_window.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class ReportListWidget;

// The window "Contiguous Allocation": files are given by name, start block and length.
// Loading the window loads the screen; destroying it unloads the screen.
class ContiguousWindow final : public MethodWindow {
    Q_OBJECT
public:
    explicit ContiguousWindow(ContiguousAllocator& screen);
    ~ContiguousWindow() override;

    // Key presses in the entry fields; 13 is Enter.
    void txFile_KeyPress(int KeyAscii);
    void txStart_KeyPress(int KeyAscii);
    void txLenght_KeyPress(int KeyAscii);
    void cmAdd_Click();
    void cmClear_Click();

protected:
    void render() override;

private:
    void Form_Load();
    QLineEdit* field(Control control) const;
    QWidget* focusTarget(Control control) const;

    ContiguousAllocator& m_screen;
    QFrame* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* txFile = nullptr;
    QLineEdit* txStart = nullptr;
    QLineEdit* txLenght = nullptr;
    QPushButton* cmClear = nullptr;
    QPushButton* cmAdd = nullptr;
    ReportListWidget* lvDirectory = nullptr;
};
