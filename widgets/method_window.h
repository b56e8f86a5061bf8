#pragma once

#include "core/control.h"
#include "core/form_layout.h"
#include "core/screen_table.h"
#include "widgets/message_box_dialog.h"

#include <QMainWindow>

#include <initializer_list>
#include <map>
#include <optional>

class DiskGridWidget;
class EntryFrameWidget;
class QLabel;
class QPushButton;
class ReportListWidget;
class Screen;

// The window of a method screen: a fixed-size window with the program's icon, a white client area
// with the decorative picture, the disk grid, the menu bar and modal message boxes, plus the
// controls that each screen's window adds at its twips positions. It forwards the user's events to
// the screen and renders the screen's form after each; it decides nothing itself. The shell loads
// the screen before it builds the window and unloads it when the window goes.
class MethodWindow : public QMainWindow {
    Q_OBJECT
public:
    // The caption, the client size and the menus come from the screen's entry in the screen table.
    explicit MethodWindow(Screen& screen);

    Screen& screenObject() const { return m_screen; }
    QWidget* client() const;
    DiskGridWidget* grid() const { return m_grid; }

    // Brings every control up to date with the screen's form: the disk, the lists, the captions,
    // the fields' texts, what is enabled and shown, and where the focus goes.
    void render();
    // Shows the window in the centre of the screen.
    void showCentred();

    // Where the screen's message boxes go: over this window, modal.
    MessageSink& messageSink() { return m_messages; }
    // The control that has the focus, if one of the screen's has it.
    std::optional<Control> focusedControl() const;
    // A directory row shown as the one clicked.
    void showRowSelected(std::size_t row);

    void onAddClicked();
    void onNextClicked();
    void onClearClicked();
    void onRowClicked(int row);

signals:
    void exitRequested();
    void switchRequested(ScreenId target);
    void aboutRequested();
    // The close box was used.
    void closed();
    // The controls show the screen's form anew, after an action or a load.
    void rendered();
    // Add, Next Block or Clear (cmAdd, cmNext, cmClear) is about to reach the screen.
    void aboutToAct(Control action);
    // A directory row is about to be clicked.
    void aboutToClickRow(std::size_t row);

protected:
    // The screen's layout in the table every face reads.
    const form_layout::ScreenLayout& formLayout() const;
    // The entry frame at its place, its fields' typing and Enter wired to the screen.
    EntryFrameWidget* addEntryFrame();
    // The heading "Directory" and the directory list below it.
    ReportListWidget* addDirectory();
    // A report list the screen fills, such as the index list.
    ReportListWidget* addList(Control control, const QString& accessibleName, const form_layout::Rect& place);
    // The labels whose captions the screen writes.
    void addLabels();
    QLabel* label(Control control) const;
    // "Next Block >".
    QPushButton* addNextButton();
    // The widget that stands for a control, so that its focus, enabled and shown states follow the form.
    void registerControl(Control control, QWidget* widget);
    // Tab goes from each widget to the next, in the order given; null entries (controls a screen lacks) are passed over.
    static void chainTabOrder(std::initializer_list<QWidget*> widgets);
    MessageSink& messages() { return m_messages; }

    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();

    Screen& m_screen;
    DiskGridWidget* m_grid = nullptr;
    MessageBoxDialog m_messages;
    std::map<Control, QWidget*> m_controls;
};
