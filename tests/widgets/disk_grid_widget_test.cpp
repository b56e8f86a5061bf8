#include "widgets/disk_grid_widget.h"
#include "widgets/form_geometry.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

class DiskGridWidgetTest : public QObject {
    Q_OBJECT
private slots:
    void screenReadersHearEachCellsTextAndWhetherItIsFree()
    {
        // As with a screen reader listening from the start, so that every interface is made at once;
        // first in this file, so that no earlier grid has set up the cells' interfaces.
        QAccessible::setActive(true);
        QWidget form;
        DiskGridWidget grid(&form);
        BlockDisk disk;
        disk.reset();
        disk.paint(12, packColour(10, 20, 30));
        disk.setText(12, "-1");
        grid.render(disk);
        form.show();

        QAccessibleInterface* disk12 = QAccessible::queryAccessibleInterface(grid.Block(12));
        QCOMPARE(disk12->role(), QAccessible::EditableText);
        QCOMPARE(disk12->text(QAccessible::Name), QStringLiteral("Block 12"));
        QVERIFY(disk12->state().readOnly);
        QVERIFY(disk12->state().focusable);
        QCOMPARE(disk12->text(QAccessible::Value), QStringLiteral("-1"));
        QCOMPARE(disk12->text(QAccessible::Description), QStringLiteral("used"));
        QAccessibleTextInterface* text = disk12->textInterface();
        QVERIFY(text != nullptr);
        QCOMPARE(text->characterCount(), 2);
        QCOMPARE(text->text(0, 2), QStringLiteral("-1"));
        QCOMPARE(text->text(1, 2), QStringLiteral("1"));
        QCOMPARE(text->text(3, 5), QString());
        QCOMPARE(text->selectionCount(), 0);
        const QRect minus = text->characterRect(0);
        QVERIFY(!minus.isEmpty());
        QVERIFY(QRect(grid.Block(12)->mapToGlobal(QPoint(0, 0)), grid.Block(12)->size()).contains(minus));
        QCOMPARE(text->offsetAtPoint(minus.center()), 0);
        QCOMPARE(text->characterRect(2), QRect());

        QAccessibleInterface* disk13 = QAccessible::queryAccessibleInterface(grid.Block(13));
        QCOMPARE(disk13->text(QAccessible::Description), QStringLiteral("free"));
        QCOMPARE(disk13->textInterface()->characterCount(), 0);
        QCOMPARE(QAccessible::queryAccessibleInterface(grid.B(13))->role(), QAccessible::StaticText);
        QCOMPARE(QAccessible::queryAccessibleInterface(grid.B(13))->text(QAccessible::Name), QStringLiteral("13"));

        // Clear frees the block again, and says so.
        disk.reset();
        disk.clearTexts();
        grid.render(disk);
        QCOMPARE(disk12->text(QAccessible::Description), QStringLiteral("free"));
        QCOMPARE(disk12->textInterface()->characterCount(), 0);

        QAccessibleInterface* whole = QAccessible::queryAccessibleInterface(&grid);
        QCOMPARE(whole->role(), QAccessible::Grouping);
        QCOMPARE(whole->text(QAccessible::Name), QStringLiteral("Disk"));
        QCOMPARE(whole->childCount(), 2 * BlockDisk::BLOCKS);
    }

    void cellsAndLabelsStandInAnEightByEightGrid()
    {
        QWidget form;
        DiskGridWidget grid(&form);
        for (int i = 0; i < BlockDisk::BLOCKS; ++i) {
            const int col = i % 8;
            const int row = i / 8;
            const QRect cell(grid.Block(i)->mapTo(&form, QPoint(0, 0)), grid.Block(i)->size());
            QCOMPARE(cell,
                QRect(twipsToPixels(1560 + 600 * col), twipsToPixels(3480 + 600 * row), twipsToPixels(375),
                    twipsToPixels(285)));
            const QRect label(grid.B(i)->mapTo(&form, QPoint(0, 0)), grid.B(i)->size());
            QCOMPARE(label,
                QRect(twipsToPixels(1320 + 600 * col), twipsToPixels(3480 + 600 * row), twipsToPixels(255),
                    twipsToPixels(255)));
            QVERIFY(label.center().x() < cell.left());  // each number stands just left of its cell
            QCOMPARE(grid.Block(i)->accessibleName(), QStringLiteral("Block %1").arg(i));
            QCOMPARE(grid.B(i)->text(), QStringLiteral("0"));
            QVERIFY(grid.Block(i)->focusPolicy() & Qt::TabFocus);
            QVERIFY(grid.Block(i)->alignment() & Qt::AlignHCenter);
        }
    }

    void rendersColoursTextsAndLabels()
    {
        DiskGridWidget grid;
        BlockDisk disk;
        disk.reset();
        disk.paint(9, packColour(10, 20, 30));
        disk.setText(9, "-1");
        disk.setText(10, "3");
        disk.setTextColour(10, packColour(255, 0, 0));
        grid.render(disk);

        QCOMPARE(grid.Block(9)->palette().color(QPalette::Base), QColor(10, 20, 30));
        QCOMPARE(grid.Block(0)->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(grid.Block(9)->text(), QStringLiteral("-1"));
        QCOMPARE(grid.Block(10)->palette().color(QPalette::Text), QColor(255, 0, 0));
        QCOMPARE(grid.Block(9)->palette().color(QPalette::Text), grid.palette().color(QPalette::Text));
        for (int i = 0; i < BlockDisk::BLOCKS; ++i)
            QCOMPARE(grid.B(i)->text(), QString::number(i));

        disk.reset();
        disk.clearTexts();
        grid.render(disk);
        QCOMPARE(grid.Block(9)->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(grid.Block(9)->text(), QString());
    }

    void typingIntoACellChangesNothing()
    {
        DiskGridWidget grid;
        BlockDisk disk;
        disk.reset();
        grid.render(disk);
        QTest::keyClicks(grid.Block(3), QStringLiteral("42"));
        QCOMPARE(grid.Block(3)->text(), QString());
        QVERIFY(disk.isFree(3));
    }
};

QTEST_MAIN(DiskGridWidgetTest)
#include "disk_grid_widget_test.moc"
