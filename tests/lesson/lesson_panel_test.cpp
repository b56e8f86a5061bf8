#include "core/screen.h"
#include "lesson/lesson_panel.h"
#include "lesson/reading.h"
#include "widgets/block_cell_widget.h"
#include "widgets/disk_grid_widget.h"
#include "widgets/form_geometry.h"

#include "support/running_program.h"
#include "support/window_testing.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

class LessonPanelTest : public QObject {
    Q_OBJECT

    std::unique_ptr<RunningProgram> m_program;

    QtScreenHost& host() { return m_program->host; }
    MethodWindow* window(ScreenId s) const { return m_program->host.window(s); }
    QLabel* answer(const char* name) const { return host().lesson()->findChild<QLabel*>(QString::fromLatin1(name)); }
    QtScreenHost& host() const { return m_program->host; }

    // Places a file on the linked index scheme through its window, block by block to the end.
    void placeOnIndexedL(const QString& name, const QString& length)
    {
        MethodWindow* w = window(ScreenId::IndexedL);
        w->findChild<QLineEdit*>(QStringLiteral("txFile"))->setText(name);
        w->findChild<QLineEdit*>(QStringLiteral("txLenght"))->setText(length);
        w->findChild<QPushButton*>(QStringLiteral("cmAdd"))->click();
        auto* next = w->findChild<QPushButton*>(QStringLiteral("cmNext"));
        while (next->isVisible())
            next->click();
    }

    // Every cell shows the colour and the text the disk holds.
    static void verifyCellsAsTheDiskHolds(const MethodWindow* w, const BlockDisk& disk)
    {
        for (int b = 0; b < BlockDisk::BLOCKS; ++b) {
            const BlockCellWidget* cell = w->grid()->Block(b);
            QCOMPARE(cell->palette().color(QPalette::Base), toQColor(disk.colourOf(b)));
            QCOMPARE(cell->text(), QString::fromStdString(disk.cell(b).text));
        }
    }

private slots:
    void init()
    {
        m_program = std::make_unique<RunningProgram>();
        host().navigator().start(ScreenId::IndexedL);
        QApplication::processEvents();
    }

    void cleanup()
    {
        m_program.reset();
        QApplication::processEvents();
    }

    void theReadPathIsMarkedInOrderAndLeavesTheCellsAsTheyAre()
    {
        placeOnIndexedL(QStringLiteral("notes"), QStringLiteral("20"));
        MethodWindow* w = window(ScreenId::IndexedL);
        QTest::keyClick(w, Qt::Key_F2);  // F2 on the screen opens the panel
        LessonPanel* panel = host().lesson();
        QVERIFY(panel != nullptr && panel->isVisible());
        QCOMPARE(panel->windowTitle(), QStringLiteral("Lesson"));
        const QImage before = w->grid()->grab().toImage();

        panel->pick(0, 15);
        const Screen& screen = *host().screen(ScreenId::IndexedL);
        const auto path = readBlock(ScreenId::IndexedL, screen.files().front(), 15);
        QVERIFY(path.has_value());
        QCOMPARE(path->blocks.size(), 4U);  // three index blocks, then block 15
        QCOMPARE(w->grid()->readMarks(), path->blocks);
        QCOMPARE(answer("lessonPath")->text(), QString::fromStdString(readPathText(path->blocks)));
        verifyCellsAsTheDiskHolds(w, screen.form().disk);
        // Inside its edge every cell looks as it did; only the marked ones have a ring on the edge.
        const QImage marked = w->grid()->grab().toImage();
        for (int b = 0; b < BlockDisk::BLOCKS; ++b) {
            const QRect inside = w->grid()->Block(b)->geometry().adjusted(2, 2, -2, -2);
            QVERIFY2(marked.copy(inside) == before.copy(inside), qPrintable(QString::number(b)));
        }

        panel->close();
        QVERIFY(w->grid()->readMarks().empty());
        host().showLesson();
        QCOMPARE(w->grid()->readMarks(), path->blocks);
        panel->pick(-1, 0);
        QVERIFY(w->grid()->readMarks().empty());
    }

    void thePanelFollowsTheScreensAndNeverKeepsTheProgramRunning()
    {
        host().showLesson();
        LessonPanel* panel = host().lesson();
        QCOMPARE(answer("screenName")->text(), QStringLiteral("Indexed allocation, linked index scheme"));
        window(ScreenId::IndexedL)->findChild<QAction*>(QStringLiteral("mnContiguous"))->trigger();
        QApplication::processEvents();
        QCOMPARE(panel->followed(), host().screen(ScreenId::Contiguous));
        QCOMPARE(answer("screenName")->text(), QStringLiteral("Contiguous allocation"));
        QCOMPARE(answer("lessonRuns")->text(), QStringLiteral("0-63 (64)"));
        // A method screen's menus stay as they were.
        verifyMenuBar(window(ScreenId::Contiguous),
            {{QStringLiteral("&Linked"), QStringLiteral("mnLinked")}, {QStringLiteral("&Indexed"), QStringLiteral("mnIndexed")}});

        panel->close();
        QVERIFY(!host().navigator().hasEnded());
        host().showLesson();
        window(ScreenId::Contiguous)->close();
        QVERIFY(host().navigator().hasEnded());
    }
};

QTEST_MAIN(LessonPanelTest)
#include "lesson_panel_test.moc"
