#pragma once

#include "core/message_box_dialog.h"

#include <QMainWindow>

#include <initializer_list>

class BackdropWidget;
class DiskGridWidget;

// The screens the Method menu can lead to.
enum class Method { Contiguous, Linked, Indexed };

// What the four method screens share: a fixed-size window with the program's icon, a white client
// area with the decorative picture, the disk grid, the menu bar, and modal message boxes.
// Positions and sizes are given in twips.
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
    void methodRequested(Method target);
    void aboutRequested();

protected:
    // Adds "&Menu" with "E&xit", "Me&thod" with an item for each target, and the "&About" command.
    void buildMenus(std::initializer_list<Method> targets);
    // Brings every control up to date with the screen's state.
    virtual void render() = 0;
    MessageSink& messages() { return m_messages; }

private:
    DiskGridWidget* m_grid = nullptr;
    MessageBoxDialog m_messages;
};
