#pragma once

#include "core/screen.h"
#include "widgets/message_box_dialog.h"
#include "widgets/method_window.h"
#include "widgets/form_geometry.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QList>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRect>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <utility>

struct SeenBox {
    QString text;
    QString title;
    QMessageBox::Icon icon;
    QString iconName;  // what a screen reader hears of the icon
};

// Runs an action and answers every message box that it opens with OK, keeping what each box showed.
// The boxes are looked for every `interval` milliseconds.
inline QList<SeenBox> answeringBoxes(const std::function<void()>& action, int interval = 5)
{
    QList<SeenBox> seen;
    QTimer timer;
    timer.setInterval(interval);
    QObject::connect(&timer, &QTimer::timeout, [&seen] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            QLabel* picture = messageBoxIconLabel(*box);
            seen.append({box->text(), box->windowTitle(), box->icon(),
                picture != nullptr ? QAccessible::queryAccessibleInterface(picture)->text(QAccessible::Name)
                                   : QString()});
            QCOMPARE(box->buttons().size(), 1);
            box->button(QMessageBox::Ok)->click();
        }
    });
    timer.start();
    action();
    return seen;
}

// Closes a window as the shell does: the screen unloaded, then the window gone.
struct ClosedByTheShell {
    void operator()(MethodWindow* window) const
    {
        window->screenObject().unload();
        delete window;
    }
};
template <typename W> using ShellWindow = std::unique_ptr<W, ClosedByTheShell>;

// Opens a screen's window as the shell does: the screen loaded, the window built over it and
// rendered.
template <typename W> ShellWindow<W> openByTheShell(Screen& screen)
{
    screen.load();
    ShellWindow<W> window(new W(screen));
    window->render();
    return window;
}

// Where a control given in twips lands, in pixels.
inline QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

// Shows a window and waits until it is the active one, so that focus and keys reach it.
inline bool showActive(QWidget* window)
{
    window->show();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

// The frame of every method window: its caption, a fixed client area of the given twips, no
// minimise or maximise button, the close box and a white background. (The shell gives the windows
// their icon, once the first is drawn.)
inline void verifyFixedWindow(const MethodWindow* window, const QString& caption, int width, int height)
{
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->client()->size(), QSize(twipsToPixels(width), twipsToPixels(height)));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    // White where the picture does not reach, and inside the frames.
    const QImage client = window->client()->grab().toImage();
    QCOMPARE(client.pixelColor(client.width() - 2, client.height() - 2), QColor(Qt::white));
    for (QFrame* frame : window->findChildren<QFrame*>()) {
        if (frame->objectName() == QLatin1String("Frame1") || frame->objectName() == QLatin1String("Frame2"))
            QCOMPARE(frame->grab().toImage().pixelColor(4, frame->height() - 4), QColor(Qt::white));
    }
}

// The menu bar of every method window: "&Menu" with "E&xit", "Me&thod" with the given items
// (caption, object name) in order, and "&About" as a command on the bar itself.
inline void verifyMenuBar(const QMainWindow* window, const QList<std::pair<QString, QString>>& methodItems)
{
    const auto bar = window->menuBar()->actions();
    QCOMPARE(bar.size(), 3);
    QCOMPARE(bar[0]->text(), QStringLiteral("&Menu"));
    QCOMPARE(bar[0]->menu()->objectName(), QStringLiteral("menu"));
    QCOMPARE(bar[0]->menu()->actions().at(0)->text(), QStringLiteral("E&xit"));
    QCOMPARE(bar[0]->menu()->actions().at(0)->objectName(), QStringLiteral("exit"));
    QCOMPARE(bar[1]->text(), QStringLiteral("Me&thod"));
    QCOMPARE(bar[1]->menu()->objectName(), QStringLiteral("mnMethod"));
    QCOMPARE(bar[2]->text(), QStringLiteral("&About"));
    QCOMPARE(bar[2]->objectName(), QStringLiteral("mnAbout"));
    QVERIFY(bar[2]->menu() == nullptr);
    const auto items = bar[1]->menu()->actions();
    QCOMPARE(items.size(), methodItems.size());
    for (int i = 0; i < items.size(); ++i) {
        QCOMPARE(items[i]->text(), methodItems[i].first);
        QCOMPARE(items[i]->objectName(), methodItems[i].second);
    }
}

// Tab from the first widget reaches each of the others in turn.
inline void verifyTabOrder(const QList<QWidget*>& expected)
{
    QWidget* window = expected.first()->window();
    expected.first()->setFocus();
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        QVERIFY2(window->focusWidget() == expected[i],
            qPrintable(QStringLiteral("step %1 reached %2").arg(i).arg(window->focusWidget()->objectName())));
    }
}
