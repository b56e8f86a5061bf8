#pragma once

#include <QIcon>
#include <QPixmap>
#include <QWidget>

// The client area of a method screen: white, with the decorative picture (480 x 560 pixels) at its
// natural size in the top-left corner, behind the disk grid.
class BackdropWidget final : public QWidget {
    Q_OBJECT
public:
    explicit BackdropWidget(QWidget* parent = nullptr);

    static QPixmap picture();

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The program's window icon, a small disk of coloured and free blocks: the installed theme icon when
// there is one, otherwise the copy built into the program (16 to 256 pixels).
QIcon pellucorIcon();
