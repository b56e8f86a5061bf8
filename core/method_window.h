#pragma once

#include "core/control.h"
#include "core/message_box_dialog.h"
#include "core/screen.h"

#include <QMainWindow>

#include <initializer_list>
#include <map>

class DiskGridWidget;
class EntryForm;
class EntryFrameWidget;
class QLabel;
class ReportListWidget;

// What the four method screens share: a fixed-size window with the program's icon, a white client
// area with the decorative picture, the disk grid, the entry frame, the directory, the menu bar, and
// modal message boxes. Positions and sizes are given in twips.
class MethodWindow : public QMainWindow {
    Q_OBJECT
public:
    // Width and height of the client area, in twips.
    MethodWindow(const QString& caption, int clientWidth, int clientHeight);

    QWidget* client() const;
    DiskGridWidget* grid() const { return m_grid; }

    // Places a control at left, top, width, height in twips, relative to its parent.
    static void place(QWidget* widget, int left, int top, int width, int height);
    // "MS Sans Serif" at the given size, or the nearest sans serif this system has.
    static QFont msSansSerif(double points, bool bold = false);

    // Shows the window in the centre of the screen.
    void showCentred();

signals:
    void exitRequested();
    void switchRequested(Screen target);
    void aboutRequested();
    // The close box was used.
    void closed();

protected:
    // Adds "&Menu" with "E&xit", "Me&thod" with an item for each target, and the "&About" command.
    // "&Indexed" leads to the linked index scheme.
    void buildMenus(std::initializer_list<Screen> targets);
    // The entry frame at left, top, width, height, wired to the form and to onEnterPressed.
    void addEntryFrame(EntryFrameWidget* frame, int left, int top, int width, int height);
    // The heading "Directory" and the directory list below it, at the given left edge and width.
    ReportListWidget* addDirectory(int left, int width);
    // The widget that stands for a control, so that its focus, enabled and shown states follow the form.
    void registerControl(Control control, QWidget* widget);
    // Tab goes from each widget to the next, in the order given; null entries (controls a screen lacks) are passed over.
    static void chainTabOrder(std::initializer_list<QWidget*> widgets);

    // The form of the loaded screen, or null when the screen is not loaded.
    virtual EntryForm* entryForm() = 0;
    virtual void onEnterPressed(Control field) = 0;
    // Brings every control up to date with the screen's state.
    virtual void render() = 0;
    // Brings the fields' texts, the enabled and shown states and the focus up to date with the form.
    void renderForm();
    MessageSink& messages() { return m_messages; }

    void closeEvent(QCloseEvent* event) override;

private:
    DiskGridWidget* m_grid = nullptr;
    MessageBoxDialog m_messages;
    std::map<Control, QWidget*> m_controls;
};
