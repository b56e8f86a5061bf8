#pragma once

#include <QFrame>
#include <QIcon>
#include <QPixmap>
#include <QWidget>

// The client area of a method screen and its frames paint their white themselves rather than take a
// palette of their own: the style caches what it draws under the key of the palette in force, a
// palette set in each window gets a new key, and Qt keeps every key it is given, so every screen
// switch would leave some memory behind.

// The client area of a method screen: white, with the decorative picture (480 x 560 logical pixels)
// at its natural size in the top-left corner, behind the disk grid. The picture is drawn at the
// screen's resolution, so it stays sharp on a scaled screen.
class BackdropWidget final : public QWidget {
    Q_OBJECT
public:
    explicit BackdropWidget(QWidget* parent = nullptr);

    // The picture with devicePixelRatio device pixels to a logical pixel.
    static QPixmap picture(qreal devicePixelRatio = 1.0);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A frame on white, as the forms' frames are.
class WhiteFrame : public QFrame {
    Q_OBJECT
public:
    explicit WhiteFrame(QWidget* parent = nullptr) : QFrame(parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The program's window icon, a small disk of coloured and free blocks: the installed theme icon when
// there is one, otherwise the copy built into the program (16 to 256 pixels).
QIcon pellucorIcon();
// Makes the program's icon the application's, which every window without one of its own shows.
// Looking the icon up costs more than building a window, so it is done once.
void useApplicationIcon();
// The same, once the window has drawn its first frame: the first frame does not need the icon, and
// a user waits for the frame.
void useApplicationIconAfterFirstFrame(QWidget* window);
