#include "widgets/backdrop_widget.h"
#include "widgets/disk_grid_widget.h"

#include "widgets/message_box_dialog.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

// Runs once as started and once with QT_SCALE_FACTOR=2: whatever the program draws itself must be
// as many device pixels thick as the screen has to a logical pixel, neither thinner nor blurred.
class ScaledDrawingTest : public QObject {
    Q_OBJECT

    static int ratio() { return static_cast<int>(qApp->devicePixelRatio()); }

    // The cell's pixels as the screen shows them.
    static QImage cellImage(DiskGridWidget& grid, int block)
    {
        return grid.grab(grid.Block(block)->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
    }

private slots:
    void cellEdgesAndFocusRingScaleWithTheScreen()
    {
        QWidget form;
        form.resize(600, 600);
        auto* grid = new DiskGridWidget(&form);
        BlockDisk disk;
        disk.reset();
        disk.paint(9, packColour(10, 20, 30));
        grid->render(disk);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        const int r = ratio();
        const QPalette colours = grid->Block(9)->palette();
        const QColor dark = colours.color(QPalette::Dark);
        const QColor light = colours.color(QPalette::Midlight);
        const QColor fill(10, 20, 30);
        QImage cell = cellImage(*grid, 9);
        QCOMPARE(cell.size(), grid->Block(9)->size() * r);
        const int w = cell.width();
        const int h = cell.height();
        for (int i = 0; i < r; ++i) {
            // The edge takes the outermost logical pixel on every side, and nothing of the fill lies
            // outside it.
            QCOMPARE(cell.pixelColor(w / 2, i).name(), dark.name());
            QCOMPARE(cell.pixelColor(i, h / 2).name(), dark.name());
            QCOMPARE(cell.pixelColor(w / 2, h - 1 - i).name(), light.name());
            QCOMPARE(cell.pixelColor(w - 1 - i, h / 2).name(), light.name());
        }
        QCOMPARE(cell.pixelColor(r, r).name(), fill.name());
        QCOMPARE(cell.pixelColor(w - 1 - r, h - 1 - r).name(), fill.name());

        grid->Block(9)->setFocus();
        QTRY_VERIFY(grid->Block(9)->hasFocus());
        cell = cellImage(*grid, 9);
        const QColor ring = colours.color(QPalette::Highlight);
        for (int i = 0; i < 2 * r; ++i) {
            QCOMPARE(cell.pixelColor(w / 2, i).name(), ring.name());
            QCOMPARE(cell.pixelColor(i, h / 2).name(), ring.name());
            QCOMPARE(cell.pixelColor(w / 2, h - 1 - i).name(), ring.name());
            QCOMPARE(cell.pixelColor(w - 1 - i, h / 2).name(), ring.name());
        }
        QCOMPARE(cell.pixelColor(2 * r, 2 * r).name(), fill.name());
    }

    void messageBoxIconsHaveAsManyPixelsAsTheScreen()
    {
        QWidget window;
        MessageBoxDialog messages(&window, {});
        for (const MessageIcon icon : {MessageIcon::Critical, MessageIcon::Information}) {
            QPixmap shown;
            QTimer::singleShot(0, this, [&shown] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box != nullptr);
                shown = messageBoxIconLabel(*box)->pixmap();
                box->accept();
            });
            messages.show({"not allow to insert", "Write Denied", icon});
            QCOMPARE(shown.deviceIndependentSize(), QSizeF(32, 32));
            QCOMPARE(shown.size(), QSize(32, 32) * ratio());
            // Not blank: the middle of the disc is drawn.
            QVERIFY(qAlpha(shown.toImage().pixel(shown.width() / 4, shown.height() / 2)) > 0);
        }
    }

    void theIconComesAtTheScreensResolution()
    {
        // Asked for its usual 32 pixels, the icon hands over as many device pixels as the screen has.
        const QPixmap icon = pellucorIcon().pixmap(QSize(32, 32), qApp->devicePixelRatio());
        QCOMPARE(icon.size(), QSize(32, 32) * ratio());
        QCOMPARE(icon.deviceIndependentSize(), QSizeF(32, 32));
    }
};

QTEST_MAIN(ScaledDrawingTest)
#include "scaled_drawing_test.moc"
